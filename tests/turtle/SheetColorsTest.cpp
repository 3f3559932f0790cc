#include "turtle/SheetColors.h"

#include <gtest/gtest.h>

namespace {

TEST(SheetColors, CellAndColourNumbersAreInverseAndPassStrangersThrough)
{
    for (int n = 0; n < kColorCount; ++n) {
        EXPECT_EQ(CellToColor(ColorToCell(n)), n) << n;
        EXPECT_EQ(ColorToCell(CellToColor(n)), n) << n;
    }
    for (int stranger : {-1, 16, 1000})
        EXPECT_EQ(ColorToCell(stranger), stranger);
}

// Each stored number, the cell the user sees, and the colour the palette strip shows there.
struct NumberedColour {
    int stored;
    int cell;
    QRgb rgb;
};

class ColourNumbering : public ::testing::TestWithParam<NumberedColour> {};

TEST_P(ColourNumbering, StoredNumberCellAndColourAgree)
{
    const NumberedColour c = GetParam();
    EXPECT_EQ(ColorToCell(c.stored), c.cell);
    EXPECT_EQ(CellRgb(c.cell), c.rgb);
    // The sheet's palette entry for the colour is the one the drawing tools write.
    EXPECT_EQ(SheetPalette()[NearestSheetIndex(c.rgb)], c.rgb);
    EXPECT_EQ(SheetPalette()[ColorSheetIndex(c.stored)], c.rgb) << "the pen and the clear sheet take this index";
}

INSTANTIATE_TEST_SUITE_P(
    AllSixteen, ColourNumbering,
    ::testing::Values(NumberedColour{0, 0, qRgb(0, 0, 0)}, NumberedColour{1, 9, qRgb(128, 0, 0)},
                      NumberedColour{2, 10, qRgb(0, 128, 0)}, NumberedColour{3, 11, qRgb(128, 128, 0)},
                      NumberedColour{4, 12, qRgb(0, 0, 128)}, NumberedColour{5, 13, qRgb(128, 0, 128)},
                      NumberedColour{6, 14, qRgb(0, 128, 128)}, NumberedColour{7, 8, qRgb(128, 128, 128)},
                      NumberedColour{8, 15, qRgb(255, 255, 255)}, NumberedColour{9, 1, qRgb(255, 0, 0)},
                      NumberedColour{10, 2, qRgb(0, 255, 0)}, NumberedColour{11, 3, qRgb(255, 255, 0)},
                      NumberedColour{12, 4, qRgb(0, 0, 255)}, NumberedColour{13, 5, qRgb(255, 0, 255)},
                      NumberedColour{14, 6, qRgb(0, 255, 255)}, NumberedColour{15, 7, qRgb(192, 192, 192)}));

} // namespace
