#include "shell/ToolPictures.h"

#include "turtle/SheetColors.h"

#include <QPainter>

namespace ToolPictures {

namespace {

constexpr int kCellWidth = 16;
constexpr int kColorCellHeight = 12;
constexpr int kBarTop = 4;
constexpr int kBarBottom = 20; // inclusive

QImage Framed(int width, int height, QRgb inside)
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(inside);
    QPainter painter(&picture);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, width - 1, height - 1);
    return picture;
}

} // namespace

QRect ColorCell(int cell)
{
    return QRect(kCellWidth * (cell % 8) + 1, kColorCellHeight * (cell / 8) + 1, kCellWidth,
                 kColorCellHeight);
}

QRect WidthCell(int width)
{
    return QRect(kCellWidth * width - 15, 1, kCellWidth, kStripHeight - 2);
}

QImage ColorStrip()
{
    QImage strip = Framed(kStripWidth, kStripHeight, qRgb(0, 0, 0));
    QPainter painter(&strip);
    for (int cell = 0; cell < kColorCount; ++cell)
        painter.fillRect(ColorCell(cell), QColor(CellRgb(cell)));
    return strip;
}

QImage WidthStrip()
{
    QImage strip = Framed(kStripWidth, kStripHeight, qRgb(192, 192, 192));
    QPainter painter(&strip);
    for (int width = 1; width <= 8; ++width) {
        const QRect cell = WidthCell(width);
        const int left = cell.left() + (kCellWidth - width) / 2;
        painter.fillRect(QRect(left, kBarTop, width, kBarBottom - kBarTop + 1), Qt::black);
    }
    return strip;
}

QImage ColorIndicator()
{
    return Framed(18, 14, qRgb(255, 255, 255));
}

QImage WidthIndicator()
{
    return Framed(18, 26, qRgb(255, 255, 255));
}

void Copy(const QImage& from, const QRect& source, QImage& to, const QRect& target)
{
    QPainter painter(&to);
    painter.drawImage(target.topLeft(), from, source);
}

} // namespace ToolPictures
