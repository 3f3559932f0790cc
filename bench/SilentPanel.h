#pragma once

#include "turtle/TurtlePanel.h"
#include "turtle/TurtleSheet.h"

// A tool panel that shows nothing, for running the turtle without a window: the benches and the
// background fuzz target.
struct SilentPanel final : TurtlePanel {
    void ShowPenColor(const QImage&, const QString&) override {}
    void ShowBGColor(const QImage&, const QString&) override {}
    void ShowPenWidth(const QImage&, const QString&) override {}
    void ShowPenDown(bool) override {}
    void ShowCharacterShown(bool) override {}
};

// The turtle at home on a white sheet, as a new page has it.
inline void StartOnWhiteSheet(TurtleSheet& sheet)
{
    sheet.ResetTurtle();
    sheet.FillFloorImage(SheetBitmap::kWhite);
    sheet.UpdateSheetFromFloor();
}
