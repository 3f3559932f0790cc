#include "animation/DrawingAnimation.h"
#include "animation/RecordWalk.h"
#include "DrawnPage.h"
#include "notebook/PageReplay.h"
#include "notebook/TurtleWalker.h"
#include "storage/NotebookReader.h"
#include "storage/NotebookWriter.h"

#include <QFileInfo>
#include <QObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cstring>

namespace {

// What a page's record of a thousand commands holds in memory: right angles (argument 0) and
// any angle (1) alike, the entries and the page's start only.
void RecordOfThousandCommands(benchmark::State& state)
{
    for (auto _ : state) {
        DrawnPage w;
        w.Draw(1000, state.range(0) != 0);
        const DrawingRecord& record = w.notebook.RecordOf(0);
        state.counters["bytes"] = static_cast<double>(record.MemoryBytes());
        state.counters["entries"] = static_cast<double>(record.Size());
    }
}
BENCHMARK(RecordOfThousandCommands)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(1);

// Walking and recording a thousand commands and ten thousand: each entry costs the same
// however long the record already is.
void WalkAndRecord(benchmark::State& state)
{
    for (auto _ : state) {
        DrawnPage w;
        w.Draw(static_cast<int>(state.range(0)), true);
        benchmark::DoNotOptimize(w.notebook.RecordOf(0).Size());
    }
}
BENCHMARK(WalkAndRecord)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(1);

// A page of a thousand commands at any angle drawn again at Błyskawicznie, with nothing
// rendered: the walker's own cost.
void ReplayThousandCommands(benchmark::State& state)
{
    DrawnPage w;
    w.Draw(1000, true);
    PageReplay replay(w.sheet, w.walker);
    for (auto _ : state) {
        replay.Start(w.notebook.RecordOf(0));
        while (replay.Running())
            w.walker.WalkFor();
    }
    state.counters["matched"] = replay.Matched() ? 1 : 0;
}
BENCHMARK(ReplayThousandCommands)->Unit(benchmark::kMillisecond);

// The same page written as an animated picture: walked off the screen, framed and encoded
// (goal: under 1 s of CPU, beside the replay above).
void AnimationOfThousandCommands(benchmark::State& state)
{
    DrawnPage w;
    w.Draw(1000, true);
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("strona.gif"));
    std::array<std::uint32_t, 256> palette{};
    std::copy(w.sheet.Sheet().Palette().begin(), w.sheet.Sheet().Palette().end(), palette.begin());
    for (auto _ : state) {
        RecordWalk walk(w.notebook.RecordOf(0), w.sheet.FloorBits(), w.turtle);
        DrawingAnimation animation;
        benchmark::DoNotOptimize(animation.Write(walk, palette, path, [](double) { return true; }));
    }
    const auto bytes = static_cast<double>(QFileInfo(path).size());
    state.counters["bytes"] = bytes;
    // The baseline for the size: the same frames as a lossless optimiser writes them (goal:
    // within 1.2 times), where one is installed.
    const QString optimiser = QStandardPaths::findExecutable(QStringLiteral("gifsicle"));
    if (optimiser.isEmpty())
        return;
    const QString optimised = folder.filePath(QStringLiteral("optimised.gif"));
    if (QProcess::execute(optimiser, {QStringLiteral("-O3"), path, QStringLiteral("-o"), optimised}) != 0)
        return;
    const auto baseline = static_cast<double>(QFileInfo(optimised).size());
    state.counters["gifsicle_O3_bytes"] = baseline;
    state.counters["times_gifsicle"] = bytes / baseline;
}
BENCHMARK(AnimationOfThousandCommands)->Unit(benchmark::kMillisecond);

// Opening a notebook of eight pages of a thousand commands each: read, checked and in place.
void OpenEightPagesOfThousandCommands(benchmark::State& state)
{
    DrawnPage w;
    w.Draw(1000, true);
    NotebookContent content = w.notebook.Contents();
    content.Pages.resize(kMaxNotebookPages, content.Pages[0]);
    QTemporaryDir dir;
    const QString name = QStringLiteral("RYSUNKI");
    if (NotebookWriter().Save(dir.path(), name, content).Fault != NotebookFault::None) {
        state.SkipWithError("not saved");
        return;
    }
    std::size_t kept = 0;
    for (auto _ : state) {
        const NotebookReading reading = ReadNotebook(dir.path(), name);
        w.notebook.Replace(reading.Content);
        kept = w.notebook.RecordOf(kMaxNotebookPages - 1).Size();
    }
    state.counters["entries_kept"] = static_cast<double>(kept);
}
BENCHMARK(OpenEightPagesOfThousandCommands)->Unit(benchmark::kMillisecond);

// The baseline for the walk: copying a whole page a hundred times, as a walk did once a slice.
void CopyPagePerUnit(benchmark::State& state)
{
    std::array<std::uint8_t, kSheetBytes> from{}, to{};
    for (auto _ : state)
        for (int unit = 0; unit < 100; ++unit) {
            benchmark::DoNotOptimize(from.data());
            std::memcpy(to.data(), from.data(), kSheetBytes);
            benchmark::DoNotOptimize(to.data());
            benchmark::ClobberMemory();
        }
}
BENCHMARK(CopyPagePerUnit);

} // namespace
BENCHMARK_MAIN();
