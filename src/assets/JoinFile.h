#pragma once

#include <cstdint>
#include <limits>
#include <memory>
#include <string>

// One row of a join file's table of contents, 24 bytes on disk.
struct TJoinEntry {
    char Name[16];       // NUL-terminated, at most 15 characters
    std::int32_t Offset; // from the start of the file
    std::int32_t Size;
};

// Reads named blobs out of a join file: a 3-character signature, a count, a table of
// entries, and the entries' data wherever their offsets point. The file is not kept open:
// Open reads the table, and every ReadEntry opens the file again by name. Only a regular file
// is read.
class TJoinFile {
public:
    // Keeps at most the first three characters of `signature`.
    explicit TJoinFile(const char* signature);

    char Signature[4];
    std::int32_t Count = 0;
    std::unique_ptr<TJoinEntry[]> Entries;
    std::string FileName;

    // True when the signature matched and the whole table was read; otherwise no table is held.
    bool Open(const std::string& fileName);
    // Reads the first entry whose name equals `name` (letters A-Z in either case) into a new
    // buffer that the caller owns. An entry longer than `maxSize`, what the caller can take, is
    // refused before anything is allocated. On failure `data` and `size` are left as they were.
    bool ReadEntry(const std::string& name, std::unique_ptr<std::uint8_t[]>& data, std::int32_t& size,
                   std::int32_t maxSize = std::numeric_limits<std::int32_t>::max());
    void Close();

private:
    const TJoinEntry* FindEntry(const std::string& name) const;
};
