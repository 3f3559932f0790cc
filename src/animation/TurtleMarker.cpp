#include "animation/TurtleMarker.h"

#include "turtle/SheetColors.h"
#include "turtle/TurtleState.h"

#include <QPainter>
#include <QSvgRenderer>
#include <QTransform>

#include <cmath>
#include <numbers>

// The picture lives in this library's resources, which a static library has to register.
static void InitAnimationResources()
{
    Q_INIT_RESOURCE(animation);
}

namespace {

constexpr int kMarkerSize = 30;
constexpr int kFrameSize = 2 * kSheetSize;
constexpr std::uint8_t kSeeThrough = 255;

} // namespace

TurtleMarker::TurtleMarker() : upright_(kMarkerSize, kMarkerSize, QImage::Format_ARGB32_Premultiplied)
{
    InitAnimationResources();
    upright_.fill(Qt::transparent);
    QSvgRenderer picture(QStringLiteral(":/animation/turtle-top.svg"));
    QPainter painter(&upright_);
    picture.render(&painter);
}

const QImage& TurtleMarker::TurnedTo(int degrees)
{
    const auto found = turned_.find(degrees);
    if (found != turned_.end())
        return found->second;
    // Turned as a whole, then each pixel takes the nearest sheet colour; half-covered edge pixels
    // count as covered or not, so the sheet's own colours are all the picture uses.
    const QImage turned = upright_.transformed(QTransform().rotate(degrees), Qt::SmoothTransformation)
                              .convertToFormat(QImage::Format_ARGB32);
    QImage indices(turned.size(), QImage::Format_Grayscale8);
    for (int row = 0; row < turned.height(); ++row) {
        const auto* source = reinterpret_cast<const QRgb*>(turned.constScanLine(row));
        std::uint8_t* target = indices.scanLine(row);
        for (int column = 0; column < turned.width(); ++column)
            target[column] = qAlpha(source[column]) >= 128 ? NearestSheetIndex(source[column]) : kSeeThrough;
    }
    return turned_.emplace(degrees, std::move(indices)).first->second;
}

void TurtleMarker::Stamp(std::uint8_t* frame, double x, double y, double heading)
{
    const double degrees = std::fmod(heading * 180.0 / std::numbers::pi, 360.0);
    const int whole = (static_cast<int>(std::lround(degrees)) % 360 + 360) % 360;
    const QImage& picture = TurnedTo(whole);
    const SheetPixel under = PixelOf(x, y);
    const int left = 2 * under.column + 1 - picture.width() / 2;
    const int top = 2 * under.row + 1 - picture.height() / 2;
    for (int row = 0; row < picture.height(); ++row) {
        const int frameRow = top + row;
        if (frameRow < 0 || frameRow >= kFrameSize)
            continue;
        const std::uint8_t* source = picture.constScanLine(row);
        std::uint8_t* target = frame + static_cast<std::ptrdiff_t>(frameRow) * kFrameSize;
        for (int column = 0; column < picture.width(); ++column) {
            const int frameColumn = left + column;
            if (frameColumn >= 0 && frameColumn < kFrameSize && source[column] != kSeeThrough)
                target[frameColumn] = source[column];
        }
    }
}
