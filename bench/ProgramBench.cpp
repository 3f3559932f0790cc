#include "SilentPanel.h"
#include "notebook/TurtleWalker.h"
#include "program/ProgramReader.h"
#include "program/ProgramWriter.h"

#include <QString>

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

namespace {

constexpr int kLines = 10000;

// A long program as a child might grow one: moves, turns, tools and repetitions.
QString TenThousandLines()
{
    const QString lines[] = {QStringLiteral("naprzód 50"), QStringLiteral("prawo 72"), QStringLiteral("kolor 4"),
                             QStringLiteral("powtórz 4 [np 10 pw 90]"), QStringLiteral("okrąg 20")};
    QString text;
    for (int i = 0; i < kLines; ++i)
        text += lines[i % std::size(lines)] + u'\n';
    return text;
}

// Reading 10,000 lines into steps (goal: under 20 ms).
void ReadTenThousandLines(benchmark::State& state)
{
    const QString text = TenThousandLines();
    for (auto _ : state) {
        const ProgramReading read = ReadProgram(text, {}, ProgramLanguage::Polish);
        benchmark::DoNotOptimize(read.Entries.data());
    }
}
BENCHMARK(ReadTenThousandLines)->Unit(benchmark::kMillisecond);

// Writing a record of 10,000 entries as the pane shows it (goal: under 50 ms).
void WriteTenThousandEntries(benchmark::State& state)
{
    const ProgramReading read = ReadProgram(TenThousandLines(), {}, ProgramLanguage::Polish);
    const DrawingRecord record = DrawingRecord::Of(read.Entries);
    for (auto _ : state) {
        const QString text = WriteProgram(record, ProgramLanguage::Polish);
        benchmark::DoNotOptimize(text.data());
    }
}
BENCHMARK(WriteTenThousandEntries)->Unit(benchmark::kMillisecond);

// A 1,000-line program read and walked at Błyskawicznie, pass after pass of the walker's
// budget, to its end (goal: under 0.5 s).
void WalkThousandLinesAtTopSpeed(benchmark::State& state)
{
    QString text;
    for (int i = 0; i < 1000; ++i)
        text += QStringLiteral("np %1\npw 91\n").arg(20 + i % 60);
    TTurtleState turtle;
    SilentPanel panel;
    TurtleSheet sheet(turtle, panel);
    TurtleWalker walker(sheet);
    walker.SetDriven(true);
    for (auto _ : state) {
        StartOnWhiteSheet(sheet);
        walker.Run(ReadProgram(text, {}, ProgramLanguage::Polish).Entries);
        while (walker.Busy())
            walker.WalkFor();
    }
}
BENCHMARK(WalkThousandLinesAtTopSpeed)->Unit(benchmark::kMillisecond);

// The baseline: copying the text's characters once.
void CopyTheText(benchmark::State& state)
{
    const QString text = TenThousandLines();
    std::vector<char16_t> copy(static_cast<std::size_t>(text.size()));
    for (auto _ : state) {
        std::memcpy(copy.data(), text.utf16(), copy.size() * sizeof(char16_t));
        benchmark::DoNotOptimize(copy.data());
    }
}
BENCHMARK(CopyTheText)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
