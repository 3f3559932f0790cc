#include "storage/ImageDelta.h"

#include <cstring>

namespace {

// Shorter runs of one change are cheaper kept byte by byte.
constexpr std::size_t kShortestRun = 4;

// How many bytes from `at` on are the same in both pictures; eight at a time, since most of a
// picture is unchanged between two steps of a drawing.
std::size_t SameRun(const std::uint8_t* a, const std::uint8_t* b, std::size_t at, std::size_t size)
{
    std::size_t end = at;
    for (; end + sizeof(std::uint64_t) <= size; end += sizeof(std::uint64_t)) {
        std::uint64_t x, y;
        std::memcpy(&x, a + end, sizeof x);
        std::memcpy(&y, b + end, sizeof y);
        if (x != y)
            break;
    }
    while (end < size && a[end] == b[end])
        ++end;
    return end - at;
}

} // namespace

ImageDelta ImageDelta::Between(const std::uint8_t* from, const std::uint8_t* to, std::size_t size)
{
    const auto change = [&](std::size_t i) { return static_cast<std::uint8_t>(from[i] ^ to[i]); };
    const auto runAt = [&](std::size_t i) {
        std::size_t end = i + 1;
        while (end < size && change(end) == change(i))
            ++end;
        return end - i;
    };
    const auto longRunAt = [&](std::size_t i) {
        if (i + kShortestRun > size)
            return false;
        for (std::size_t k = 1; k < kShortestRun; ++k)
            if (change(i + k) != change(i))
                return false;
        return true;
    };

    ImageDelta delta;
    std::size_t i = 0;
    while (i < size) {
        if (const std::size_t same = SameRun(from, to, i, size)) {
            i += same;
            if (i < size) // an unchanged end needs no mark
                delta.Put(Unchanged, same);
            continue;
        }
        const std::size_t run = runAt(i);
        if (run >= kShortestRun) {
            delta.Put(Repeated, run);
            delta.code_.push_back(change(i));
            i += run;
            continue;
        }
        std::size_t end = i + run;
        while (end < size && !longRunAt(end))
            ++end;
        delta.Put(Scattered, end - i);
        for (; i < end; ++i)
            delta.code_.push_back(change(i));
    }
    delta.code_.shrink_to_fit();
    return delta;
}

// A run is its length and kind in one number, seven bits to a byte, the last byte without its
// high bit.
void ImageDelta::Put(Run run, std::size_t length)
{
    std::size_t value = length << 2 | run;
    for (; value >= 0x80; value >>= 7)
        code_.push_back(static_cast<std::uint8_t>(value | 0x80));
    code_.push_back(static_cast<std::uint8_t>(value));
}

std::optional<ImageDelta> ImageDelta::FromCode(std::vector<std::uint8_t> code, std::size_t size)
{
    std::size_t at = 0;
    std::size_t covered = 0;
    while (at < code.size()) {
        std::size_t value = 0;
        bool whole = false;
        // A run's number never takes more than the bits of a size.
        for (int shift = 0; at < code.size() && shift < 63; shift += 7) {
            const std::uint8_t byte = code[at++];
            value |= std::size_t{byte & 0x7Fu} << shift;
            if (byte < 0x80) {
                whole = true;
                break;
            }
        }
        const std::size_t length = value >> 2;
        const auto run = static_cast<Run>(value & 3);
        const std::size_t kept = run == Scattered ? length : run == Unchanged ? 0 : 1;
        if (!whole || run > Scattered || length == 0 || length > size - covered || kept > code.size() - at)
            return std::nullopt;
        covered += length;
        at += kept;
    }
    ImageDelta delta;
    delta.code_ = std::move(code);
    return delta;
}

void ImageDelta::ApplyTo(std::uint8_t* image) const
{
    const std::uint8_t* code = code_.data();
    const std::uint8_t* const end = code + code_.size();
    while (code < end) {
        std::size_t value = 0;
        for (int shift = 0;; shift += 7) {
            const std::uint8_t byte = *code++;
            value |= std::size_t{byte & 0x7Fu} << shift;
            if (byte < 0x80)
                break;
        }
        const std::size_t length = value >> 2;
        switch (static_cast<Run>(value & 3)) {
        case Unchanged: break;
        case Repeated:
            for (std::size_t k = 0; k < length; ++k)
                image[k] ^= *code;
            ++code;
            break;
        case Scattered:
            for (std::size_t k = 0; k < length; ++k)
                image[k] ^= code[k];
            code += length;
            break;
        }
        image += length;
    }
}
