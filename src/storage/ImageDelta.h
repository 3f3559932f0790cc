#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

// The difference between two pictures of the same size, kept small: runs of unchanged bytes cost
// a few bytes however long they are, runs of one change a few more, and only scattered changes
// are kept byte by byte. The difference is their XOR, so applying it to either picture gives
// the other one.
class ImageDelta {
public:
    static ImageDelta Between(const std::uint8_t* from, const std::uint8_t* to, std::size_t size);
    // A difference kept as its code, as Code gave it; nothing unless the code is whole and
    // covers no more than `size` bytes.
    static std::optional<ImageDelta> FromCode(std::vector<std::uint8_t> code, std::size_t size);

    // XORs the difference onto a picture of the size it was made for.
    void ApplyTo(std::uint8_t* image) const;
    bool Empty() const { return code_.empty(); }
    // What the difference keeps, in bytes.
    std::size_t Bytes() const { return code_.capacity(); }
    const std::vector<std::uint8_t>& Code() const { return code_; }

private:
    enum Run : std::uint8_t { Unchanged, Repeated, Scattered };
    void Put(Run run, std::size_t length);

    std::vector<std::uint8_t> code_;
};
