#include "storage/PagePicture.h"

#include "turtle/SheetColors.h"
#include "turtle/TurtleState.h"
#include "win/BitmapFile.h"
#include "win/RegularFile.h"

#include <QFileInfo>

#include <array>
#include <cstring>
#include <optional>

namespace {

// A page picture from any paint program, with room to spare.
constexpr qint64 kMaxPictureBytes = 64LL * 1024 * 1024;

// The palette of a saved page: the sixteen sheet colours, then black for indices a drawing never
// holds, so that every byte names a colour.
QList<QRgb> PageColorTable()
{
    QList<QRgb> table(256, qRgb(0, 0, 0));
    for (int i = 0; i < kColorCount; ++i)
        table[i] = SheetPalette()[static_cast<std::size_t>(i)];
    return table;
}

QImage ReadAnyPicture(const QString& path)
{
    // Bitmaps go through the reader that refuses files cut short; Qt would paint their missing rows.
    QImage picture = win::ReadBitmapFile(path);
    if (!picture.isNull())
        return picture;
    const std::optional<QByteArray> bytes = win::ReadRegularFile(path, kMaxPictureBytes);
    if (!bytes || bytes->startsWith("BM"))
        return {};
    return QImage::fromData(*bytes);
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

QImage PagePicture(const std::uint8_t* image)
{
    QImage picture(kSheetSize, kSheetSize, QImage::Format_Indexed8);
    static const QList<QRgb> table = PageColorTable();
    picture.setColorTable(table);
    for (int row = 0; row < kSheetSize; ++row)
        std::memcpy(picture.scanLine(row), image + row * kSheetSize, kSheetSize);
    return picture;
}

PageReadFault ReadPagePicture(const QString& path, std::uint8_t* image)
{
    if (!QFileInfo(path).isFile())
        return PageReadFault::Missing;
    const QImage picture = ReadAnyPicture(path);
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
