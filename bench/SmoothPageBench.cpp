#include "turtle/SheetCanvas.h"
#include "turtle/SmoothPage.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>
#include <vector>

// The page magnified four times with smooth edges, beside a plain enlargement of each pixel to a
// 4 × 4 block (goal: the whole page under 10 ms).

namespace {

// A busy page: rays, rings and fills in four colours, stair steps everywhere.
SheetBitmap DrawnPage()
{
    SheetBitmap page;
    SheetCanvas canvas(page);
    for (int ray = 0; ray < 48; ++ray) {
        const double angle = 2.0 * std::numbers::pi * ray / 48;
        canvas.SetPenColor(static_cast<std::uint8_t>(ray % 4));
        canvas.SetPenWidth(1 + ray % 3);
        canvas.MoveTo(128, 128);
        canvas.LineTo(128 + static_cast<int>(120 * std::cos(angle)), 128 + static_cast<int>(120 * std::sin(angle)));
    }
    canvas.SetBrushColor(12);
    canvas.FillRect(QRect(100, 100, 56, 56));
    return page;
}

void NearestFourTimes(benchmark::State& state)
{
    const SheetBitmap page = DrawnPage();
    std::vector<std::uint8_t> picture(SmoothPage::kBytes);
    for (auto _ : state) {
        for (int y = 0; y < SmoothPage::kSize; ++y) {
            const std::uint8_t* row = page.Bits() + (y / SmoothPage::kScale) * kSheetSize;
            std::uint8_t* out = picture.data() + static_cast<std::ptrdiff_t>(y) * SmoothPage::kSize;
            for (int x = 0; x < SmoothPage::kSize; ++x)
                out[x] = row[x / SmoothPage::kScale];
        }
        benchmark::DoNotOptimize(picture.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(NearestFourTimes)->Unit(benchmark::kMillisecond);

void SmoothWholePage(benchmark::State& state)
{
    const SheetBitmap page = DrawnPage();
    std::vector<std::uint8_t> picture(SmoothPage::kBytes);
    SmoothPage smooth;
    for (auto _ : state) {
        smooth.Make(page.Bits(), picture.data());
        benchmark::DoNotOptimize(picture.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(SmoothWholePage)->Unit(benchmark::kMillisecond);

// What a walk of one short line leaves: eight rows changed.
void SmoothEightRows(benchmark::State& state)
{
    const SheetBitmap page = DrawnPage();
    std::vector<std::uint8_t> picture(SmoothPage::kBytes);
    SmoothPage smooth;
    smooth.Make(page.Bits(), picture.data());
    for (auto _ : state) {
        smooth.Make(page.Bits(), picture.data(), 120, 128);
        benchmark::DoNotOptimize(picture.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(SmoothEightRows)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
