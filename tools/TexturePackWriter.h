#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// Builds a texture pack: the count, a table of 20-byte entries (a name in 16 NUL-padded bytes,
// the offset of its data) sorted by name in byte order, then every texture as a whole BMP file
// in an entry of kEntrySize bytes. Little-endian.
class TexturePackWriter {
public:
    static constexpr std::size_t kEntrySize = 66616;
    static constexpr std::size_t kNameSize = 16;

    // Names are lower case, at most 15 characters and unique; a file fits in kEntrySize bytes.
    // Throws std::invalid_argument otherwise.
    void Add(const std::string& name, std::vector<std::uint8_t> bitmapFile);
    std::vector<std::uint8_t> Bytes() const;

private:
    // Ordered as the table must be: std::string compares bytes as unsigned values, like strcmp.
    std::map<std::string, std::vector<std::uint8_t>> textures_;
};
