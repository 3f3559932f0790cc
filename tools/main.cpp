// qel3d-assets FOLDER: writes the program's generated data files into FOLDER.

#include "Characters.h"
#include "JoinFileWriter.h"
#include "XFileWriter.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

namespace {

// Entries are named by character number and animation letter. The standing (A) and walking (B)
// entries hold the same model until the characters get their animations.
void AddCharacter(JoinFileWriter& archive, int number, const Frame& model)
{
    const std::string text = XFileText(model);
    for (char animation : {'A', 'B'}) {
        char name[8];
        std::snprintf(name, sizeof name, "%02d%c", number, animation);
        archive.Add(name, {text.begin(), text.end()});
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    try {
        JoinFileWriter archive("ANI");
        AddCharacter(archive, 1, Lizard());
        AddCharacter(archive, 2, Snail());
        AddCharacter(archive, 3, Turtle());
        const std::filesystem::path path = folder / "AniMesh.jx";
        if (!archive.Save(path.string())) {
            std::fprintf(stderr, "qel3d-assets: cannot write %s\n", path.string().c_str());
            return 1;
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "qel3d-assets: %s\n", error.what());
        return 1;
    }
    return 0;
}
