#include "turtle/SheetCanvas.h"

#include "turtle/SheetColors.h"

#include <QImage>

#include <algorithm>
#include <array>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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
#if defined(__SSE2__)
    // Sixteen byte compares at once, where the processor has them: three times the words' pace.
    const __m128i pattern = _mm_set1_epi8(static_cast<char>(value));
    __m128i same = _mm_set1_epi8(-1);
    for (int at = 0; at < kBlock; at += 16)
        same = _mm_and_si128(same, _mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + at)), pattern));
    return _mm_movemask_epi8(same) == 0xFFFF;
#else
    std::uint64_t words[kBlock / 8];
    std::memcpy(words, bytes, kBlock);
    const std::uint64_t pattern = 0x0101010101010101ull * value;
    std::uint64_t differ = 0;
    for (const std::uint64_t word : words)
        differ |= word ^ pattern;
    return differ == 0;
#endif
}

// The first column in [from, end) whose byte is not `value`, or `end`.
int RunEnd(const std::uint8_t* line, int from, int end, std::uint8_t value)
{
    while (from + 2 * kBlock <= end && BlockIs(line + from, value) && BlockIs(line + from + kBlock, value))
        from += 2 * kBlock;
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
    // Filling a region with its own colour changes nothing, and the span fill below relies on
    // filled pixels no longer matching the region.
    if (fill_.colour = brushColor_; fill_.colour == target)
        return;
    fill_.target = target;

    // Span fill: a span is a run just filled, to be looked past into the row beside it. The row
    // it came from is looked at again only where the new run reaches beyond its parent. The
    // last run a span finds is followed at once, the others wait on the stack.
    fill_.spans.clear();
    fill_.top = y;
    fill_.bottom = y + 1;
    const int left = RunStart(sheet_.ScanLine(y), x, target);
    const int end = FillRun(y, left, x);
    fill_.spans.push_back({y - 1, left, end, -1});
    fill_.spans.push_back({y + 1, left, end, 1});
    while (!fill_.spans.empty()) {
        FillSpan span = fill_.spans.back();
        fill_.spans.pop_back();
        while (span.row >= 0 && span.row < kSheetSize && FillBeside(span)) {
        }
    }
    Touch(fill_.top, fill_.bottom);
}

bool SheetCanvas::FillBeside(FillSpan& span)
{
    const std::uint8_t target = fill_.target;
    const int row = span.row;
    const int step = span.step;
    const int parentLeft = span.left;
    const int parentEnd = span.end;
    const std::uint8_t* line = sheet_.ScanLine(row);
    bool found = false;
    for (int column = parentLeft; column < parentEnd;) {
        if (line[column] != target) {
            const void* hit = std::memchr(line + column, target, static_cast<std::size_t>(parentEnd - column));
            if (hit == nullptr)
                break;
            column = static_cast<int>(static_cast<const std::uint8_t*>(hit) - line);
        }
        // Only the first run can reach left of where it was found.
        const bool reachesLeft = column == parentLeft && column > 0 && line[column - 1] == target;
        const int left = reachesLeft ? RunStart(line, column, target) : column;
        const int end = FillRun(row, left, column);
        if (found)
            fill_.spans.push_back(span);
        span = {row + step, left, end, step};
        found = true;
        if (left < parentLeft)
            fill_.spans.push_back({row - step, left, parentLeft, -step});
        if (end > parentEnd)
            fill_.spans.push_back({row - step, parentEnd, end, -step});
        column = end;
    }
    return found;
}

int SheetCanvas::FillRun(int row, int left, int from)
{
    std::uint8_t* line = sheet_.ScanLine(row);
    const int end = RunEnd(line, from, kSheetSize, fill_.target);
    std::memset(line + left, fill_.colour, static_cast<std::size_t>(end - left));
    fill_.top = std::min(fill_.top, row);
    fill_.bottom = std::max(fill_.bottom, row + 1);
    return end;
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
