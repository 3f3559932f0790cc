#include "JoinFile.h"

#include "win/RegularFile.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <string_view>

namespace {

constexpr std::int64_t kHeaderSize = 8;
constexpr std::int64_t kEntrySize = 24;
// A sparse file may be as long as any count claims; no archive needs a table this long.
constexpr std::int32_t kMaxCount = 65536;

std::int32_t Int32At(const char* bytes)
{
    const auto byte = [bytes](int i) { return static_cast<std::uint32_t>(static_cast<std::uint8_t>(bytes[i])); };
    return static_cast<std::int32_t>(byte(0) | byte(1) << 8 | byte(2) << 16 | byte(3) << 24);
}

char AsciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b, {}, AsciiLower, AsciiLower);
}

bool OpenArchive(const std::string& fileName, QFile& file)
{
    return win::OpenRegularFile(QFile::decodeName(fileName.c_str()), file);
}

} // namespace

TJoinFile::TJoinFile(const char* signature) : Signature{}
{
    if (signature)
        std::strncpy(Signature, signature, 3);
}

bool TJoinFile::Open(const std::string& fileName)
{
    Close();
    FileName = fileName;
    QFile in;
    if (!OpenArchive(FileName, in))
        return false;
    const std::int64_t length = in.size();

    char header[kHeaderSize];
    if (length < kHeaderSize || in.read(header, kHeaderSize) != kHeaderSize)
        return false;
    if (std::strncmp(header, Signature, 3) != 0)
        return false;
    const std::int32_t count = Int32At(header + 4);
    // A count that the file cannot hold is a corrupt file, not a reason to allocate.
    if (count < 0 || count > kMaxCount || count * kEntrySize > length - kHeaderSize)
        return false;

    std::unique_ptr<TJoinEntry[]> entries;
    try {
        entries = std::make_unique<TJoinEntry[]>(count);
    } catch (const std::bad_alloc&) {
        return false;
    }
    for (std::int32_t i = 0; i < count; ++i) {
        char row[kEntrySize];
        if (in.read(row, kEntrySize) != kEntrySize)
            return false;
        std::memcpy(entries[i].Name, row, sizeof entries[i].Name);
        entries[i].Offset = Int32At(row + 16);
        entries[i].Size = Int32At(row + 20);
    }
    Entries = std::move(entries);
    Count = count;
    return true;
}

const TJoinEntry* TJoinFile::FindEntry(const std::string& name) const
{
    for (std::int32_t i = 0; i < Count; ++i) {
        const TJoinEntry& entry = Entries[i];
        const void* end = std::memchr(entry.Name, '\0', sizeof entry.Name);
        if (!end)
            continue; // an unterminated name matches nothing
        const std::string_view entryName(entry.Name, static_cast<const char*>(end) - entry.Name);
        if (EqualIgnoringAsciiCase(entryName, name))
            return &entry;
    }
    return nullptr;
}

bool TJoinFile::ReadEntry(const std::string& name, std::unique_ptr<std::uint8_t[]>& data, std::int32_t& size,
                          std::int32_t maxSize)
{
    const TJoinEntry* entry = FindEntry(name);
    if (!entry || entry->Offset < 0 || entry->Size < 0 || entry->Size > maxSize)
        return false;
    QFile in;
    if (!OpenArchive(FileName, in))
        return false;
    const std::int64_t length = in.size();
    // The file may have changed since Open: the data must lie within it as it is now.
    if (entry->Offset > length || entry->Size > length - entry->Offset)
        return false;

    std::unique_ptr<std::uint8_t[]> buffer;
    try {
        buffer = std::make_unique_for_overwrite<std::uint8_t[]>(entry->Size);
    } catch (const std::bad_alloc&) {
        return false;
    }
    if (!in.seek(entry->Offset) || in.read(reinterpret_cast<char*>(buffer.get()), entry->Size) != entry->Size)
        return false;
    data = std::move(buffer);
    size = entry->Size;
    return true;
}

void TJoinFile::Close()
{
    Entries.reset();
    Count = 0;
}
