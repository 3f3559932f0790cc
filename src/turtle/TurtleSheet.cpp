#include "turtle/TurtleSheet.h"

#include "win/BitmapFile.h"
#include "turtle/SheetColors.h"
#include "turtle/TurtlePanel.h"

#include <cstring>

namespace {

constexpr int kMaxPenWidth = 8;

bool IsColorNumber(int n)
{
    return n >= 0 && n < kColorCount;
}

// One axis of a background placement: the picture's middle when it is longer than the sheet,
// centred on the sheet when shorter.
void Place(int length, int& sourceStart, int& targetStart, int& span)
{
    sourceStart = 0;
    targetStart = 0;
    span = length;
    if (length > kSheetSize) {
        sourceStart = (length - kSheetSize) / 2;
        span = kSheetSize;
    } else if (length < kSheetSize) {
        targetStart = (kSheetSize - length) / 2;
    }
}

} // namespace

TurtleSheet::TurtleSheet(TTurtleState& turtle, TurtlePanel& panel)
    : turtle_(turtle), panel_(panel), canvas_(sheet_)
{
    detachedFloor_.fill(SheetBitmap::kWhite);
}

void TurtleSheet::AttachFloor(Floor& floor)
{
    floor_ = &floor;
    floorBits_ = floor.Pixels();
    canvas_.TouchAll();
}

void TurtleSheet::DetachFloor()
{
    floor_ = nullptr;
    floorBits_ = detachedFloor_.data();
    canvas_.TouchAll();
}

void TurtleSheet::FloorChanged()
{
    if (floor_)
        floor_->PixelsChanged(0, kSheetSize);
}

void TurtleSheet::ResetTurtle()
{
    turtle_ = TTurtleState{};
    SetPenColor(turtle_.PenColor);
    SetPenWidth(turtle_.PenWidth);
    SetBGColor(turtle_.BGColor);
    // The buttons show what the record now says, or a raised pen button would draw.
    panel_.ShowPenDown(turtle_.PenDown);
    panel_.ShowCharacterShown(!turtle_.Hidden);
}

void TurtleSheet::SetPenColor(int n)
{
    if (!IsColorNumber(n))
        return;
    turtle_.PenColor = n;
    panel_.ShowPenColor(n);
    canvas_.SetPenColor(ColorSheetIndex(n));
    canvas_.SetBrushColor(canvas_.PenColor());
}

void TurtleSheet::SetPenWidth(int w)
{
    if (w <= 0 || w > kMaxPenWidth)
        return;
    panel_.ShowPenWidth(w);
    turtle_.PenWidth = w;
    canvas_.SetPenWidth(w);
}

void TurtleSheet::SetBGColor(int n)
{
    if (!IsColorNumber(n))
        return;
    turtle_.BGColor = n;
    panel_.ShowBGColor(n);
}

void TurtleSheet::SetPenDown(bool down)
{
    panel_.ShowPenDown(down);
    turtle_.PenDown = down;
}

void TurtleSheet::ApplyTurtle()
{
    SetPenColor(turtle_.PenColor);
    SetPenWidth(turtle_.PenWidth);
    SetBGColor(turtle_.BGColor);
    SetPenDown(turtle_.PenDown);
    panel_.ShowCharacterShown(!turtle_.Hidden);
}

void TurtleSheet::ClearSheet()
{
    canvas_.SetBrushColor(BackgroundIndex());
    canvas_.FillRect(QRect(0, 0, kSheetSize, kSheetSize));
    UpdateFloor();
}

void TurtleSheet::FillUnderTurtle()
{
    // The pen colour the panel shows, also right after a clear has left the brush at the
    // background colour: a fill there would paint background on background.
    canvas_.SetBrushColor(canvas_.PenColor());
    const SheetPixel p = PixelOf(turtle_.X, turtle_.Y);
    canvas_.FloodFillSurface(p.column, p.row);
    UpdateFloor();
}

void TurtleSheet::FillFloorImage(std::uint8_t value)
{
    std::memset(floorBits_, value, kSheetBytes);
    // Until the sheet takes the floor's picture, the next update gives the floor the whole sheet.
    canvas_.TouchAll();
    FloorChanged();
}

void TurtleSheet::UpdateFloor()
{
    if (!floorHeld_)
        FlushFloor();
}

void TurtleSheet::HoldFloor(bool held)
{
    floorHeld_ = held;
    if (!held)
        FlushFloor();
}

void TurtleSheet::FlushFloor()
{
    // Sheet and floor share the layout (256 rows of 256 bytes, top row first), so the rows the
    // canvas drew on go across in one copy.
    const int top = canvas_.TouchedTop();
    const int bottom = canvas_.TouchedBottom();
    if (top < bottom) {
        const std::size_t first = static_cast<std::size_t>(top) * kSheetSize;
        std::memcpy(floorBits_ + first, sheet_.Bits() + first, static_cast<std::size_t>(bottom - top) * kSheetSize);
        if (floor_)
            floor_->PixelsChanged(top, bottom);
    }
    canvas_.ClearTouched();
}

void TurtleSheet::RestFloor()
{
    if (floor_)
        floor_->PixelsRest();
}

void TurtleSheet::UpdateSheetFromFloor()
{
    std::memcpy(sheet_.Bits(), floorBits_, kSheetBytes);
    canvas_.ClearTouched();
}

bool TurtleSheet::LoadBackground(const QString& fileName)
{
    const QImage picture = win::ReadBitmapFile(fileName);
    if (picture.isNull())
        return false;
    int sourceLeft, targetLeft, width, sourceTop, targetTop, height;
    Place(picture.width(), sourceLeft, targetLeft, width);
    Place(picture.height(), sourceTop, targetTop, height);
    canvas_.CopyRect(picture, QRect(sourceLeft, sourceTop, width, height), QPoint(targetLeft, targetTop));
    UpdateFloor();
    return true;
}
