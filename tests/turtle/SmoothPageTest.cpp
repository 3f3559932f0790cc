#include "turtle/SmoothPage.h"

#include "turtle/SheetCanvas.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <map>
#include <numbers>
#include <set>
#include <vector>

namespace {

constexpr std::uint8_t kBlack = 0, kRed = 9, kBlue = 12, kWhite = SheetBitmap::kWhite;
constexpr int kSize = SmoothPage::kSize;

void Line(SheetCanvas& canvas, QPoint from, QPoint to, int width = 1)
{
    canvas.SetPenWidth(width);
    canvas.MoveTo(from.x(), from.y());
    canvas.LineTo(to.x(), to.y());
}

// As the turtle draws one: short straight steps around the centre.
void Circle(SheetCanvas& canvas, QPoint centre, double radius)
{
    constexpr int kSteps = 72;
    canvas.SetPenWidth(1);
    canvas.MoveTo(centre.x() + static_cast<int>(std::lround(radius)), centre.y());
    for (int i = 1; i <= kSteps; ++i) {
        const double angle = 2.0 * std::numbers::pi * i / kSteps;
        canvas.LineTo(centre.x() + static_cast<int>(std::lround(radius * std::cos(angle))),
                      centre.y() + static_cast<int>(std::lround(radius * std::sin(angle))));
    }
}

enum class Kind { ThinLine, Filled };

struct Pattern {
    const char* name;
    Kind kind;
    void (*draw)(SheetCanvas&);
};

const Pattern kPatterns[] = {
    {"diagonal", Kind::ThinLine, [](SheetCanvas& c) { Line(c, {20, 20}, {200, 200}); }},
    {"shallow_line", Kind::ThinLine, [](SheetCanvas& c) { Line(c, {10, 100}, {240, 160}); }},
    {"steep_line", Kind::ThinLine, [](SheetCanvas& c) { Line(c, {100, 10}, {140, 245}); }},
    {"small_circle", Kind::ThinLine, [](SheetCanvas& c) { Circle(c, {128, 128}, 3); }},
    {"medium_circle", Kind::ThinLine, [](SheetCanvas& c) { Circle(c, {128, 128}, 14); }},
    {"large_circle", Kind::ThinLine, [](SheetCanvas& c) { Circle(c, {128, 128}, 90); }},
    {"line_along_the_edge", Kind::ThinLine,
     [](SheetCanvas& c) {
         Line(c, {0, 0}, {255, 0});
         Line(c, {255, 0}, {255, 255});
     }},
    {"filled_square", Kind::Filled, [](SheetCanvas& c) { c.FillRect(QRect(60, 70, 20, 20)); }},
    {"filled_disc", Kind::Filled,
     [](SheetCanvas& c) {
         Circle(c, {128, 128}, 30);
         c.FloodFillSurface(128, 128);
     }},
    {"thick_line", Kind::Filled, [](SheetCanvas& c) { Line(c, {30, 40}, {220, 180}, 5); }},
    {"two_colours_touching", Kind::Filled,
     [](SheetCanvas& c) {
         c.FillRect(QRect(40, 40, 60, 60));
         c.SetBrushColor(kBlue);
         c.FillRect(QRect(100, 60, 60, 60));
     }},
    {"at_the_sheets_edge", Kind::Filled,
     [](SheetCanvas& c) {
         c.FillRect(QRect(0, 0, 40, 256));
         c.FillRect(QRect(200, 230, 56, 26));
     }},
};

void PrintTo(const Pattern& pattern, std::ostream* out)
{
    *out << pattern.name;
}

class Scaler : public ::testing::TestWithParam<Pattern> {};

std::map<std::uint8_t, std::size_t> Areas(const std::uint8_t* pixels, std::size_t count)
{
    std::map<std::uint8_t, std::size_t> areas;
    for (std::size_t i = 0; i < count; ++i)
        ++areas[pixels[i]];
    return areas;
}

// The pieces the pixels of one colour make, their sides touching.
int Pieces(const std::vector<std::uint8_t>& picture, std::uint8_t colour)
{
    std::vector<bool> seen(picture.size());
    std::vector<int> next;
    int pieces = 0;
    for (int start = 0; start < static_cast<int>(picture.size()); ++start) {
        if (picture[start] != colour || seen[start])
            continue;
        ++pieces;
        seen[start] = true;
        next.assign(1, start);
        while (!next.empty()) {
            const int at = next.back();
            next.pop_back();
            const int x = at % kSize, y = at / kSize;
            const std::array<std::array<int, 2>, 4> sides{{{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}}};
            for (const auto& [sx, sy] : sides) {
                const int i = sy * kSize + sx;
                if (sx < 0 || sy < 0 || sx >= kSize || sy >= kSize || seen[i] || picture[i] != colour)
                    continue;
                seen[i] = true;
                next.push_back(i);
            }
        }
    }
    return pieces;
}

TEST_P(Scaler, KeepsThePagesColoursLinesAndAreas)
{
    SheetBitmap page;
    SheetCanvas canvas(page);
    canvas.SetPenColor(kBlack);
    canvas.SetBrushColor(kRed);
    GetParam().draw(canvas);
    const std::vector<std::uint8_t> picture = SmoothPicture(page.Bits());

    const auto before = Areas(page.Bits(), kSheetBytes);
    const auto after = Areas(picture.data(), picture.size());
    for (const auto& [colour, area] : after)
        EXPECT_TRUE(before.contains(colour)) << "colour " << int(colour) << " is not on the page";
    if (GetParam().kind == Kind::ThinLine) {
        ASSERT_TRUE(after.contains(kBlack));
        EXPECT_EQ(Pieces(picture, kBlack), 1) << "the line is one path, its pixels' sides touching";
        return;
    }
    for (const auto& [colour, area] : before) {
        const double scaled = static_cast<double>(after.contains(colour) ? after.at(colour) : 0)
                              / (SmoothPage::kScale * SmoothPage::kScale);
        EXPECT_NEAR(scaled, static_cast<double>(area), 0.02 * static_cast<double>(area)) << "colour " << int(colour);
    }
}

INSTANTIATE_TEST_SUITE_P(SmoothPage, Scaler, ::testing::ValuesIn(kPatterns),
                         [](const auto& testInfo) { return std::string(testInfo.param.name); });

struct Change {
    const char* name;
    QRect rect; // filled in red on a page with a circle
};

class ChangedRows : public ::testing::TestWithParam<Change> {};

TEST_P(ChangedRows, MakeThePictureOfTheWholePageAgain)
{
    SheetBitmap page;
    SheetCanvas canvas(page);
    canvas.SetPenColor(kBlack);
    Circle(canvas, {128, 128}, 100);
    std::vector<std::uint8_t> picture(SmoothPage::kBytes, kWhite);
    SmoothPage smooth;
    smooth.Make(page.Bits(), picture.data());

    const QRect rect = GetParam().rect;
    canvas.SetBrushColor(kRed);
    canvas.FillRect(rect);
    const PictureRows made = smooth.Make(page.Bits(), picture.data(), rect.top(), rect.bottom() + 1);
    EXPECT_EQ(picture, SmoothPicture(page.Bits()));
    EXPECT_LE(made.bottom - made.top, (rect.height() + 4) * SmoothPage::kScale) << "only the rows around the change";
}

INSTANTIATE_TEST_SUITE_P(SmoothPage, ChangedRows,
                         ::testing::Values(Change{"middle", QRect(20, 100, 200, 3)}, Change{"top", QRect(50, 0, 9, 1)},
                                           Change{"bottom", QRect(0, 250, 256, 6)},
                                           Change{"one_row", QRect(27, 28, 1, 1)}),
                         [](const auto& testInfo) { return std::string(testInfo.param.name); });

} // namespace
