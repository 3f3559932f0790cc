#include "TextureLoader.h"

#include "win/RegularFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryFile>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr int kTableEntryBytes = kTexturePackNameBytes + 4;
// Opaque grey (127, 127, 127): the colour a texture leaves see-through.
constexpr rm::D3DCOLOR kTransparentColor = 0xFF7F7F7F;
// Longest file name the texture path and a texture name may make together.
constexpr std::size_t kMaxJoinedNameChars = 255;
// A sparse file may be as long as any count claims; no pack needs a table this long.
constexpr std::int32_t kMaxPackEntries = 65536;

struct PackEntry {
    char name[kTexturePackNameBytes]; // NUL-terminated
    std::uint32_t offset = 0;
};

// A texture pack in use: its table and its file, which stays open while the pack is held.
struct TexturePack {
    QFile file;
    std::vector<PackEntry> entries;
    // The temporary file each texture passes through on its way to the retained-mode layer.
    QByteArray transferName;
};

struct LoaderState {
    std::optional<std::string> texturePath;
    std::unique_ptr<TexturePack> pack;
    rm::Direct3DRM3* rm3 = nullptr;
    rm::Ptr<rm::Texture3> lastTexture;
    std::array<char, kTexturePackEntryBytes> transfer{};
};

LoaderState& State()
{
    static LoaderState state;
    return state;
}

// A name of the loader's own in the temporary folder: created exclusively, and removed again at
// once so that every texture can create it anew. Empty when the folder cannot be written.
QByteArray MakeTransferName()
{
    // Qt's template takes every X of a run, so the prefix needs a character of its own after it.
    QTemporaryFile reservation(QDir::tempPath() + QStringLiteral("/TEX_XXXXXX.bmp"));
    if (!reservation.open())
        return {};
    return QFile::encodeName(reservation.fileName());
}

// The pack's table; nullptr when the file cannot be read or its table does not fit in it.
std::unique_ptr<TexturePack> OpenPack(const char* path)
{
    auto pack = std::make_unique<TexturePack>();
    if (!win::OpenRegularFile(QFile::decodeName(path), pack->file))
        return nullptr;
    char countBytes[4];
    if (pack->file.read(countBytes, sizeof countBytes) != sizeof countBytes)
        return nullptr;
    // A damaged count never sizes an allocation: the table must fit in what the file holds.
    const auto count = qFromLittleEndian<std::int32_t>(countBytes);
    const qint64 tableBytes = static_cast<qint64>(count) * kTableEntryBytes;
    if (count < 0 || count > kMaxPackEntries || tableBytes > pack->file.size() - pack->file.pos())
        return nullptr;
    const QByteArray table = pack->file.read(tableBytes);
    if (table.size() != tableBytes)
        return nullptr;

    pack->entries.resize(static_cast<std::size_t>(count));
    for (std::size_t i = 0; i < pack->entries.size(); ++i) {
        PackEntry& entry = pack->entries[i];
        const char* at = table.constData() + i * kTableEntryBytes;
        std::memcpy(entry.name, at, kTexturePackNameBytes);
        if (!std::memchr(entry.name, '\0', kTexturePackNameBytes))
            return nullptr;
        entry.offset = qFromLittleEndian<std::uint32_t>(at + kTexturePackNameBytes);
    }
    pack->transferName = MakeTransferName();
    return pack;
}

// Copies the pack's texture of that name into a temporary file and loads it from there.
rm::HRESULT LoadFromPack(TexturePack& pack, std::array<char, kTexturePackEntryBytes>& transfer, const char* name,
                         rm::Direct3DRM3& rm3, rm::Ptr<rm::Texture3>& texture)
{
    // Table names are shorter than their 16 bytes, so a longer name is in no pack.
    char lowered[kTexturePackNameBytes];
    const std::size_t length = std::strlen(name);
    if (length >= sizeof lowered)
        return rm::D3DRMERR_BADFILE;
    for (std::size_t i = 0; i <= length; ++i)
        lowered[i] = name[i] >= 'A' && name[i] <= 'Z' ? static_cast<char>(name[i] - 'A' + 'a') : name[i];

    const auto found = std::lower_bound(pack.entries.begin(), pack.entries.end(), lowered,
                                        [](const PackEntry& entry, const char* key) {
                                            return std::strcmp(entry.name, key) < 0;
                                        });
    if (found == pack.entries.end() || std::strcmp(found->name, lowered) != 0)
        return rm::D3DRMERR_BADFILE;
    if (!pack.file.seek(found->offset) ||
        pack.file.read(transfer.data(), kTexturePackEntryBytes) != kTexturePackEntryBytes)
        return rm::D3DRMERR_BADFILE;

    // Created exclusively, so a file someone else put under the name is never written or read.
    QFile file(QFile::decodeName(pack.transferName));
    if (pack.transferName.isEmpty() || !file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return rm::D3DRMERR_BADFILE;
    const bool written = file.write(transfer.data(), kTexturePackEntryBytes) == kTexturePackEntryBytes && file.flush();
    file.close();
    const rm::HRESULT hr = written ? rm3.LoadTexture(pack.transferName.constData(), texture) : rm::D3DRMERR_BADFILE;
    file.remove();
    return hr;
}

rm::HRESULT LoadFromFiles(const std::optional<std::string>& texturePath, const char* name, rm::Direct3DRM3& rm3,
                          rm::Ptr<rm::Texture3>& texture)
{
    rm::HRESULT hr = rm::D3DRMERR_BADFILE;
    if (texturePath) {
        const std::string joined = *texturePath + name;
        // An over-long name is not cut to fit: that would name another file.
        if (joined.size() <= kMaxJoinedNameChars)
            hr = rm3.LoadTexture(joined.c_str(), texture);
    }
    if (hr != rm::D3DRM_OK)
        hr = rm3.LoadTexture(name, texture);
    return hr;
}

} // namespace

void LoadTextureHeader(const char* packPath)
{
    LoaderState& state = State();
    state.pack.reset();
    if (packPath)
        state.pack = OpenPack(packPath);
}

void SetTexturePath(const char* path)
{
    LoaderState& state = State();
    state.texturePath.reset();
    if (path)
        state.texturePath = path;
}

void FreeTextureLoader()
{
    LoaderState& state = State();
    state.texturePath.reset();
    state.pack.reset();
    state.lastTexture.reset();
}

void UseTextureRM(rm::Direct3DRM3* rm3)
{
    State().rm3 = rm3;
}

rm::HRESULT LoadTextureCallback(const char* name, void*, rm::Ptr<rm::Texture3>& texture)
{
    LoaderState& state = State();
    rm::HRESULT hr = rm::D3DRMERR_BADFILE;
    if (!state.rm3)
        hr = rm::D3DRMERR_BADOBJECT;
    else if (name && state.pack)
        hr = LoadFromPack(*state.pack, state.transfer, name, *state.rm3, texture);
    else if (name)
        hr = LoadFromFiles(state.texturePath, name, *state.rm3, texture);
    // A layer that answers success without a texture has produced none all the same.
    if (hr == rm::D3DRM_OK && !texture)
        hr = rm::D3DRMERR_BADFILE;
    if (hr != rm::D3DRM_OK)
        texture.reset();
    state.lastTexture = texture;
    if (hr == rm::D3DRM_OK) {
        texture->SetDecalTransparency(true);
        texture->SetDecalTransparentColor(kTransparentColor);
    }
    return hr;
}

rm::Ptr<rm::Texture3> LastTexture()
{
    return State().lastTexture;
}
