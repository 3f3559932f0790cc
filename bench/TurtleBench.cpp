#include "turtle/TurtleMotion.h"
#include "SilentPanel.h"
#include "turtle/TurtleSheet.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

namespace {

struct Workspace {
    Workspace() { sheet.ResetTurtle(); }
    TTurtleState turtle;
    SilentPanel panel;
    TurtleSheet sheet{turtle, panel};
    TurtleMotion motion{sheet};
};

void Memcpy64K(benchmark::State& state)
{
    std::vector<std::uint8_t> from(kSheetBytes, 1), to(kSheetBytes);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), kSheetBytes);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * kSheetBytes);
}
BENCHMARK(Memcpy64K);

// The floor taking a frame's drawing: a line down the whole page, so every row goes across
// (beside the memcpy above, which the line's rows cost at least).
void UpdateFloor(benchmark::State& state)
{
    Workspace w;
    SheetCanvas& canvas = w.sheet.Canvas();
    int column = 0;
    for (auto _ : state) {
        column = (column + 1) % kSheetSize;
        canvas.MoveTo(column, 0);
        canvas.LineTo(column, kSheetSize - 1);
        w.sheet.UpdateFloor();
        benchmark::DoNotOptimize(w.sheet.FloorBits());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * kSheetBytes);
}
BENCHMARK(UpdateFloor);

// One main-loop pass of a forward move that draws: one unit of line with the default pen and
// the sheet copied to the floor.
void StepCommandDrawingPass(benchmark::State& state)
{
    Workspace w;
    w.motion.StartForward(100);
    for (auto _ : state) {
        if (w.turtle.Y > 120.0 || w.motion.State == CommandState::Idle) {
            w.turtle.Y = -120.0;
            w.motion.StartForward(100);
        }
        w.motion.StepCommand(34);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(StepCommandDrawingPass);

// The one pass in which an instant circle of radius 100 is drawn whole, chord by chord: how long
// the window waits for it.
void InstantCirclePass(benchmark::State& state)
{
    Workspace w;
    for (auto _ : state) {
        w.motion.StartCircle(100);
        while (w.motion.State != CommandState::Idle)
            w.motion.StepCommand(16);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(InstantCirclePass)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
