#include "JoinFileWriter.h"

#include <algorithm>
#include <fstream>
#include <limits>
#include <stdexcept>

namespace {

constexpr std::size_t kNameSize = 16;

void PutInt32(std::vector<std::uint8_t>& out, std::size_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

} // namespace

JoinFileWriter::JoinFileWriter(std::string signature) : signature_(std::move(signature))
{
    if (signature_.size() > 3)
        throw std::invalid_argument("a join file signature has at most 3 characters");
}

void JoinFileWriter::Add(const std::string& name, std::vector<std::uint8_t> data)
{
    if (name.size() >= kNameSize || name.find('\0') != std::string::npos)
        throw std::invalid_argument("join file entry name does not fit: " + name);
    items_.push_back({name, std::move(data)});
}

std::vector<std::uint8_t> JoinFileWriter::Bytes() const
{
    std::size_t total = 8 + 24 * items_.size();
    for (const Item& item : items_)
        total += item.data.size();
    if (total > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
        throw std::length_error("join file larger than 2 GiB");

    std::vector<std::uint8_t> out(signature_.begin(), signature_.end());
    out.resize(4, 0);
    PutInt32(out, items_.size());
    std::size_t offset = 8 + 24 * items_.size();
    for (const Item& item : items_) {
        const std::size_t nameAt = out.size();
        out.resize(nameAt + kNameSize, 0);
        std::copy(item.name.begin(), item.name.end(), out.begin() + nameAt);
        PutInt32(out, offset);
        PutInt32(out, item.data.size());
        offset += item.data.size();
    }
    for (const Item& item : items_)
        out.insert(out.end(), item.data.begin(), item.data.end());
    return out;
}

bool JoinFileWriter::Save(const std::string& path) const
{
    const std::vector<std::uint8_t> bytes = Bytes();
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    file.close();
    return static_cast<bool>(file);
}
