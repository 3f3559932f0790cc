#include "win/BitmapFile.h"

#include "win/RegularFile.h"

#include <QtEndian>

#include <cstdint>
#include <cstdlib>

namespace {

// Anything larger is not a picture a child puts under a 256 × 256 sheet.
constexpr qint64 kMaxFileBytes = 64LL * 1024 * 1024;
constexpr std::uint64_t kFileHeaderBytes = 14;
constexpr std::uint32_t kCoreHeaderBytes = 12;
constexpr std::uint32_t kUncompressed = 0;
constexpr std::uint32_t kBitFields = 3;

template <class T>
T Read(const QByteArray& bytes, std::uint64_t offset)
{
    return qFromLittleEndian<T>(bytes.constData() + offset);
}

// Whether the file holds the whole pixel array its headers describe.
bool HoldsWholePicture(const QByteArray& bytes)
{
    const auto available = static_cast<std::uint64_t>(bytes.size());
    if (available < kFileHeaderBytes + kCoreHeaderBytes || !bytes.startsWith("BM"))
        return false;
    const auto pixelsAt = Read<std::uint32_t>(bytes, 10);
    // In 64 bits: a header size near 4 GiB must not wrap round to a small sum.
    const std::uint64_t headerBytes = Read<std::uint32_t>(bytes, kFileHeaderBytes);
    if (headerBytes < kCoreHeaderBytes || kFileHeaderBytes + headerBytes > available)
        return false;

    std::int64_t width, height;
    std::uint32_t bitCount, compression = kUncompressed, imageBytes = 0;
    if (headerBytes == kCoreHeaderBytes) {
        width = Read<std::uint16_t>(bytes, 18);
        height = Read<std::uint16_t>(bytes, 20);
        bitCount = Read<std::uint16_t>(bytes, 24);
    } else {
        if (headerBytes < 40)
            return false;
        width = Read<std::int32_t>(bytes, 18);
        height = std::llabs(Read<std::int32_t>(bytes, 22));
        bitCount = Read<std::uint16_t>(bytes, 28);
        compression = Read<std::uint32_t>(bytes, 30);
        imageBytes = Read<std::uint32_t>(bytes, 34);
    }
    if (width <= 0 || height <= 0 || bitCount == 0 || bitCount > 32)
        return false;
    if (pixelsAt > available)
        return false;
    std::uint64_t needed = imageBytes; // compressed pictures say how long they are
    if (compression == kUncompressed || compression == kBitFields) {
        const std::uint64_t rowBytes = (static_cast<std::uint64_t>(width) * bitCount + 31) / 32 * 4;
        needed = rowBytes * static_cast<std::uint64_t>(height);
    }
    return needed <= available - pixelsAt;
}

const QByteArray kPngSignature("\x89PNG\r\n\x1a\n", 8);
// The end chunk: zero length, its type and its checksum.
const QByteArray kPngEnd("\0\0\0\0IEND\xae\x42\x60\x82", 12);
constexpr std::uint32_t kMaxPngSide = 16384;

// Whether the file is a PNG that runs to its end chunk, of a size a sheet's background can be.
bool HoldsWholePng(const QByteArray& bytes)
{
    constexpr qsizetype kHeaderEnd = 8 + 8 + 13; // signature, chunk length and type, header data
    if (bytes.size() < kHeaderEnd + kPngEnd.size() || !bytes.startsWith(kPngSignature)
        || !bytes.endsWith(kPngEnd) || bytes.mid(12, 4) != "IHDR")
        return false;
    const auto width = qFromBigEndian<std::uint32_t>(bytes.constData() + 16);
    const auto height = qFromBigEndian<std::uint32_t>(bytes.constData() + 20);
    return width > 0 && height > 0 && width <= kMaxPngSide && height <= kMaxPngSide;
}

} // namespace

namespace win {

QImage ReadBitmapFile(const QString& fileName)
{
    const std::optional<QByteArray> bytes = ReadRegularFile(fileName, kMaxFileBytes);
    if (!bytes)
        return {};
    if (HoldsWholePng(*bytes))
        return QImage::fromData(*bytes, "PNG");
    if (!HoldsWholePicture(*bytes))
        return {};
    return QImage::fromData(*bytes, "BMP");
}

} // namespace win
