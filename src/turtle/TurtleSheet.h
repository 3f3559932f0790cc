#pragma once

#include "turtle/Floor.h"
#include "turtle/SheetBitmap.h"
#include "turtle/SheetCanvas.h"
#include "turtle/SheetColors.h"
#include "turtle/TurtleState.h"

#include <QImage>
#include <QString>

#include <array>
#include <cstdint>

class TurtlePanel;

// The turtle's settings, its drawing sheet and the floor image the sheet is shown on.
// Everything drawn on the sheet reaches the floor through UpdateFloor, byte for byte, the rows
// drawn on since the last update only; at once, or while the floor is held, once it is let go.
class TurtleSheet {
public:
    TurtleSheet(TTurtleState& turtle, TurtlePanel& panel);
    TurtleSheet(const TurtleSheet&) = delete;
    TurtleSheet& operator=(const TurtleSheet&) = delete;

    TTurtleState& Turtle() { return turtle_; }
    const TTurtleState& Turtle() const { return turtle_; }
    SheetBitmap& Sheet() { return sheet_; }
    const SheetBitmap& Sheet() const { return sheet_; }
    SheetCanvas& Canvas() { return canvas_; }

    // The floor image: 256 rows of 256 bytes on the floor once one is attached, until then in a
    // buffer of our own, so the sheet and the pages always have somewhere to exchange pictures.
    // The floor must stay until it is detached.
    void AttachFloor(Floor& floor);
    void DetachFloor();
    std::uint8_t* FloorBits() { return floorBits_; }
    const std::uint8_t* FloorBits() const { return floorBits_; }
    // Tells the floor that all its pixels changed.
    void FloorChanged();

    void ResetTurtle();
    void SetPenColor(int n);
    void SetPenWidth(int w);
    void SetBGColor(int n);
    void SetPenDown(bool down);
    // Shows the whole record on the panel and in the sheet's pen again, as after a page change.
    void ApplyTurtle();
    // The sheet palette index of the background colour, the colour a clear sheet has.
    std::uint8_t BackgroundIndex() const { return ColorSheetIndex(turtle_.BGColor); }
    void ClearSheet();
    // Floods the surface under the turtle with the pen colour.
    void FillUnderTurtle();
    void FillFloorImage(std::uint8_t value);
    void UpdateFloor();
    // While held, what is drawn stays marked on the sheet and reaches the floor when it is let
    // go or flushed: many steps done in one pass copy their rows once.
    void HoldFloor(bool held);
    // Copies the rows drawn on since the last copy to the floor now, held or not.
    void FlushFloor();
    // Tells the floor that no rows follow for a while.
    void RestFloor();
    // Copies the floor image into the sheet, row by row; the texture is not told.
    void UpdateSheetFromFloor();
    // Centres a picture on the sheet, or its middle when larger. False, changing nothing,
    // when the file cannot be read as a bitmap.
    bool LoadBackground(const QString& fileName);

private:
    TTurtleState& turtle_;
    TurtlePanel& panel_;
    SheetBitmap sheet_;
    SheetCanvas canvas_;
    Floor* floor_ = nullptr;
    std::array<std::uint8_t, kSheetBytes> detachedFloor_{};
    std::uint8_t* floorBits_ = detachedFloor_.data();
    bool floorHeld_ = false;
};
