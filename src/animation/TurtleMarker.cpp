#include "animation/TurtleMarker.h"

#include "turtle/SheetColors.h"
#include "turtle/TurtleState.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>
#include <QTransform>

#include <cmath>
#include <iterator>
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

// The colours the picture is drawn in, which stand for the body, the shell and its pattern.
constexpr const char* kBodyMark = "#00ff00";
constexpr const char* kShellMark = "#008000";
constexpr const char* kPatternMark = "#808000";

// Each character's colours, as its model has them.
struct CharacterColours {
    std::int32_t shape;
    const char* body;
    const char* shell;
    const char* pattern;
};
constexpr CharacterColours kCharacters[] = {
    {1, "#80c71f", "#80c71f", "#3373f2"}, // the lizard: lime, with a blue cap
    {2, "#d1ad66", "#a6541a", "#f2b861"}, // the snail: skin, brown shell, light swirl
    {3, "#6bbf4a", "#2e70d6", "#9ed1ff"}, // the turtle: green, blue shell, light blue spots
};

const CharacterColours& ColoursOf(std::int32_t shape)
{
    for (const CharacterColours& colours : kCharacters)
        if (colours.shape == shape)
            return colours;
    return kCharacters[std::size(kCharacters) - 1];
}

} // namespace

const QImage& TurtleMarker::Upright(std::int32_t shape)
{
    const auto found = upright_.find(shape);
    if (found != upright_.end())
        return found->second;
    InitAnimationResources();
    QFile file(QStringLiteral(":/animation/turtle-top.svg"));
    QByteArray picture = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    const CharacterColours& colours = ColoursOf(shape);
    picture.replace(kBodyMark, colours.body).replace(kShellMark, colours.shell).replace(kPatternMark, colours.pattern);
    QImage upright(kMarkerSize, kMarkerSize, QImage::Format_ARGB32_Premultiplied);
    upright.fill(Qt::transparent);
    QSvgRenderer renderer(picture);
    QPainter painter(&upright);
    renderer.render(&painter);
    painter.end();
    return upright_.emplace(shape, std::move(upright)).first->second;
}

const QImage& TurtleMarker::TurnedTo(std::int32_t shape, int degrees)
{
    const auto found = turned_.find({shape, degrees});
    if (found != turned_.end())
        return found->second;
    // Turned as a whole, then each pixel takes the nearest sheet colour; half-covered edge pixels
    // count as covered or not, so the sheet's own colours are all the picture uses.
    const QImage turned = Upright(shape).transformed(QTransform().rotate(degrees), Qt::SmoothTransformation)
                              .convertToFormat(QImage::Format_ARGB32);
    QImage indices(turned.size(), QImage::Format_Grayscale8);
    for (int row = 0; row < turned.height(); ++row) {
        const auto* source = reinterpret_cast<const QRgb*>(turned.constScanLine(row));
        std::uint8_t* target = indices.scanLine(row);
        for (int column = 0; column < turned.width(); ++column)
            target[column] = qAlpha(source[column]) >= 128 ? NearestSheetIndex(source[column]) : kSeeThrough;
    }
    return turned_.emplace(std::make_pair(shape, degrees), std::move(indices)).first->second;
}

void TurtleMarker::Stamp(std::uint8_t* frame, double x, double y, double heading, std::int32_t shape)
{
    const double degrees = std::fmod(heading * 180.0 / std::numbers::pi, 360.0);
    const int whole = (static_cast<int>(std::lround(degrees)) % 360 + 360) % 360;
    const QImage& picture = TurnedTo(shape, whole);
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
