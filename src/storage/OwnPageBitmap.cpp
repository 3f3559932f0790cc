#include "storage/OwnPageBitmap.h"

#include "turtle/SheetColors.h"
#include "turtle/TurtleState.h"

#include <QtEndian>

#include <array>
#include <cstring>

namespace {

constexpr int kPaletteEntries = 256;
constexpr std::uint32_t kInfoHeaderBytes = 40;
constexpr std::uint32_t kPixelsAt = 14 + kInfoHeaderBytes + 4 * kPaletteEntries;
constexpr std::uint32_t kFileBytes = kPixelsAt + kSheetBytes;

// The palette as it stands in the file: blue, green, red and a zero byte per entry.
const std::array<std::uint8_t, 4 * kPaletteEntries>& PaletteBytes()
{
    static const std::array<std::uint8_t, 4 * kPaletteEntries> bytes = [] {
        std::array<std::uint8_t, 4 * kPaletteEntries> filled{};
        const QList<QRgb>& table = PageColorTable();
        for (int i = 0; i < kPaletteEntries; ++i) {
            const QRgb colour = table[i];
            filled[4 * i] = static_cast<std::uint8_t>(qBlue(colour));
            filled[4 * i + 1] = static_cast<std::uint8_t>(qGreen(colour));
            filled[4 * i + 2] = static_cast<std::uint8_t>(qRed(colour));
        }
        return filled;
    }();
    return bytes;
}

template <class T>
T Field(const QByteArray& bytes, qsizetype at)
{
    return qFromLittleEndian<T>(bytes.constData() + at);
}

// The header and palette this program writes; the resolution and "important colours" fields
// say nothing about the pixels and are not looked at.
bool IsOwnHeader(const QByteArray& bytes)
{
    if (bytes.size() < 14 + qsizetype(kInfoHeaderBytes) || !bytes.startsWith("BM"))
        return false;
    const auto used = Field<std::uint32_t>(bytes, 46);
    return Field<std::uint32_t>(bytes, 2) == kFileBytes && Field<std::uint32_t>(bytes, 10) == kPixelsAt
           && Field<std::uint32_t>(bytes, 14) == kInfoHeaderBytes && Field<std::int32_t>(bytes, 18) == kSheetSize
           && Field<std::int32_t>(bytes, 22) == kSheetSize && Field<std::uint16_t>(bytes, 26) == 1
           && Field<std::uint16_t>(bytes, 28) == 8 && Field<std::uint32_t>(bytes, 30) == 0
           && (used == 0 || used == kPaletteEntries);
}

// Where the bottom row lies in `bytes`; nothing when they are no page of ours, and `fault` set
// when they are one cut short.
const std::uint8_t* BottomRow(const QByteArray& bytes, std::optional<PageReadFault>& fault)
{
    fault.reset();
    if (!IsOwnHeader(bytes))
        return nullptr;
    if (bytes.size() < qsizetype(kFileBytes)) {
        fault = PageReadFault::Unreadable;
        return nullptr;
    }
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.constData());
    const auto& palette = PaletteBytes();
    // A palette changed by another program: its colours are mapped by the general reader.
    if (std::memcmp(data + 14 + kInfoHeaderBytes, palette.data(), palette.size()) != 0)
        return nullptr;
    fault = PageReadFault::None;
    return data + kPixelsAt;
}

// A byte past the sixteen gets the black the palette names for it. Every page opened is looked
// over: a byte at a time, which compilers turn into wide words, and a second pass only for a
// page that needs it.
void BlackenStrayBytes(std::uint8_t* image)
{
    std::uint8_t seen = 0;
    for (int i = 0; i < kSheetBytes; ++i)
        seen |= image[i];
    if (seen < kColorCount)
        return;
    static const std::uint8_t black = NearestSheetIndex(qRgb(0, 0, 0));
    for (int i = 0; i < kSheetBytes; ++i) {
        if (image[i] >= kColorCount)
            image[i] = black;
    }
}

// Hands the file's rows to `put` top row first, as the sheet keeps them.
template <class Put>
void CopyRowsTopFirst(const std::uint8_t* bottom, Put put)
{
    for (int row = 0; row < kSheetSize; ++row)
        put(row, bottom + (kSheetSize - 1 - row) * kSheetSize);
}

} // namespace

const QList<QRgb>& PageColorTable()
{
    static const QList<QRgb> table = [] {
        QList<QRgb> filled(kPaletteEntries, qRgb(0, 0, 0));
        for (int i = 0; i < kColorCount; ++i)
            filled[i] = SheetPalette()[static_cast<std::size_t>(i)];
        return filled;
    }();
    return table;
}

std::optional<PageReadFault> DecodeOwnPage(const QByteArray& bytes, std::uint8_t* image)
{
    std::optional<PageReadFault> fault;
    const std::uint8_t* bottom = BottomRow(bytes, fault);
    if (!bottom)
        return fault;
    CopyRowsTopFirst(bottom, [image](int row, const std::uint8_t* from) {
        std::memcpy(image + row * kSheetSize, from, kSheetSize);
    });
    BlackenStrayBytes(image);
    return PageReadFault::None;
}

std::optional<PageReadFault> DecodeOwnPage(const QByteArray& bytes, std::vector<std::uint8_t>& image)
{
    std::optional<PageReadFault> fault;
    const std::uint8_t* bottom = BottomRow(bytes, fault);
    if (!bottom)
        return fault;
    image.clear();
    image.reserve(kSheetBytes);
    CopyRowsTopFirst(bottom, [&image](int, const std::uint8_t* from) {
        image.insert(image.end(), from, from + kSheetSize);
    });
    BlackenStrayBytes(image.data());
    return PageReadFault::None;
}
