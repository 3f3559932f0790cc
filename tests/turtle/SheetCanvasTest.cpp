#include "turtle/SheetCanvas.h"

#include "turtle/SheetColors.h"

#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>
#include <set>

namespace {

using Pixels = std::set<std::pair<int, int>>;
constexpr std::uint8_t kBlue = 12, kRed = 9, kWhite = SheetBitmap::kWhite;
const QRect kAll(0, 0, kSheetSize, kSheetSize);

struct Sheet {
    SheetBitmap bitmap;
    SheetCanvas canvas{bitmap};
    Sheet() { canvas.SetPenColor(kBlue); canvas.SetBrushColor(kRed); }

    Pixels Where(std::uint8_t colour, QRect area = kAll) const
    {
        Pixels result;
        for (int i = 0; i < kSheetBytes; ++i)
            if (bitmap.Bits()[i] == colour && area.contains(i % kSheetSize, i / kSheetSize))
                result.insert({i % kSheetSize, i / kSheetSize});
        return result;
    }
    int Count(std::uint8_t colour, QRect area = kAll) const { return int(Where(colour, area).size()); }
    void Line(QPoint a, QPoint b, int width = 1) { canvas.SetPenWidth(width); canvas.MoveTo(a.x(), a.y()); canvas.LineTo(b.x(), b.y()); }
};

Pixels Along(int (*rowOf)(int))
{
    Pixels result;
    for (int x = 0; x < kSheetSize; ++x)
        result.insert({x, rowOf(x)});
    return result;
}

TEST(SheetCanvas, ThinLinesAreExactAndLeaveOutTheirEndPoint)
{
    const struct { QPoint from, to; Pixels expected; int width = 1; } cases[] = {
        {{10, 10}, {10, 14}, {{10, 10}, {10, 11}, {10, 12}, {10, 13}}},
        {{10, 10}, {6, 10}, {{10, 10}, {9, 10}, {8, 10}, {7, 10}}},
        {{0, 0}, {3, 3}, {{0, 0}, {1, 1}, {2, 2}}},
        {{5, 5}, {2, 6}, {{5, 5}, {4, 5}, {3, 6}}},
        {{7, 7}, {7, 7}, {}},
        {{7, 7}, {7, 7}, {}, 8},
        // From far outside only the part on the sheet is walked, in the line's own phase.
        {{INT_MIN, INT_MIN}, {INT_MAX, INT_MAX}, Along([](int x) { return x; })},
        {{-30, 0}, {3000, 1010}, Along([](int x) { return (x + 31) / 3; })},
    };
    for (const auto& c : cases) {
        Sheet s;
        s.Line(c.from, c.to, c.width);
        EXPECT_EQ(s.Where(kBlue), c.expected) << c.from.x() << "," << c.from.y();
        EXPECT_EQ(s.canvas.PenPos(), c.to);
    }
}

TEST(SheetCanvas, WidePenIsWidthAcrossAndCoversBothEndsRoundly)
{
    for (int w = 2; w <= SheetCanvas::kMaxPenWidth; ++w) {
        Sheet v;
        v.Line({100, 50}, {100, 150}, w);
        EXPECT_EQ(v.Count(kBlue, QRect(0, 100, 256, 1)), w) << w;
        EXPECT_EQ(v.Count(kBlue, QRect(100, 0, 1, 256)), 101 + w - 1) << w; // past both ends
        const int capRow = v.Count(kBlue, QRect(0, 150 + w / 2, 256, 1));
        EXPECT_TRUE(w < 4 || capRow < w) << w; // round: the cap's last row is narrower
        Sheet edge; // a line ending just off the sheet still leaves its cap on it
        edge.Line({-1'000'000, 100}, {-(w / 2), 100}, w);
        EXPECT_EQ(edge.Where(kBlue, QRect(0, 100, 256, 1)), (Pixels{{0, 100}})) << w;
    }
}

TEST(SheetCanvas, FillRectIsClippedAndExcludesRightAndBottom)
{
    const std::pair<QRect, int> cases[] = {
        {QRect(10, 10, 5, 3), 15},  {QRect(-5, -5, 10, 10), 25}, {QRect(250, 252, 100, 100), 24}, {kAll, 65536},
        {QRect(300, 0, 5, 5), 0}, {QRect(20, 20, -5, 5), 0}, {QRect(QPoint(INT_MIN, INT_MIN), QPoint(INT_MAX - 1, 0)), 256},
    };
    for (const auto& [rect, count] : cases) {
        Sheet s;
        s.canvas.FillRect(rect);
        EXPECT_EQ(s.Count(kRed), count) << rect.x() << "," << rect.y();
    }
}

TEST(SheetCanvas, FloodFillTakesThe4ConnectedRegion)
{
    Sheet s;
    s.canvas.MoveTo(10, 10);
    for (const QPoint corner : {QPoint(30, 10), QPoint(30, 30), QPoint(10, 30), QPoint(10, 10)})
        s.canvas.LineTo(corner.x(), corner.y());
    s.canvas.FloodFillSurface(20, 20);
    s.canvas.FloodFillSurface(25, 25); // the brush is now the region's own colour: nothing to do
    Sheet inside;
    inside.canvas.FillRect(QRect(11, 11, 19, 19));
    EXPECT_EQ(s.Where(kRed), inside.Where(kRed));
    s.canvas.FloodFillSurface(10, 20); // the outline itself
    EXPECT_EQ(s.Count(kRed), 19 * 19 + 80);
    EXPECT_EQ(s.Count(kBlue), 0);

    // A one-pixel diagonal walls off a 4-connected fill.
    Sheet d;
    d.Line({0, 0}, {256, 256});
    d.canvas.FloodFillSurface(200, 10);
    EXPECT_EQ(d.Count(kRed), 255 * 256 / 2);

    Sheet whole;
    whole.canvas.FloodFillSurface(255, 255);
    EXPECT_EQ(whole.Count(kRed), 65536);
}

// Walls of a few kinds, where a span fill must turn back into rows it came from: noise, combs
// open at alternate ends, and spirals of a few turns.
struct Walls {
    const char* name;
    bool (*wall)(int x, int y, std::uint32_t noise);
};

const Walls kWalls[] = {
    {"noise", [](int, int, std::uint32_t noise) { return noise % 100 < 40; }},
    {"combs", [](int x, int y, std::uint32_t) { return x % 6 == 3 && (x / 6 % 2 == 0 ? y > 2 : y < 253); }},
    {"rings", [](int x, int y, std::uint32_t) {
         const int ring = std::max(std::abs(x - 128), std::abs(y - 128));
         return ring % 8 == 0 && !(ring / 8 % 2 == 0 ? x == 128 + ring : x == 128 - ring);
     }},
};

class FloodFill : public ::testing::TestWithParam<Walls> {};

TEST_P(FloodFill, TakesWhatAPixelByPixelFillTakes)
{
    std::mt19937 random(7);
    Sheet s;
    for (int i = 0; i < kSheetBytes; ++i)
        s.bitmap.Bits()[i] = GetParam().wall(i % kSheetSize, i / kSheetSize, static_cast<std::uint32_t>(random())) ? kBlue : kWhite;
    std::vector<std::uint8_t> expected(s.bitmap.Bits(), s.bitmap.Bits() + kSheetBytes);
    for (const QPoint seed : {QPoint(127, 127), QPoint(0, 0), QPoint(255, 3), QPoint(40, 250)}) {
        const std::uint8_t target = expected[static_cast<std::size_t>(seed.y() * kSheetSize + seed.x())];
        if (target == kRed)
            continue;
        std::vector<QPoint> open{seed};
        while (!open.empty()) {
            const QPoint p = open.back();
            open.pop_back();
            if (!kAll.contains(p) || expected[static_cast<std::size_t>(p.y() * kSheetSize + p.x())] != target)
                continue;
            expected[static_cast<std::size_t>(p.y() * kSheetSize + p.x())] = kRed;
            open.insert(open.end(), {p + QPoint(1, 0), p - QPoint(1, 0), p + QPoint(0, 1), p - QPoint(0, 1)});
        }
        s.canvas.FloodFillSurface(seed.x(), seed.y());
    }
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), s.bitmap.Bits()));
}

INSTANTIATE_TEST_SUITE_P(SheetCanvas, FloodFill, ::testing::ValuesIn(kWalls),
                         [](const auto& instance) { return std::string(instance.param.name); });

TEST(SheetCanvas, CopyRectMapsToNearestColourAndClips)
{
    // Picture pixel (x, y) is near palette colour x + 5y, so every copied pixel tells its origin.
    QImage picture(5, 3, QImage::Format_Indexed8);
    for (int i = 0; i < 15; ++i) {
        picture.setColor(i, SheetPalette()[std::size_t(i)] ^ 0x101010); // every channel off by 16
        picture.setPixel(i % 5, i / 5, uint(i));
    }
    const QRect all = picture.rect();
    const std::pair<QRect, QPoint> cases[] = {
        {all, {-2, 7}}, {all, {253, 7}}, {all, {7, -1}}, {all, {7, 254}}, {all, {300, 0}},
        {QRect(-1, -1, 8, 8), {0, 0}}, {QRect(1, 1, 2, 2), {100, 100}},
    };
    for (const auto& [source, target] : cases) {
        Sheet s;
        s.canvas.CopyRect(picture, source, target);
        for (int y = -1; y <= kSheetSize; ++y)
            for (int x = -1; x <= kSheetSize; ++x) {
                const QPoint from = QPoint(x, y) - target + source.topLeft();
                const int expected = !SheetBitmap::Contains(x, y) ? -1
                    : source.contains(from) && all.contains(from) ? from.x() + 5 * from.y() : kWhite;
                ASSERT_EQ(s.canvas.Pixel(x, y), expected) << x << "," << y;
            }
    }
}

} // namespace
