#include "fakes/ManualClock.h"
#include "fakes/MemoryFloor.h"
#include "fakes/RecordingPanel.h"
#include "notebook/TurtleWalker.h"
#include "storage/OwnCommand.h"
#include "turtle/TurtleSheet.h"
#include "win/TickClock.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace {

// A tick clock that moves on at every reading by the next of a few uneven steps, as if each
// unit the walker did took that long, and keeps what it read out.
class UnitClock final : public win::TickClock {
public:
    UnitClock() { win::SetTickClock(this); }
    ~UnitClock() override { win::SetTickClock(nullptr); }
    UnitClock(const UnitClock&) = delete;
    UnitClock& operator=(const UnitClock&) = delete;
    std::uint32_t Now() const override
    {
        static constexpr std::uint32_t kSteps[] = {1, 5, 2, 9, 3};
        now += kSteps[read.size() % std::size(kSteps)];
        read.push_back(now);
        return now;
    }
    mutable std::uint32_t now = 1000;
    mutable std::vector<std::uint32_t> read;
};

// A turtle on a sheet of its own that walks one entry in passes of the given times.
struct Walk {
    Walk(const RecordEntry& entry, const std::function<double(int)>& passTime)
    {
        sheet.AttachFloor(floor);
        sheet.ResetTurtle();
        sheet.FillFloorImage(SheetBitmap::kWhite);
        sheet.UpdateSheetFromFloor();
        walker.SetDriven(true);
        EXPECT_TRUE(walker.Run({entry}));
        for (; walker.Busy() && passes < 100000; ++passes) {
            const double time = passTime(passes);
            if (time < 0)
                walker.WalkFor();
            else
                walker.Walk(time);
        }
    }
    ~Walk() { sheet.DetachFloor(); }
    bool SameDrawing(const Walk& other) const
    {
        return turtle == other.turtle && floor.pixels == other.floor.pixels
               && std::memcmp(sheet.Sheet().Bits(), floor.pixels.data(), kSheetBytes) == 0;
    }

    TTurtleState turtle;
    RecordingPanel panel;
    MemoryFloor floor;
    TurtleSheet sheet{turtle, panel};
    TurtleWalker walker{sheet};
    int passes = 0;
};

struct Pattern {
    const char* name;
    std::function<double(int)> passTime; // below nought: the whole entry at once
};

const Pattern kPatterns[] = {
    {"steady_16_ms", [](int) { return 16.0; }},
    {"jittered", [](int pass) { return static_cast<double>(std::minstd_rand(static_cast<unsigned>(pass) + 1)() % 70); }},
    {"one_pass_of_1500_ms", [](int pass) { return pass == 40 ? 1500.0 : 16.0; }},
    {"fractions_at_half_speed", [](int) { return 16.6 * 0.5; }},
    {"at_the_top_speed", [](int) { return -1.0; }},
};

struct Command {
    const char* name;
    RecordEntry entry;
};

const Command kCommands[] = {
    {"Forward", EntryOf(RecordOp::Forward, 100)}, {"Backward", EntryOf(RecordOp::Backward, 37)},
    {"Right", EntryOf(RecordOp::Right, 90)},      {"Left", EntryOf(RecordOp::Left, 33)},
    {"Circle", EntryOf(RecordOp::Circle, 50)},    {"Square", EntryOf(RecordOp::Square, 50)},
};

class EveryCommand : public ::testing::TestWithParam<std::tuple<Command, Pattern>> {};

TEST_P(EveryCommand, DrawsTheSamePixelsAndEndsInTheSamePlaceWhateverThePassesTook)
{
    const auto& [command, pattern] = GetParam();
    const Walk steady(command.entry, kPatterns[0].passTime);
    const Walk walked(command.entry, pattern.passTime);
    const bool drew = std::ranges::any_of(steady.floor.pixels, [](std::uint8_t p) { return p != SheetBitmap::kWhite; });
    ASSERT_TRUE(drew || steady.turtle.Heading != 0.0) << "the command did something";
    EXPECT_TRUE(walked.SameDrawing(steady));
    EXPECT_FALSE(walked.walker.Busy());
    EXPECT_EQ(walked.floor.rests, 1) << "the floor rests once the walk has ended";
}

INSTANTIATE_TEST_SUITE_P(
    TurtleWalker, EveryCommand, ::testing::Combine(::testing::ValuesIn(kCommands), ::testing::ValuesIn(kPatterns)),
    [](const ::testing::TestParamInfo<std::tuple<Command, Pattern>>& p) {
        return std::string(std::get<0>(p.param).name) + "_" + std::get<1>(p.param).name;
    });

TEST(TurtleWalker, AWalkStoppedOnTheWayKeepsItsSlicesAndWalksAgainToTheSamePixel)
{
    const ManualClock still; // the call walks all it is given
    Walk first(EntryOf(RecordOp::Circle, 50), [](int) { return 0.0; });
    QSignalSpy ran(&first.walker, &TurtleWalker::EntryRan);
    QSignalSpy busy(&first.walker, &TurtleWalker::BusyChanged);
    first.walker.Walk(16 * 100 + 7);
    first.walker.Stop();
    ASSERT_EQ(ran.size(), 1);
    const auto stopped = ran[0][0].value<RecordEntry>();
    EXPECT_EQ(stopped.StoppedAfter, 100u);
    EXPECT_EQ(busy.size(), 1);
    EXPECT_FALSE(first.walker.Busy());
    EXPECT_EQ(first.floor.rests, 1);

    const Walk again(stopped, [](int pass) { return pass % 2 ? 3.0 : 50.0; });
    EXPECT_TRUE(again.SameDrawing(first));
}

TEST(TurtleWalker, TakesNoWalkWhileBusyOrWithNobodyToWalkItOn)
{
    Walk walk(EntryOf(RecordOp::Home), [](int) { return 16.0; });
    walk.walker.SetDriven(false);
    EXPECT_FALSE(walk.walker.Run({EntryOf(RecordOp::Forward, 10)}));
    {
        const UnitClock busyMachine;
        EXPECT_TRUE(walk.walker.Run(std::vector<RecordEntry>(50, EntryOf(RecordOp::Fill))));
        EXPECT_FALSE(walk.walker.Busy()) << "what needs no walk is done at once, however long it takes";
    }
    walk.walker.SetDriven(true);
    QSignalSpy busy(&walk.walker, &TurtleWalker::BusyChanged);
    ASSERT_TRUE(walk.walker.Run({EntryOf(RecordOp::Forward, 10), EntryOf(RecordOp::Home), EntryOf(RecordOp::Left, 10)}));
    EXPECT_FALSE(walk.walker.Run({EntryOf(RecordOp::Fill)}));
    while (walk.walker.Busy())
        walk.walker.WalkFor();
    EXPECT_EQ(busy.size(), 2) << "busy once for the whole list";
    EXPECT_EQ(walk.turtle.X, 0.0);
    EXPECT_DOUBLE_EQ(walk.turtle.Heading, -10 * TurtleMotion::kPi / 180);
}

// A walk says once, at its end, that it ran into the sheet's edge; one that stays inside says nothing.
TEST(TurtleWalker, AWalkIntoTheEdgeSaysSoOnceAtItsEnd)
{
    const struct {
        const char* name;
        std::vector<RecordEntry> entries;
        int said;
    } walks[] = {
        {"inside", {EntryOf(RecordOp::Forward, 100), EntryOf(RecordOp::Square, 20)}, 0},
        {"past_the_edge", {EntryOf(RecordOp::Forward, 200)}, 1},
        {"twice_at_the_edge", {EntryOf(RecordOp::Forward, 200), EntryOf(RecordOp::Right, 90), EntryOf(RecordOp::Forward, 300)}, 1},
        {"a_square_over_the_edge", {EntryOf(RecordOp::Square, 200)}, 1},
    };
    for (const auto& walk : walks) {
        SCOPED_TRACE(walk.name);
        Walk rig(EntryOf(RecordOp::Home), [](int) { return 16.0; });
        QSignalSpy edge(&rig.walker, &TurtleWalker::ReachedEdge);
        QSignalSpy busy(&rig.walker, &TurtleWalker::BusyChanged);
        QObject::connect(&rig.walker, &TurtleWalker::ReachedEdge, [&] { EXPECT_EQ(busy.size(), 1) << "said while still busy"; });
        ASSERT_TRUE(rig.walker.Run(walk.entries));
        for (int pass = 0; rig.walker.Busy() && pass < 100000; ++pass)
            rig.walker.Walk(TurtleWalker::kSliceMs);
        EXPECT_FALSE(rig.walker.Busy());
        EXPECT_EQ(edge.size(), walk.said);
    }
}

OwnCommandPtr Taught(const std::vector<RecordEntry>& steps)
{
    auto command = std::make_shared<OwnCommand>();
    command->Name = QStringLiteral("K");
    command->Steps = DrawingRecord::Of(steps);
    return command;
}

// The flower a child teaches: pen up, forward, pen down, a circle, pen up, back, pen down, a turn.
OwnCommandPtr Flower()
{
    return Taught({EntryOf(RecordOp::PenUp), EntryOf(RecordOp::Forward, 50), EntryOf(RecordOp::PenDown),
                    EntryOf(RecordOp::Circle, 50), EntryOf(RecordOp::PenUp), EntryOf(RecordOp::Backward, 50),
                    EntryOf(RecordOp::PenDown), EntryOf(RecordOp::Right, 10)});
}

// Steps that do not walk, nested: 6 × 6 × 6 runs of colour changes and a fill.
OwnCommandPtr Standing()
{
    OwnCommandPtr inner = Taught({EntryOf(RecordOp::PenColor, 4), EntryOf(RecordOp::Fill), EntryOf(RecordOp::PenColor, 2)});
    for (int level = 0; level < 2; ++level)
        inner = Taught({RunOf(inner, 6)});
    return inner;
}

struct Drawing {
    const char* name;
    std::vector<RecordEntry> entries;
};

std::vector<Drawing> Drawings()
{
    RecordEntry stoppedBetweenSteps = RunOf(Flower(), 3);
    stoppedBetweenSteps.StoppedAfter = kStoppedInUnits | 7;
    RecordEntry stoppedOnTheWay = RunOf(Flower(), 3);
    stoppedOnTheWay.StoppedAfter = 40;
    RecordEntry walkStoppedAtOnce = EntryOf(RecordOp::Forward, 30);
    walkStoppedAtOnce.StoppedAfter = kStoppedInUnits;
    return {
        {"walks", {EntryOf(RecordOp::Forward, 60), EntryOf(RecordOp::Right, 45), EntryOf(RecordOp::Square, 30)}},
        {"own_command_run", {RunOf(Flower(), 36)}},
        {"steps_that_do_not_walk", {EntryOf(RecordOp::Forward, 20), RunOf(Standing(), 2), EntryOf(RecordOp::Left, 30)}},
        {"replay_with_stops",
         {EntryOf(RecordOp::Circle, 20), stoppedBetweenSteps, walkStoppedAtOnce, EntryOf(RecordOp::Fill), stoppedOnTheWay,
          EntryOf(RecordOp::PenWidth, 3), RunOf(Flower(), 2)}},
    };
}

// The drawing walked to its end with a pass at a time; what was reported as ran, in order.
std::vector<RecordEntry> WalkToTheEnd(Walk& walk, const std::vector<RecordEntry>& entries, const std::function<void()>& pass)
{
    std::vector<RecordEntry> ran;
    QObject::connect(&walk.walker, &TurtleWalker::EntryRan, [&ran](const RecordEntry& entry) { ran.push_back(entry); });
    EXPECT_TRUE(walk.walker.Run(entries));
    for (int passes = 0; walk.walker.Busy() && passes < 1000000; ++passes)
        pass();
    return ran;
}

class EveryDrawing : public ::testing::TestWithParam<Drawing> {};

TEST_P(EveryDrawing, AtTheTopSpeedDrawsWhatNormalDrawsAndNoPassOutrunsItsBudgetByMoreThanAUnit)
{
    const Drawing& drawing = GetParam();
    Walk normal(EntryOf(RecordOp::Home), [](int) { return 16.0; });
    const std::vector<RecordEntry> normalRan = WalkToTheEnd(normal, drawing.entries, [&] { normal.walker.Walk(16.0); });

    UnitClock clock;
    Walk top(EntryOf(RecordOp::Home), [](int) { return 16.0; });
    int passes = 0;
    const std::vector<RecordEntry> topRan = WalkToTheEnd(top, drawing.entries, [&] {
        const std::size_t first = clock.read.size();
        top.walker.WalkFor();
        ++passes;
        ASSERT_GE(clock.read.size() - first, 2U) << "a pass does at least one unit";
        if (top.walker.Busy()) {
            // The pass's start, the reading before its last unit, and after it.
            const std::uint32_t start = clock.read[first];
            const auto last = clock.read.end() - 1;
            EXPECT_LT(*(last - 1) - start, TurtleWalker::kPassBudgetMs) << "no unit begins past the budget";
            EXPECT_GE(*last - start, TurtleWalker::kPassBudgetMs) << "the budget is spent";
        }
    });
    EXPECT_GT(passes, 2) << "the drawing is seen growing";
    EXPECT_TRUE(top.SameDrawing(normal));
    ASSERT_EQ(topRan.size(), normalRan.size());
    for (std::size_t i = 0; i < topRan.size(); ++i)
        EXPECT_EQ(topRan[i].StoppedAfter, normalRan[i].StoppedAfter) << i;
}

INSTANTIATE_TEST_SUITE_P(TurtleWalker, EveryDrawing, ::testing::ValuesIn(Drawings()),
                         [](const ::testing::TestParamInfo<Drawing>& p) { return std::string(p.param.name); });

// Esc after any number of passes, on the way of a walk or between steps that do not walk: what
// the walker reports walks again to the same pixels.
TEST(TurtleWalker, ARunStoppedAnywhereWalksAgainToTheSamePixels)
{
    const RecordEntry run = RunOf(Taught({RunOf(Flower(), 2), RunOf(Standing(), 1), EntryOf(RecordOp::Left, 20)}), 2);
    UnitClock clock;
    for (int stopAfter = 0; stopAfter < 40; stopAfter += 3) {
        Walk first(EntryOf(RecordOp::Home), [](int) { return 16.0; });
        std::vector<RecordEntry> ran;
        QObject::connect(&first.walker, &TurtleWalker::EntryRan, [&ran](const RecordEntry& entry) { ran.push_back(entry); });
        ASSERT_TRUE(first.walker.Run({run}));
        for (int pass = 0; pass < stopAfter && first.walker.Busy(); ++pass)
            first.walker.WalkFor(1 + static_cast<std::uint32_t>(pass % 4) * 6);
        first.walker.Stop();
        ASSERT_EQ(ran.size(), 1U) << stopAfter;
        EXPECT_NE(ran[0].StoppedAfter, 0U) << stopAfter;

        Walk again(EntryOf(RecordOp::Home), [](int) { return 16.0; });
        WalkToTheEnd(again, ran, [&] { again.walker.Walk(16.0); });
        EXPECT_TRUE(again.SameDrawing(first)) << "stopped after " << stopAfter << " passes at " << ran[0].StoppedAfter;
    }
}

} // namespace
