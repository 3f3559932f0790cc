// The character archive as the program reads it: the table at start, then entries by name, each
// no longer than a model may be.

#include "FuzzInput.h"
#include "assets/CharacterModels.h"
#include "assets/JoinFile.h"
#include "rm/Types.h"

#include <QFile>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

// Every read opens the file again; a few names tell as much as thousands.
constexpr std::int32_t kMaxNamesRead = 8;

void Read(TJoinFile& archive, const std::string& name)
{
    std::unique_ptr<std::uint8_t[]> data;
    std::int32_t size = 0;
    archive.ReadEntry(name, data, size, static_cast<std::int32_t>(rm::kMaxModelBytes));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray path = QFile::encodeName(WriteInput(QStringLiteral("AniMesh.jx"), data, size));
    TJoinFile archive("ANI");
    if (!archive.Open(path.toStdString()))
        return 0;
    // The names the table holds (an unterminated one cut at its 16 bytes) and those the program
    // asks for.
    std::vector<std::string> names;
    for (std::int32_t i = 0; i < std::min(archive.Count, kMaxNamesRead); ++i) {
        const TJoinEntry& entry = archive.Entries[i];
        names.emplace_back(entry.Name, strnlen(entry.Name, sizeof entry.Name));
    }
    for (const std::int32_t shape : {1, 3})
        for (const std::int32_t animation : {1, 2})
            names.push_back(CharacterEntryName(shape, animation));
    for (const std::string& name : names)
        Read(archive, name);
    archive.Close();
    return 0;
}
