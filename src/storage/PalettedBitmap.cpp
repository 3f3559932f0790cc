#include "storage/PalettedBitmap.h"

#include "turtle/SheetColors.h"
#include "turtle/TurtleState.h"

#include <QtEndian>

#include <array>
#include <vector>

namespace {

constexpr qsizetype kFileHeaderBytes = 14;
constexpr std::uint32_t kInfoHeaderBytes = 40;
constexpr std::uint32_t kUncompressed = 0, kRle8 = 1, kRle4 = 2;

constexpr std::uint32_t kSide = kSheetSize;

using ColorMap = std::array<std::uint8_t, 256>;

template <class T>
T LittleEndian(const QByteArray& bytes, qsizetype at)
{
    return qFromLittleEndian<T>(bytes.constData() + at);
}

struct Layout {
    bool BottomUp = true;
    std::uint32_t Bits = 0;
    std::uint32_t Compression = 0;
    qsizetype PixelsAt = 0;
    qsizetype PixelsEnd = 0;
    ColorMap Nearest{};
};

// The sheet colour of every palette entry; indices past the palette are black, as in our own pages.
std::optional<ColorMap> ReadPalette(const QByteArray& bytes, qsizetype at, std::uint32_t entries)
{
    if (at + static_cast<qsizetype>(entries) * 4 > bytes.size())
        return std::nullopt;
    const std::uint8_t black = NearestSheetIndex(qRgb(0, 0, 0));
    ColorMap nearest;
    nearest.fill(black);
    // Our own pages fill most of their palette with one colour: it is looked up once.
    QRgb previous = qRgb(0, 0, 0);
    std::uint8_t previousIndex = black;
    for (std::uint32_t i = 0; i < entries; ++i) {
        const auto* bgr = reinterpret_cast<const std::uint8_t*>(bytes.constData() + at + 4 * i);
        const QRgb colour = qRgb(bgr[2], bgr[1], bgr[0]);
        if (colour != previous) {
            previous = colour;
            previousIndex = NearestSheetIndex(colour);
        }
        nearest[i] = previousIndex;
    }
    return nearest;
}

// The run-length decoder's walk over the sheet, rows counted from the bottom as the file keeps them.
class RunWriter {
public:
    explicit RunWriter(std::vector<std::uint8_t>& indices) : indices_(indices) {}

    // Room for `count` more pixels in this row.
    bool Fits(std::uint32_t count) const { return y_ < kSide && x_ + count <= kSide; }
    void Put(std::uint8_t index) { indices_[(kSide - 1 - y_) * kSide + x_++] = index; }
    void NextLine()
    {
        x_ = 0;
        ++y_;
    }
    bool Jump(std::uint32_t dx, std::uint32_t dy)
    {
        x_ += dx;
        y_ += dy;
        return x_ <= kSide && y_ <= kSide;
    }

private:
    std::vector<std::uint8_t>& indices_;
    std::uint32_t x_ = 0, y_ = 0;
};

// RLE8 and RLE4: pairs of a count and a colour, or an escape (0) with end of line (0), end of
// picture (1), a jump (2, dx, dy) or a literal of that many pixels padded to whole 16-bit words.
bool DecodeRuns(const QByteArray& bytes, const Layout& layout, std::vector<std::uint8_t>& indices)
{
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.constData());
    const bool nibbles = layout.Compression == kRle4;
    RunWriter sheet(indices);
    qsizetype at = layout.PixelsAt;
    while (at + 2 <= layout.PixelsEnd) {
        const std::uint8_t count = data[at], value = data[at + 1];
        at += 2;
        if (count > 0) {
            if (!sheet.Fits(count))
                return false;
            for (std::uint32_t i = 0; i < count; ++i)
                sheet.Put(nibbles ? static_cast<std::uint8_t>(i % 2 == 0 ? value >> 4 : value & 0x0F) : value);
            continue;
        }
        if (value == 0) {
            sheet.NextLine();
        } else if (value == 1) {
            return true;
        } else if (value == 2) {
            if (at + 2 > layout.PixelsEnd || !sheet.Jump(data[at], data[at + 1]))
                return false;
            at += 2;
        } else {
            const qsizetype literalBytes = nibbles ? (value + 1) / 2 : value;
            if (at + literalBytes > layout.PixelsEnd || !sheet.Fits(value))
                return false;
            for (std::uint32_t i = 0; i < value; ++i) {
                const std::uint8_t byte = data[at + (nibbles ? i / 2 : i)];
                sheet.Put(nibbles ? static_cast<std::uint8_t>(i % 2 == 0 ? byte >> 4 : byte & 0x0F) : byte);
            }
            at += (literalBytes + 1) & ~qsizetype(1);
        }
    }
    return false; // no end mark: the file was cut short
}

void MapRows(const QByteArray& bytes, const Layout& layout, std::uint8_t* image)
{
    const auto* pixels = reinterpret_cast<const std::uint8_t*>(bytes.constData() + layout.PixelsAt);
    const auto row = [&](int at) { return image + (layout.BottomUp ? kSheetSize - 1 - at : at) * kSheetSize; };
    for (int at = 0; at < kSheetSize; ++at) {
        const std::uint8_t* from = pixels + at * kSheetSize;
        std::uint8_t* to = row(at);
        for (int column = 0; column < kSheetSize; ++column)
            to[column] = layout.Nearest[from[column]];
    }
}

} // namespace

std::optional<PageReadFault> DecodePalettedBitmap(const QByteArray& bytes, std::uint8_t* image)
{
    if (bytes.size() < kFileHeaderBytes + kInfoHeaderBytes || !bytes.startsWith("BM"))
        return std::nullopt;
    const auto headerBytes = LittleEndian<std::uint32_t>(bytes, kFileHeaderBytes);
    if (headerBytes < kInfoHeaderBytes || headerBytes > static_cast<std::uint64_t>(bytes.size() - kFileHeaderBytes))
        return std::nullopt;
    Layout layout;
    const auto width = LittleEndian<std::int32_t>(bytes, 18);
    const auto height = LittleEndian<std::int32_t>(bytes, 22);
    layout.Bits = LittleEndian<std::uint16_t>(bytes, 28);
    layout.Compression = LittleEndian<std::uint32_t>(bytes, 30);
    const bool mine = (layout.Bits == 8 && (layout.Compression == kUncompressed || layout.Compression == kRle8))
                      || (layout.Bits == 4 && layout.Compression == kRle4);
    if (!mine)
        return std::nullopt;
    if (width != kSheetSize || (height != kSheetSize && height != -kSheetSize))
        return PageReadFault::WrongSize;
    layout.BottomUp = height > 0;
    // Run-length pictures are kept from the bottom row up only.
    if (!layout.BottomUp && layout.Compression != kUncompressed)
        return PageReadFault::Unreadable;

    const std::uint32_t most = 1u << layout.Bits;
    const auto used = LittleEndian<std::uint32_t>(bytes, 46);
    if (used > most)
        return PageReadFault::Unreadable;
    const std::optional<ColorMap> nearest = ReadPalette(bytes, kFileHeaderBytes + headerBytes, used ? used : most);
    if (!nearest)
        return PageReadFault::Unreadable;
    layout.Nearest = *nearest;

    const auto pixelsAt = LittleEndian<std::uint32_t>(bytes, 10);
    if (pixelsAt > static_cast<std::uint64_t>(bytes.size()))
        return PageReadFault::Unreadable;
    layout.PixelsAt = pixelsAt;
    layout.PixelsEnd = bytes.size();

    if (layout.Compression == kUncompressed) {
        if (layout.PixelsEnd - layout.PixelsAt < qsizetype(kSheetBytes))
            return PageReadFault::Unreadable;
        MapRows(bytes, layout, image);
        return PageReadFault::None;
    }
    // What runs do not cover keeps the palette's first colour.
    std::vector<std::uint8_t> indices(kSheetBytes, 0);
    if (!DecodeRuns(bytes, layout, indices))
        return PageReadFault::Unreadable;
    for (std::size_t i = 0; i < indices.size(); ++i)
        image[i] = layout.Nearest[indices[i]];
    return PageReadFault::None;
}
