#include "notebook/Notebook.h"
#include "SilentPanel.h"
#include "turtle/TurtleSheet.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

namespace {

// A page switch copies the image three times: into the page left, out of the page entered,
// and from the floor into the sheet.
void Memcpy3x64K(benchmark::State& state)
{
    std::vector<std::uint8_t> a(kSheetBytes, 1), b(kSheetBytes, 2), c(kSheetBytes, 3);
    for (auto _ : state) {
        std::memcpy(b.data(), a.data(), kSheetBytes);
        std::memcpy(a.data(), c.data(), kSheetBytes);
        std::memcpy(c.data(), b.data(), kSheetBytes);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(Memcpy3x64K);

void PageSwitch(benchmark::State& state)
{
    TTurtleState turtle;
    SilentPanel panel;
    TurtleSheet sheet(turtle, panel);
    TNotebookPage leaving;
    TNotebookPage entering;
    entering.Store(turtle, sheet.FloorBits());
    for (auto _ : state) {
        leaving.Store(turtle, sheet.FloorBits());
        entering.Restore(turtle, sheet.FloorBits());
        sheet.UpdateSheetFromFloor();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(PageSwitch);

void Memset64K(benchmark::State& state)
{
    std::vector<std::uint8_t> bytes(kSheetBytes);
    std::uint8_t value = 0;
    for (auto _ : state) {
        std::memset(bytes.data(), ++value, kSheetBytes);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(Memset64K);

// A fill of the whole page (goal: within 6 times the memset above).
void FloodFillEmptySheet(benchmark::State& state)
{
    SheetBitmap sheet;
    SheetCanvas canvas(sheet);
    std::uint8_t brush = 12;
    for (auto _ : state) {
        canvas.SetBrushColor(brush);
        canvas.FloodFillSurface(127, 127);
        brush ^= 12 ^ SheetBitmap::kWhite; // white and blue by turns, so every fill has work
        benchmark::ClobberMemory();
    }
}
BENCHMARK(FloodFillEmptySheet);

} // namespace
BENCHMARK_MAIN();
