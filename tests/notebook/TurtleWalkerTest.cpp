#include "fakes/MemoryFloor.h"
#include "fakes/RecordingPanel.h"
#include "notebook/TurtleWalker.h"
#include "turtle/TurtleSheet.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace {

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
                walker.WalkEntries(1);
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
    {"all_at_once", [](int) { return -1.0; }},
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
    EXPECT_TRUE(walk.walker.Run({EntryOf(RecordOp::Fill)})) << "what needs no walk is done at once";
    walk.walker.SetDriven(true);
    QSignalSpy busy(&walk.walker, &TurtleWalker::BusyChanged);
    ASSERT_TRUE(walk.walker.Run({EntryOf(RecordOp::Forward, 10), EntryOf(RecordOp::Home), EntryOf(RecordOp::Left, 10)}));
    EXPECT_FALSE(walk.walker.Run({EntryOf(RecordOp::Fill)}));
    walk.walker.WalkEntries(2);
    EXPECT_FALSE(walk.walker.Busy());
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
        rig.walker.WalkEntries(walk.entries.size());
        EXPECT_FALSE(rig.walker.Busy());
        EXPECT_EQ(edge.size(), walk.said);
    }
}

} // namespace
