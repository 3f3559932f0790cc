#include "storage/PagePicture.h"

#include "storage/OwnPageBitmap.h"
#include "storage/PalettedBitmap.h"
#include "turtle/SheetColors.h"
#include "turtle/SmoothPage.h"
#include "turtle/TurtleState.h"
#include "win/RegularFile.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>
#include <QtEndian>

#include <array>
#include <cstring>
#include <optional>

namespace {

// A 256 × 256 picture takes at most 256 KB of pixels; the rest is room for what paint programs
// put beside them.
constexpr qint64 kMaxPictureBytes = 4LL * 1024 * 1024;
// What decoding may allocate, in megabytes: a page and its conversion.
constexpr int kDecodeLimitMb = 2;

const QByteArray kPngSignature("\x89PNG\r\n\x1a\n", 8);
constexpr qsizetype kChunkFrameBytes = 12; // length, type, CRC

struct Header {
    PageReadFault Fault = PageReadFault::None;
    QByteArray Decodable; // what the decoder is given
    const char* Format = nullptr;
};

Header Refused(PageReadFault fault)
{
    Header header;
    header.Fault = fault;
    return header;
}

template <class T>
T LittleEndian(const QByteArray& bytes, qsizetype at)
{
    return qFromLittleEndian<T>(bytes.constData() + at);
}

bool IsPageSize(std::int64_t width, std::int64_t height)
{
    return width == kSheetSize && (height == kSheetSize || height == -kSheetSize);
}

// Bitmaps the paletted reader leaves are taken uncompressed only (also with bit fields), and only
// when they hold every row: Qt's reader would quietly paint the rows of a file cut short.
Header CheckBitmap(const QByteArray& bytes)
{
    constexpr qsizetype kFileHeaderBytes = 14;
    constexpr std::uint32_t kCoreHeaderBytes = 12;
    constexpr std::uint32_t kInfoHeaderBytes = 40;
    if (bytes.size() < kFileHeaderBytes + kCoreHeaderBytes)
        return Refused(PageReadFault::Unreadable);
    const auto pixelsAt = LittleEndian<std::uint32_t>(bytes, 10);
    const auto headerBytes = LittleEndian<std::uint32_t>(bytes, kFileHeaderBytes);
    std::int64_t width = 0, height = 0;
    std::uint32_t bitCount = 0, compression = 0;
    if (headerBytes == kCoreHeaderBytes) {
        width = LittleEndian<std::uint16_t>(bytes, 18);
        height = LittleEndian<std::uint16_t>(bytes, 20);
        bitCount = LittleEndian<std::uint16_t>(bytes, 24);
    } else if (headerBytes >= kInfoHeaderBytes && headerBytes <= static_cast<std::uint64_t>(bytes.size() - kFileHeaderBytes)) {
        width = LittleEndian<std::int32_t>(bytes, 18);
        height = LittleEndian<std::int32_t>(bytes, 22);
        bitCount = LittleEndian<std::uint16_t>(bytes, 28);
        compression = LittleEndian<std::uint32_t>(bytes, 30);
    } else {
        return Refused(PageReadFault::Unreadable);
    }
    if (!IsPageSize(width, height))
        return Refused(PageReadFault::WrongSize);
    constexpr std::uint32_t kUncompressed = 0, kBitFields = 3;
    const bool knownBits = bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 16 || bitCount == 24
                           || bitCount == 32;
    if (!knownBits || (compression != kUncompressed && compression != kBitFields))
        return Refused(PageReadFault::Unreadable);
    const std::uint64_t rowBytes = (static_cast<std::uint64_t>(kSheetSize) * bitCount + 31) / 32 * 4;
    const auto available = static_cast<std::uint64_t>(bytes.size());
    if (pixelsAt > available || rowBytes * kSheetSize > available - pixelsAt)
        return Refused(PageReadFault::Unreadable);
    return {PageReadFault::None, bytes, "bmp"};
}

// The PNG with only the chunks that make up its pixels (header, palette, transparency, data,
// end): text, profiles and whatever else a program left in it are never handed to the decoder.
Header CheckPng(const QByteArray& bytes)
{
    constexpr qsizetype kHeaderDataBytes = 13;
    QByteArray kept = kPngSignature;
    qsizetype at = kPngSignature.size();
    bool first = true;
    while (at + kChunkFrameBytes <= bytes.size()) {
        const auto length = qFromBigEndian<std::uint32_t>(bytes.constData() + at);
        const QByteArray type = bytes.mid(at + 4, 4);
        if (length > static_cast<std::uint64_t>(bytes.size() - at - kChunkFrameBytes))
            return Refused(PageReadFault::Unreadable);
        const qsizetype chunkBytes = kChunkFrameBytes + static_cast<qsizetype>(length);
        if (first) {
            if (type != "IHDR" || length != kHeaderDataBytes)
                return Refused(PageReadFault::Unreadable);
            const auto width = qFromBigEndian<std::uint32_t>(bytes.constData() + at + 8);
            const auto height = qFromBigEndian<std::uint32_t>(bytes.constData() + at + 12);
            if (width != kSheetSize || height != kSheetSize)
                return Refused(PageReadFault::WrongSize);
            first = false;
        }
        const bool critical = (type[0] & 0x20) == 0;
        if (critical || type == "tRNS")
            kept.append(bytes.constData() + at, chunkBytes);
        if (type == "IEND")
            return {PageReadFault::None, kept, "png"};
        at += chunkBytes;
    }
    return Refused(PageReadFault::Unreadable);
}

Header CheckHeader(const QByteArray& bytes)
{
    if (bytes.startsWith("BM"))
        return CheckBitmap(bytes);
    if (bytes.startsWith(kPngSignature))
        return CheckPng(bytes);
    return Refused(PageReadFault::Unreadable);
}

QImage Decode(const Header& header)
{
    QByteArray bytes = header.Decodable;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, header.Format);
    reader.setAutoDetectImageFormat(false);
    reader.setAllocationLimit(kDecodeLimitMb);
    return reader.read();
}

void MapIndexed(const QImage& picture, std::uint8_t* image)
{
    std::array<std::uint8_t, 256> nearest{};
    const QList<QRgb> table = picture.colorTable();
    for (qsizetype i = 0; i < table.size() && i < 256; ++i)
        nearest[static_cast<std::size_t>(i)] = NearestSheetIndex(table[i]);
    for (int row = 0; row < kSheetSize; ++row) {
        const uchar* line = picture.constScanLine(row);
        for (int column = 0; column < kSheetSize; ++column)
            image[row * kSheetSize + column] = nearest[line[column]];
    }
}

void MapColours(const QImage& picture, std::uint8_t* image)
{
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    for (int row = 0; row < kSheetSize; ++row) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(row));
        for (int column = 0; column < kSheetSize; ++column)
            image[row * kSheetSize + column] = NearestSheetIndex(line[column]);
    }
}

} // namespace

namespace {

// `size` rows of `size` sheet palette indices.
QImage IndexedPicture(const std::uint8_t* image, int size)
{
    QImage picture(size, size, QImage::Format_Indexed8);
    picture.setColorTable(PageColorTable());
    for (int row = 0; row < size; ++row)
        std::memcpy(picture.scanLine(row), image + static_cast<std::ptrdiff_t>(row) * size, static_cast<std::size_t>(size));
    return picture;
}

} // namespace

QImage PagePicture(const std::uint8_t* image)
{
    return IndexedPicture(image, kSheetSize);
}

QImage SmoothPagePicture(const std::uint8_t* image)
{
    return IndexedPicture(SmoothPicture(image).data(), SmoothPage::kSize);
}

QByteArray PageBitmapBytes(const std::uint8_t* image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    PagePicture(image).save(&buffer, "BMP");
    return bytes;
}

PageReadFault DecodePagePicture(const QByteArray& bytes, std::uint8_t* image)
{
    if (const std::optional<PageReadFault> own = DecodeOwnPage(bytes, image))
        return *own;
    if (const std::optional<PageReadFault> paletted = DecodePalettedBitmap(bytes, image))
        return *paletted;
    const Header header = CheckHeader(bytes);
    if (header.Fault != PageReadFault::None)
        return header.Fault;
    const QImage picture = Decode(header);
    if (picture.isNull())
        return PageReadFault::Unreadable;
    if (picture.size() != QSize(kSheetSize, kSheetSize))
        return PageReadFault::WrongSize;
    if (picture.format() == QImage::Format_Indexed8)
        MapIndexed(picture, image);
    else
        MapColours(picture, image);
    return PageReadFault::None;
}

namespace {

// The bytes of the page picture at `path`, or why there are none.
std::optional<QByteArray> PictureFile(const QString& path, PageReadFault& fault)
{
    std::optional<QByteArray> bytes = win::ReadRegularFile(path, kMaxPictureBytes);
    if (!bytes)
        fault = QFileInfo(path).isFile() ? PageReadFault::Unreadable : PageReadFault::Missing;
    return bytes;
}

} // namespace

PageReadFault ReadPagePicture(const QString& path, std::uint8_t* image)
{
    PageReadFault fault = PageReadFault::None;
    const std::optional<QByteArray> bytes = PictureFile(path, fault);
    return bytes ? DecodePagePicture(*bytes, image) : fault;
}

PageReadFault ReadPagePicture(const QString& path, std::vector<std::uint8_t>& image)
{
    PageReadFault fault = PageReadFault::None;
    const std::optional<QByteArray> bytes = PictureFile(path, fault);
    if (!bytes)
        return fault;
    if (const std::optional<PageReadFault> own = DecodeOwnPage(*bytes, image))
        return *own;
    image.resize(kSheetBytes);
    return DecodePagePicture(*bytes, image.data());
}
