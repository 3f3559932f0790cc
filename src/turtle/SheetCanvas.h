#pragma once

#include "turtle/SheetBitmap.h"

#include <QPoint>
#include <QRect>

#include <cstdint>
#include <vector>

class QImage;

// Drawing tools over a SheetBitmap: a pen (colour and width) that draws lines from the pen
// position, a brush that fills rectangles and flood-fills surfaces, rectangle copies from
// other pictures, and pixel reads. Colours are sheet palette indices. Everything is clipped
// to the sheet: nothing is drawn outside it and nothing fails.
class SheetCanvas {
public:
    // The widest pen; wider requests draw with this width.
    static constexpr int kMaxPenWidth = 8;

    explicit SheetCanvas(SheetBitmap& sheet);

    void SetPenColor(std::uint8_t index) { penColor_ = index; }
    void SetPenWidth(int width) { penWidth_ = width < 1 ? 1 : (width > kMaxPenWidth ? kMaxPenWidth : width); }
    void SetBrushColor(std::uint8_t index) { brushColor_ = index; }
    std::uint8_t PenColor() const { return penColor_; }
    int PenWidth() const { return penWidth_; }
    std::uint8_t BrushColor() const { return brushColor_; }
    QPoint PenPos() const { return penPos_; }

    // Moves the pen without drawing.
    void MoveTo(int x, int y);
    // Draws from the pen position to (x, y) and moves the pen there. A one-pixel pen leaves out
    // the end point, as the system's lines do; a wider pen is round and covers both ends.
    void LineTo(int x, int y);

    // Fills the rectangle (right and bottom exclusive) with the brush.
    void FillRect(const QRect& rect);

    // Surface flood fill: every pixel of the start pixel's colour that is 4-connected to it
    // takes the brush colour. A start outside the sheet does nothing.
    void FloodFillSurface(int x, int y);

    // Colour index at (x, y), or -1 outside the sheet.
    int Pixel(int x, int y) const;

    // Copies `source` of `picture` to `targetTopLeft` without scaling; each colour becomes the
    // nearest sheet colour. Parts falling outside the sheet or the picture are skipped.
    void CopyRect(const QImage& picture, const QRect& source, QPoint targetTopLeft);

    // The rows drawn on since the marks were last cleared, top and bottom exclusive; empty when
    // top >= bottom. A new canvas counts every row as drawn.
    int TouchedTop() const { return touchedTop_; }
    int TouchedBottom() const { return touchedBottom_; }
    void ClearTouched();
    void TouchAll() { Touch(0, kSheetSize); }

private:
    // Marks rows top..bottom (exclusive) as drawn on, clipped to the sheet.
    void Touch(std::int64_t top, std::int64_t bottom);
    void Plot(int x, int y);
    void Stamp(int x, int y);

    SheetBitmap& sheet_;
    std::uint8_t penColor_ = 0;
    int penWidth_ = 1;
    std::uint8_t brushColor_ = SheetBitmap::kWhite;
    QPoint penPos_{0, 0};
    // A run [left, end) just filled, to be looked past into `row`, the row beside it on the side
    // the fill goes (`step`: +1 down, -1 up).
    struct FillSpan {
        int row, left, end, step;
    };
    // Fills the runs of the region's colour in the row a span looks into, and leaves the spans
    // they make on the stack but the last, which takes the span's place; false when none.
    bool FillBeside(FillSpan& span);
    // Fills the run of the region's colour in `row` from `left` to wherever it ends past `from`;
    // where it ends.
    int FillRun(int row, int left, int from);
    struct {
        std::vector<FillSpan> spans; // kept between fills so a fill allocates only once
        std::uint8_t target = 0;
        std::uint8_t colour = 0;
        int top = 0; // the rows filled, bottom exclusive
        int bottom = 0;
    } fill_;
    int touchedTop_ = 0;
    int touchedBottom_ = kSheetSize;
};
