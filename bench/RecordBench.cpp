#include "notebook/DrawingRecorder.h"
#include "notebook/Notebook.h"
#include "notebook/RecordSteps.h"
#include "notebook/UndoHistory.h"
#include "SilentPanel.h"
#include "turtle/TurtleMotion.h"
#include "turtle/TurtleSheet.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstring>
#include <random>

namespace {

// A page drawn by walking commands in the uneven pass times of a busy machine, every step
// recorded as the window records it.
struct Workspace {
    Workspace()
    {
        StartOnWhiteSheet(sheet);
        notebook.EmptySlots();
        notebook.StartNotebook();
    }

    void Walk(RecordOp op, int amount)
    {
        RecordEntry command;
        command.Op = op;
        command.Amount = amount;
        history.BeginStep({op, amount});
        BeginEntry(sheet, motion, command);
        while (motion.State != CommandState::Idle)
            motion.StepCommand(PassTime());
        history.EndStep();
    }

    // A frame's time, and now and then a pass the machine was busy in.
    std::uint32_t PassTime()
    {
        const int busy = std::uniform_int_distribution(0, 19)(random);
        return static_cast<std::uint32_t>(busy == 0 ? std::uniform_int_distribution(30, 60)(random)
                                                    : std::uniform_int_distribution(15, 18)(random));
    }

    // A drawing of a thousand commands: moves, turns, circles and squares, a colour or a width
    // chosen now and then. `anyAngle`: turns of any amount, not only the right angles most
    // drawings turn by, which leave every line slanting.
    void DrawThousandCommands(bool anyAngle)
    {
        constexpr std::array<RecordOp, 6> ops = {RecordOp::Forward, RecordOp::Right, RecordOp::Circle,
                                                 RecordOp::Backward, RecordOp::Left, RecordOp::Square};
        for (int i = 0; i < 1000; ++i) {
            if (i % 7 == 0)
                sheet.SetPenColor(i % 16);
            if (i % 11 == 0)
                sheet.SetPenWidth(1 + i % 3);
            const RecordOp op = ops[static_cast<std::size_t>(i) % ops.size()];
            const bool turn = op == RecordOp::Right || op == RecordOp::Left;
            Walk(op, turn && !anyAngle ? 90 : std::uniform_int_distribution(5, 60)(random));
        }
    }

    std::mt19937 random{3};
    TTurtleState turtle;
    SilentPanel panel;
    TurtleSheet sheet{turtle, panel};
    Notebook notebook{sheet};
    SilentHost host;
    TurtleMotion motion{sheet, host};
    UndoHistory history{notebook, sheet};
};

// What a page's record of a thousand commands holds in memory: "bytes" should stay under 64 KiB
// for a drawing of right angles (argument 0); slanting lines everywhere (1) cost more, as the
// record keeps the pixels where their redone walk differs.
void RecordOfThousandCommands(benchmark::State& state)
{
    for (auto _ : state) {
        Workspace w;
        w.DrawThousandCommands(state.range(0) != 0);
        const DrawingRecord& record = w.notebook.RecordOf(0);
        state.counters["bytes"] = static_cast<double>(record.MemoryBytes());
        state.counters["entries"] = static_cast<double>(record.Size());
    }
}
BENCHMARK(RecordOfThousandCommands)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(1);

// Opening a notebook redoes each page's record off the page to see that it draws the page: here
// a page of a thousand commands.
void CheckThousandCommands(benchmark::State& state)
{
    Workspace w;
    w.DrawThousandCommands(false);
    DrawingRecorder checker;
    for (auto _ : state)
        benchmark::DoNotOptimize(checker.Redraws(w.notebook.RecordOf(0), w.sheet.FloorBits(), w.turtle));
}
BENCHMARK(CheckThousandCommands)->Unit(benchmark::kMillisecond);

// One forward move of 50 walked and recorded, which redoes it off the page ...
void RecordedForward(benchmark::State& state)
{
    Workspace w;
    for (auto _ : state) {
        w.Walk(RecordOp::Forward, 50);
        w.Walk(RecordOp::Backward, 50);
    }
}
BENCHMARK(RecordedForward);

// ... beside copying the page as often as the walk itself does.
void CopyPagePerUnit(benchmark::State& state)
{
    std::array<std::uint8_t, kSheetBytes> from{}, to{};
    for (auto _ : state)
        for (int unit = 0; unit < 100; ++unit) {
            std::memcpy(to.data(), from.data(), kSheetBytes);
            benchmark::ClobberMemory();
        }
}
BENCHMARK(CopyPagePerUnit);

} // namespace
BENCHMARK_MAIN();
