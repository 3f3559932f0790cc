#include "notebook/Notebook.h"
#include "notebook/UndoHistory.h"
#include "SilentPanel.h"
#include "turtle/TurtleMotion.h"
#include "turtle/TurtleSheet.h"

#include <QImage>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <random>

namespace {

// The turtle, its sheet and a notebook of two pages, the first in front, as the program has them.
struct Workspace {
    Workspace()
    {
        StartOnWhiteSheet(sheet);
        notebook.EmptySlots();
        notebook.StartNotebook();
        notebook.NewPage(false);
        notebook.PrevPage();
    }

    void Run(void (TurtleMotion::*start)(int), int amount)
    {
        (motion.*start)(amount);
        while (motion.State != CommandState::Idle)
            motion.StepCommand(33);
    }

    TTurtleState turtle;
    SilentPanel panel;
    TurtleSheet sheet{turtle, panel};
    Notebook notebook{sheet};
    TurtleMotion motion{sheet};
    UndoHistory history{notebook, sheet};
};

// What an undo is measured against: going to the next page and back, one switch at a time.
void PageSwitch(benchmark::State& state)
{
    Workspace w;
    bool forth = true;
    for (auto _ : state) {
        if (forth)
            w.notebook.NextPage();
        else
            w.notebook.PrevPage();
        forth = !forth;
        benchmark::ClobberMemory();
    }
}
BENCHMARK(PageSwitch);

// One undo of a forward move, or its redo, by turns.
void UndoForward(benchmark::State& state)
{
    Workspace w;
    w.history.BeginStep();
    w.Run(&TurtleMotion::StartForward, 100);
    w.history.Undo();
    bool undo = false;
    for (auto _ : state) {
        if (undo)
            w.history.Undo();
        else
            w.history.Redo();
        undo = !undo;
        benchmark::ClobberMemory();
    }
}
BENCHMARK(UndoForward);

// An undo right after a fill of the whole page, which first works out what the fill changed.
void FillAndUndoAtOnce(benchmark::State& state)
{
    Workspace w;
    for (auto _ : state) {
        w.history.BeginStep();
        w.sheet.Canvas().FloodFillSurface(127, 127);
        w.sheet.UpdateFloor();
        w.history.Undo();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(FillAndUndoAtOnce);

// The steps a child takes while drawing a picture: moves, turns, circles, squares, fills and
// colour changes, 32 of them.
void Memory32DrawingSteps(benchmark::State& state)
{
    for (auto _ : state) {
        Workspace w;
        for (int i = 0; i < 32; ++i) {
            w.history.BeginStep();
            switch (i % 8) {
            case 0: w.Run(&TurtleMotion::StartForward, 40 + i); break;
            case 1: w.Run(&TurtleMotion::StartRight, 45 + i); break;
            case 2: w.Run(&TurtleMotion::StartCircle, 10 + i); break;
            case 3: w.sheet.SetPenColor(i % 16); break;
            case 4: w.Run(&TurtleMotion::StartSquare, 20 + i); break;
            case 5: {
                const SheetPixel p = PixelOf(w.turtle.X, w.turtle.Y);
                w.sheet.Canvas().FloodFillSurface(p.column, p.row);
                w.sheet.UpdateFloor();
                break;
            }
            case 6: w.Run(&TurtleMotion::StartBackward, 30); break;
            case 7: w.sheet.SetPenWidth(1 + i % 8); break;
            }
        }
        w.history.BeginStep(); // the last step is worked out
        state.counters["bytes"] = static_cast<double>(w.history.MemoryBytes());
    }
}
BENCHMARK(Memory32DrawingSteps)->Unit(benchmark::kMillisecond)->Iterations(3);

// The most a drawing step can cost: 32 background pictures of pure noise.
void Memory32NoisePictures(benchmark::State& state)
{
    QTemporaryDir folder;
    std::mt19937 random(1);
    QImage picture(256, 256, QImage::Format_RGB32);
    for (auto _ : state) {
        Workspace w;
        for (int i = 0; i < 32; ++i) {
            for (int y = 0; y < 256; ++y)
                for (int x = 0; x < 256; ++x)
                    picture.setPixel(x, y, random() & 0xFFFFFF);
            const QString path = folder.filePath(QStringLiteral("noise.bmp"));
            picture.save(path, "BMP");
            w.history.BeginStep();
            w.sheet.LoadBackground(path);
        }
        w.history.BeginStep();
        state.counters["bytes"] = static_cast<double>(w.history.MemoryBytes());
    }
}
BENCHMARK(Memory32NoisePictures)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
BENCHMARK_MAIN();
