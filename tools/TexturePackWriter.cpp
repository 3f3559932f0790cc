#include "TexturePackWriter.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

namespace {

constexpr std::size_t kTableEntrySize = TexturePackWriter::kNameSize + 4;

void PutInt32(std::vector<std::uint8_t>& out, std::size_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

} // namespace

void TexturePackWriter::Add(const std::string& name, std::vector<std::uint8_t> bitmapFile)
{
    // The loader lowers the names it looks for, so a name with a capital could never be found.
    const bool lowerCase = std::none_of(name.begin(), name.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
    if (name.empty() || name.size() >= kNameSize || name.find('\0') != std::string::npos || !lowerCase)
        throw std::invalid_argument("texture pack name must be lower case and shorter than 16: " + name);
    if (bitmapFile.size() > kEntrySize)
        throw std::invalid_argument("texture does not fit a texture pack entry: " + name);
    if (!textures_.emplace(name, std::move(bitmapFile)).second)
        throw std::invalid_argument("texture pack name given twice: " + name);
}

std::vector<std::uint8_t> TexturePackWriter::Bytes() const
{
    const std::size_t dataAt = 4 + kTableEntrySize * textures_.size();
    if (dataAt + kEntrySize * textures_.size() > std::numeric_limits<std::uint32_t>::max())
        throw std::length_error("texture pack larger than its 32-bit offsets reach");

    std::vector<std::uint8_t> out;
    PutInt32(out, textures_.size());
    std::size_t offset = dataAt;
    for (const auto& [name, bitmapFile] : textures_) {
        const std::size_t nameAt = out.size();
        out.resize(nameAt + kNameSize, 0);
        std::copy(name.begin(), name.end(), out.begin() + static_cast<std::ptrdiff_t>(nameAt));
        PutInt32(out, offset);
        offset += kEntrySize;
    }
    for (const auto& [name, bitmapFile] : textures_) {
        out.insert(out.end(), bitmapFile.begin(), bitmapFile.end());
        out.resize(out.size() + kEntrySize - bitmapFile.size(), 0);
    }
    return out;
}
