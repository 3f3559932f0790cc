#include "notebook/TurtleWalker.h"
#include "SilentPanel.h"
#include "storage/DrawingRecordCodec.h"
#include "storage/OwnCommand.h"
#include "storage/OwnCommandCodec.h"
#include "turtle/TurtleSheet.h"

#include <QJsonDocument>

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

namespace {

// An own command of twenty steps, as a child teaches a star: forward, turn, with a colour now and then.
OwnCommandPtr TwentySteps()
{
    std::vector<RecordEntry> steps;
    for (int i = 0; i < 10; ++i) {
        steps.push_back(EntryOf(i % 3 == 0 ? RecordOp::PenColor : RecordOp::Forward, i % 3 == 0 ? i : 40));
        steps.push_back(EntryOf(RecordOp::Right, 144));
    }
    auto command = std::make_shared<OwnCommand>();
    command->Name = QStringLiteral("Gwiazda");
    command->Steps = DrawingRecord::Of(steps);
    return command;
}

// From pressing the button to the first slice drawn, beside copying one frame's worth of page.
void StartOfALongRun(benchmark::State& state)
{
    TTurtleState turtle;
    SilentPanel panel;
    TurtleSheet sheet(turtle, panel);
    StartOnWhiteSheet(sheet);
    TurtleWalker walker(sheet);
    walker.SetDriven(true);
    const RecordEntry run = RunOf(TwentySteps(), kMaxOwnTimes);
    for (auto _ : state) {
        walker.Run({run});
        walker.Walk(TurtleWalker::kSliceMs);
        walker.Stop();
    }
}
BENCHMARK(StartOfALongRun);

void CopyOfAPage(benchmark::State& state)
{
    std::vector<std::uint8_t> from(kSheetBytes, 1), to(kSheetBytes);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), kSheetBytes);
        benchmark::DoNotOptimize(to.data());
    }
}
BENCHMARK(CopyOfAPage);

// A page's record holding a thousand runs of one command, as kept in memory and in the index.
void ThousandRunsRecord(benchmark::State& state)
{
    const OwnCommandPtr command = TwentySteps();
    std::vector<std::uint8_t> page(kSheetBytes, 15);
    for (auto _ : state) {
        DrawingRecord record = StartedRecord(page.data(), TTurtleState{});
        for (int i = 0; i < 1000; ++i)
            record.Append(RunOf(command, 1 + i % kMaxOwnTimes));
        benchmark::DoNotOptimize(record.Bytes().data());
        state.counters["record_bytes"] = static_cast<double>(EncodeRecord(record).size());
        state.counters["fits_16_KiB"] = EncodeRecord(record).size() < 16 * 1024 ? 1 : 0;
    }
}
BENCHMARK(ThousandRunsRecord);

// The remembered row of one command four levels deep, each level 1,000 steps running the one
// below (19 KB): a run would make 10^12 steps.
QByteArray NestedRow()
{
    std::vector<RecordEntry> steps(kMaxOwnSteps, EntryOf(RecordOp::Forward, 1));
    auto command = std::make_shared<OwnCommand>();
    command->Name = QStringLiteral("Poziom");
    command->Steps = DrawingRecord::Of(steps);
    for (int level = 2; level <= kMaxOwnDepth; ++level) {
        auto outer = std::make_shared<OwnCommand>();
        outer->Name = QStringLiteral("Poziom");
        outer->Steps = DrawingRecord::Of(std::vector<RecordEntry>(kMaxOwnSteps, RunOf(command, 1)));
        command = std::move(outer);
    }
    return EncodeOwnCommandRow({command});
}

// Reading that row as a start does (goal: under 10 ms), beside parsing its JSON alone.
void ReadingANestedRow(benchmark::State& state)
{
    const QByteArray text = NestedRow();
    for (auto _ : state)
        benchmark::DoNotOptimize(DecodeOwnCommandRow(text));
    state.counters["bytes"] = static_cast<double>(text.size());
}
BENCHMARK(ReadingANestedRow)->Unit(benchmark::kMillisecond);

void ParsingTheNestedRowsJson(benchmark::State& state)
{
    const QByteArray text = NestedRow();
    for (auto _ : state)
        benchmark::DoNotOptimize(QJsonDocument::fromJson(text));
}
BENCHMARK(ParsingTheNestedRowsJson)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
