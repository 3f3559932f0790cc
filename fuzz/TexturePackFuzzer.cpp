// The texture pack as a core opens it, and its textures as models ask for them: the names its own
// table holds and the one the floor names.

#include "FuzzInput.h"
#include "RetainedModeLayer.h"
#include "engine/TextureLoader.h"

#include <QFile>
#include <QtEndian>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int kTableAt = 4;
constexpr int kTableEntryBytes = kTexturePackNameBytes + 4;
constexpr std::int32_t kMaxNamesAsked = 4;

// The first names of the input's table, as the pack reader will see them (it refuses the pack
// when one is unterminated).
std::vector<std::string> TableNames(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::string> names;
    if (size < kTableAt)
        return names;
    const auto count = std::clamp(qFromLittleEndian<std::int32_t>(data), 0, kMaxNamesAsked);
    for (std::int32_t i = 0; i < count; ++i) {
        const std::size_t at = kTableAt + static_cast<std::size_t>(i) * kTableEntryBytes;
        if (at + kTexturePackNameBytes > size)
            break;
        const auto* name = reinterpret_cast<const char*>(data + at);
        names.emplace_back(name, strnlen(name, kTexturePackNameBytes));
    }
    return names;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    RetainedModeLayer();
    const QByteArray path = QFile::encodeName(WriteInput(QStringLiteral("bmp.mte"), data, size));
    LoadTextureHeader(path.constData());
    std::vector<std::string> names = TableNames(data, size);
    names.emplace_back("floor.bmp");
    for (const std::string& name : names) {
        rm::Ptr<rm::Texture3> texture;
        LoadTextureCallback(name.c_str(), nullptr, texture);
    }
    FreeTextureLoader();
    return 0;
}
