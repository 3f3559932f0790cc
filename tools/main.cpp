// qel3d-assets FOLDER: writes the program's generated data files into FOLDER.

#include "Characters.h"
#include "Floor.h"
#include "HelpFiles.h"
#include "JoinFileWriter.h"
#include "TexturePackWriter.h"
#include "XFileWriter.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

namespace {

std::vector<std::uint8_t> Bytes(const std::string& text)
{
    return {text.begin(), text.end()};
}

// Entries are named by character number and animation letter: the same model standing (A) and
// walking (B).
void AddCharacter(JoinFileWriter& archive, int number, const Character& character)
{
    for (const auto& [letter, animation] : {std::pair{'A', &character.stand}, std::pair{'B', &character.walk}}) {
        char name[8];
        std::snprintf(name, sizeof name, "%02d%c", number, letter);
        archive.Add(name, Bytes(XFileText(character.model, *animation)));
    }
}

bool WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    file.close();
    return static_cast<bool>(file);
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

        // The characters' textures will join the floor's here.
        TexturePackWriter pack;
        pack.Add(kFloorTextureName, FloorBitmap());

        const std::pair<const char*, std::vector<std::uint8_t>> files[] = {
            {"AniMesh.jx", archive.Bytes()},
            {"bmp.mte", pack.Bytes()},
            {"00.x", Bytes(XFileText(FloorModel()))},
            {"Qel.hlp", Bytes(IntroHelpText())},
            {"QelLess.hlp", Bytes(TutorHelpText())},
            {"Qel_en.hlp", Bytes(EnglishIntroHelpText())},
            {"QelLess_en.hlp", Bytes(EnglishTutorHelpText())},
        };
        for (const auto& [name, bytes] : files) {
            const std::filesystem::path path = folder / name;
            if (!WriteFile(path, bytes)) {
                std::fprintf(stderr, "qel3d-assets: cannot write %s\n", path.string().c_str());
                return 1;
            }
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "qel3d-assets: %s\n", error.what());
        return 1;
    }
    return 0;
}
