#pragma once

#include "turtle/SilentPanel.h"
#include "turtle/TurtleSheet.h"

// The turtle at home on a white sheet, as a new page has it.
inline void StartOnWhiteSheet(TurtleSheet& sheet)
{
    sheet.ResetTurtle();
    sheet.FillFloorImage(SheetBitmap::kWhite);
    sheet.UpdateSheetFromFloor();
}
