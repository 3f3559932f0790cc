#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Builds a join file: the signature, the count, a table of 24-byte entries (name, offset, size),
// then the entries' data one after the other in the order they were added.
class JoinFileWriter {
public:
    // At most three characters.
    explicit JoinFileWriter(std::string signature);

    // Names hold at most 15 characters; throws std::invalid_argument for a longer one.
    void Add(const std::string& name, std::vector<std::uint8_t> data);
    // Throws std::length_error when the archive would not fit the format's 32-bit offsets.
    std::vector<std::uint8_t> Bytes() const;
    // False when the file cannot be written.
    bool Save(const std::string& path) const;

private:
    struct Item {
        std::string name;
        std::vector<std::uint8_t> data;
    };

    std::string signature_;
    std::vector<Item> items_;
};
