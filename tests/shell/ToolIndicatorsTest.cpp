#include "shell/ToolIndicators.h"
#include "shell/ToolPictures.h"
#include "turtle/SheetColors.h"

#include <QLabel>

#include <gtest/gtest.h>

namespace {

TEST(ToolPictures, StripsHaveTheirFramesAndBars)
{
    const QImage colours = ToolPictures::ColorStrip();
    EXPECT_EQ(colours.size(), QSize(130, 26));
    EXPECT_EQ(colours.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(colours.pixel(129, 25), qRgb(0, 0, 0));

    const QImage widths = ToolPictures::WidthStrip();
    EXPECT_EQ(widths.size(), QSize(130, 26));
    for (int w = 1; w <= 8; ++w) {
        const QRect cell = ToolPictures::WidthCell(w);
        int black = 0;
        for (int x = cell.left(); x <= cell.right(); ++x)
            black += widths.pixel(x, 12) == qRgb(0, 0, 0);
        EXPECT_EQ(black, w) << "cell " << w;
        EXPECT_EQ(widths.pixel(cell.center().x(), 2), qRgb(192, 192, 192));
    }
}

// The indicators are painted from the stored settings: a stored colour shows its palette cell
// (the cell of the strip the child picked it from) and that cell's number, a width its bar.
TEST(ToolIndicators, ShowTheStoredSettingsAsTheStripsShowThem)
{
    QLabel colorStrip, widthStrip, pen, penText, bg, bgText, width, widthText;
    ToolIndicators indicators({colorStrip, widthStrip, pen, penText, bg, bgText, width, widthText});
    const QImage strip = colorStrip.pixmap().toImage();
    ASSERT_EQ(strip.size(), QSize(ToolPictures::kStripWidth, ToolPictures::kStripHeight));
    for (int n = 0; n < kColorCount; ++n) {
        const int cell = ColorToCell(n);
        const QRgb shown = CellRgb(cell);
        EXPECT_EQ(strip.pixel(ToolPictures::ColorCell(cell).center()), shown) << "colour " << n;
        indicators.ShowPenColor(n);
        indicators.ShowBGColor(kColorCount - 1 - n);
        EXPECT_EQ(pen.pixmap().toImage().pixel(2, 2), shown) << "colour " << n;
        EXPECT_EQ(penText.text(), QString::number(cell));
        EXPECT_EQ(bg.pixmap().toImage().pixel(2, 2), CellRgb(ColorToCell(kColorCount - 1 - n)));
    }
    for (int w = 1; w <= 8; ++w) {
        indicators.ShowPenWidth(w);
        const QImage bar = width.pixmap().toImage();
        int black = 0;
        for (int x = 0; x < bar.width(); ++x)
            black += bar.pixel(x, 12) == qRgb(0, 0, 0);
        EXPECT_EQ(black, w + 2) << "the bar and the indicator's frame";
        EXPECT_EQ(widthText.text(), QString::number(w));
    }
}

} // namespace
