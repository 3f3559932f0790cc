#include "turtle/SheetBitmap.h"

#include "turtle/SheetColors.h"

#include <algorithm>

SheetBitmap::SheetBitmap()
{
    pixels_.fill(kWhite);
    std::copy(SheetPalette().begin(), SheetPalette().end(), palette_.begin());
}
