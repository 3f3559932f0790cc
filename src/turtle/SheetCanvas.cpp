#include "turtle/SheetCanvas.h"

#include "turtle/SheetColors.h"

#include <QImage>

#include <algorithm>
#include <array>
#include <cstring>

namespace {

// The round pen tip of width w, as one span of columns per row, offsets from the line pixel.
// An odd tip is centred on the pixel; an even tip is centred on the pixel's lower-right
// corner, so a two-pixel pen at the sheet's middle pixel (127) covers 127..128. A pixel
// belongs to the tip when its centre lies inside the circle of diameter w; that makes the
// tip exactly w pixels across and mirror-symmetric about its centre.
struct TipSpan {
    int first;
    int last;
};

struct PenTip {
    int top = 0; // row offset of spans[0]
    int rows = 0;
    std::array<TipSpan, SheetCanvas::kMaxPenWidth> spans{};
};

PenTip MakeTip(int width)
{
    PenTip tip;
    tip.top = -((width - 1) / 2);
    tip.rows = width;
    // Doubled coordinates keep the half-pixel centre of even tips in integers.
    const int twiceCentre = 2 * tip.top + width - 1;
    for (int r = 0; r < width; ++r) {
        const int dy = 2 * (tip.top + r) - twiceCentre;
        int last = tip.top + width - 1;
        while ((2 * last - twiceCentre) * (2 * last - twiceCentre) + dy * dy > width * width)
            --last;
        tip.spans[static_cast<std::size_t>(r)] = {twiceCentre - last, last};
    }
    return tip;
}

const PenTip& TipOfWidth(int width)
{
    static const auto tips = [] {
        std::array<PenTip, SheetCanvas::kMaxPenWidth + 1> all{};
        for (int w = 1; w <= SheetCanvas::kMaxPenWidth; ++w)
            all[static_cast<std::size_t>(w)] = MakeTip(w);
        return all;
    }();
    return tips[static_cast<std::size_t>(std::clamp(width, 1, SheetCanvas::kMaxPenWidth))];
}

// Clips the half-open range [begin, end) to [0, limit).
bool ClipRange(std::int64_t& begin, std::int64_t& end, std::int64_t limit)
{
    begin = std::max<std::int64_t>(begin, 0);
    end = std::min<std::int64_t>(end, limit);
    return begin < end;
}

// Run scans for the flood fill, 32 bytes at a time: a whole-sheet fill is mostly scanning.
constexpr int kBlock = 32;

bool BlockIs(const std::uint8_t* bytes, std::uint8_t value)
{
    std::uint64_t words[kBlock / 8];
    std::memcpy(words, bytes, kBlock);
    const std::uint64_t pattern = 0x0101010101010101ull * value;
    return ((words[0] ^ pattern) | (words[1] ^ pattern) | (words[2] ^ pattern) | (words[3] ^ pattern)) == 0;
}

// The first column in [from, end) whose byte is not `value`, or `end`.
int RunEnd(const std::uint8_t* line, int from, int end, std::uint8_t value)
{
    while (from + kBlock <= end && BlockIs(line + from, value))
        from += kBlock;
    while (from < end && line[from] == value)
        ++from;
    return from;
}

// The leftmost column of the run of `value` that ends just before `end`.
int RunStart(const std::uint8_t* line, int end, std::uint8_t value)
{
    while (end >= kBlock && BlockIs(line + end - kBlock, value))
        end -= kBlock;
    while (end > 0 && line[end - 1] == value)
        --end;
    return end;
}

} // namespace

SheetCanvas::SheetCanvas(SheetBitmap& sheet) : sheet_(sheet) {}

void SheetCanvas::ClearTouched()
{
    touchedTop_ = kSheetSize;
    touchedBottom_ = 0;
}

void SheetCanvas::Touch(std::int64_t top, std::int64_t bottom)
{
    top = std::max<std::int64_t>(top, 0);
    bottom = std::min<std::int64_t>(bottom, kSheetSize);
    if (top >= bottom)
        return;
    touchedTop_ = std::min(touchedTop_, static_cast<int>(top));
    touchedBottom_ = std::max(touchedBottom_, static_cast<int>(bottom));
}

void SheetCanvas::MoveTo(int x, int y)
{
    penPos_ = QPoint(x, y);
}

void SheetCanvas::LineTo(int x, int y)
{
    const std::int64_t x0 = penPos_.x();
    const std::int64_t y0 = penPos_.y();
    penPos_ = QPoint(x, y);

    const std::int64_t dx = x - x0;
    const std::int64_t dy = y - y0;
    const bool xMajor = (dx < 0 ? -dx : dx) >= (dy < 0 ? -dy : dy);
    const std::int64_t major0 = xMajor ? x0 : y0;
    const std::int64_t minor0 = xMajor ? y0 : x0;
    const std::int64_t majorDelta = xMajor ? dx : dy;
    const std::int64_t minorDelta = xMajor ? dy : dx;
    const int majorStep = majorDelta < 0 ? -1 : 1;
    const int minorStep = minorDelta < 0 ? -1 : 1;
    // Differences of ints fit 32 unsigned bits, so step · rise below fits 64.
    const std::uint64_t length = static_cast<std::uint64_t>(majorDelta * majorStep);
    const std::uint64_t rise = static_cast<std::uint64_t>(minorDelta * minorStep);
    if (length == 0)
        return;

    const bool wide = penWidth_ > 1;
    const std::int64_t tipReach = wide ? kMaxPenWidth : 0;
    Touch(std::min(y0, std::int64_t{y}) - tipReach, std::max(y0, std::int64_t{y}) + tipReach + 1);
    // Only the steps whose major coordinate can reach the sheet are walked, so a line from
    // far outside costs no more than one across the sheet.
    const std::int64_t reach = wide ? penWidth_ / 2 : 0;
    const std::int64_t low = -reach;
    const std::int64_t high = kSheetSize - 1 + reach;
    std::int64_t first = majorStep > 0 ? low - major0 : major0 - high;
    std::int64_t last = majorStep > 0 ? high - major0 : major0 - low;
    first = std::max<std::int64_t>(first, 0);
    // A one-pixel line leaves out its end point; a wide one ends on it.
    last = std::min<std::int64_t>(last, static_cast<std::int64_t>(length) - (wide ? 0 : 1));

    for (std::int64_t i = first; i <= last; ++i) {
        // Minor offset = i·rise/length rounded to nearest, halves toward the start: the
        // pixels Bresenham's walk visits, computed directly so the walk can start mid-line.
        const std::uint64_t product = static_cast<std::uint64_t>(i) * rise;
        const std::uint64_t remainder = product % length;
        const std::int64_t offset = static_cast<std::int64_t>(product / length + (2 * remainder > length ? 1 : 0));
        const std::int64_t major = major0 + majorStep * i;
        const std::int64_t minor = minor0 + minorStep * offset;
        // Beyond the (expanded) sheet the value would not fit an int; nothing is drawn there.
        if (minor < low || minor > high)
            continue;
        const int px = static_cast<int>(xMajor ? major : minor);
        const int py = static_cast<int>(xMajor ? minor : major);
        if (wide)
            Stamp(px, py);
        else
            Plot(px, py);
    }
}

void SheetCanvas::Plot(int x, int y)
{
    if (SheetBitmap::Contains(x, y))
        sheet_.Set(x, y, penColor_);
}

void SheetCanvas::Stamp(int x, int y)
{
    const PenTip& tip = TipOfWidth(penWidth_);
    for (int r = 0; r < tip.rows; ++r) {
        const int row = y + tip.top + r;
        if (row < 0 || row >= kSheetSize)
            continue;
        const TipSpan& span = tip.spans[static_cast<std::size_t>(r)];
        const int from = std::max(x + span.first, 0);
        const int to = std::min(x + span.last, kSheetSize - 1);
        if (from <= to)
            std::memset(sheet_.ScanLine(row) + from, penColor_, static_cast<std::size_t>(to - from + 1));
    }
}

void SheetCanvas::FillRect(const QRect& rect)
{
    std::int64_t left = rect.left();
    std::int64_t top = rect.top();
    std::int64_t right = std::int64_t{rect.right()} + 1;
    std::int64_t bottom = std::int64_t{rect.bottom()} + 1;
    if (!ClipRange(left, right, kSheetSize) || !ClipRange(top, bottom, kSheetSize))
        return;
    Touch(top, bottom);
    for (auto row = top; row < bottom; ++row)
        std::memset(sheet_.ScanLine(static_cast<int>(row)) + left, brushColor_, static_cast<std::size_t>(right - left));
}

void SheetCanvas::FloodFillSurface(int x, int y)
{
    if (!SheetBitmap::Contains(x, y))
        return;
    const std::uint8_t target = sheet_.At(x, y);
    const std::uint8_t fill = brushColor_;
    // Filling a region with its own colour changes nothing, and the span fill below relies on
    // filled pixels no longer matching the region.
    if (fill == target)
        return;

    // Span fill: each popped seed fills its whole run of the row, then leaves one seed per run
    // of region pixels in the rows above and below. The stack holds seeds, not pixels.
    fillStack_.clear();
    fillStack_.emplace_back(x, y);
    while (!fillStack_.empty()) {
        const QPoint seed = fillStack_.back();
        fillStack_.pop_back();
        std::uint8_t* line = sheet_.ScanLine(seed.y());
        if (line[seed.x()] != target)
            continue;
        const int left = RunStart(line, seed.x(), target);
        const int end = RunEnd(line, seed.x(), kSheetSize, target);
        std::memset(line + left, fill, static_cast<std::size_t>(end - left));
        Touch(seed.y(), seed.y() + 1);

        for (const int row : {seed.y() - 1, seed.y() + 1}) {
            if (row < 0 || row >= kSheetSize)
                continue;
            const std::uint8_t* next = sheet_.ScanLine(row);
            for (int column = left; column < end;) {
                const void* hit = std::memchr(next + column, target, static_cast<std::size_t>(end - column));
                if (hit == nullptr)
                    break;
                column = static_cast<int>(static_cast<const std::uint8_t*>(hit) - next);
                fillStack_.emplace_back(column, row);
                column = RunEnd(next, column, end, target);
            }
        }
    }
}

int SheetCanvas::Pixel(int x, int y) const
{
    return SheetBitmap::Contains(x, y) ? sheet_.At(x, y) : -1;
}

void SheetCanvas::CopyRect(const QImage& picture, const QRect& source, QPoint targetTopLeft)
{
    if (picture.isNull())
        return;
    std::int64_t left = source.left();
    std::int64_t top = source.top();
    std::int64_t right = std::int64_t{source.right()} + 1;
    std::int64_t bottom = std::int64_t{source.bottom()} + 1;
    // Target position of the source's top-left corner; clipping moves both together.
    const std::int64_t shiftX = std::int64_t{targetTopLeft.x()} - left;
    const std::int64_t shiftY = std::int64_t{targetTopLeft.y()} - top;
    if (!ClipRange(left, right, picture.width()) || !ClipRange(top, bottom, picture.height()))
        return;
    std::int64_t targetLeft = left + shiftX;
    std::int64_t targetTop = top + shiftY;
    std::int64_t targetRight = right + shiftX;
    std::int64_t targetBottom = bottom + shiftY;
    if (!ClipRange(targetLeft, targetRight, kSheetSize) || !ClipRange(targetTop, targetBottom, kSheetSize))
        return;

    const int width = static_cast<int>(targetRight - targetLeft);
    const int height = static_cast<int>(targetBottom - targetTop);
    Touch(targetTop, targetBottom);
    // Only the part that lands on the sheet is converted, once, whatever the picture's depth.
    const QRect used(static_cast<int>(targetLeft - shiftX), static_cast<int>(targetTop - shiftY), width, height);
    const QImage part = picture.copy(used).convertToFormat(QImage::Format_RGB32);

    // Pictures are mostly runs of one colour, so the last lookup is remembered.
    QRgb lastColour = part.pixel(0, 0);
    std::uint8_t lastIndex = NearestSheetIndex(lastColour);
    for (int row = 0; row < height; ++row) {
        const auto* from = reinterpret_cast<const QRgb*>(part.constScanLine(row));
        std::uint8_t* to = sheet_.ScanLine(static_cast<int>(targetTop) + row) + targetLeft;
        for (int column = 0; column < width; ++column) {
            if (from[column] != lastColour) {
                lastColour = from[column];
                lastIndex = NearestSheetIndex(lastColour);
            }
            to[column] = lastIndex;
        }
    }
}
