#include "fakes/MemoryFloor.h"
#include "fakes/RecordingPanel.h"
#include "turtle/TurtleMotion.h"
#include "turtle/TurtleSheet.h"
#include "turtle/TurtleSpeed.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

namespace {

struct Host final : MotionHost {
    void EndCommand() override {}
};

// A turtle on a sheet of its own, started on a command and walked in passes of `dt` ms, at a
// speed or (without one) as the main loop always walked it.
struct Walker {
    Walker(const std::function<void(TurtleMotion&)>& start, std::uint32_t dt, TurtleSpeed* speed)
    {
        sheet.AttachFloor(floor);
        sheet.ResetTurtle();
        start(motion);
        const auto step = [this](std::uint32_t ms) { motion.StepCommand(ms); };
        const auto walking = [this] { return motion.State != CommandState::Idle; };
        for (std::uint32_t pass = 0; walking(); ++passes, time += pass, pass = dt)
            speed ? speed->Pass(pass, step, walking) : step(pass);
    }
    bool SameDrawing(const Walker& other) const
    {
        return turtle == other.turtle && std::memcmp(floor.pixels.data(), other.floor.pixels.data(), kSheetBytes) == 0;
    }

    TTurtleState turtle;
    RecordingPanel panel;
    MemoryFloor floor;
    TurtleSheet sheet{turtle, panel};
    Host host;
    TurtleMotion motion{sheet, host};
    int passes = 0;
    std::uint32_t time = 0;
};

struct Command {
    const char* name;
    std::function<void(TurtleMotion&)> start;
};

class EveryCommand : public ::testing::TestWithParam<Command> {};

TEST_P(EveryCommand, SlowNormalAndFastTakeTheirShareOfTodaysTimeAndEndWhereItEnds)
{
    // Passes of 15 ms leave half milliseconds at Slow, which must not be lost.
    const Walker today(GetParam().start, 15, nullptr);
    const std::pair<TurtlePace, double> paces[] = {{TurtlePace::Slow, 0.5}, {TurtlePace::Normal, 1.0}, {TurtlePace::Fast, 4.0}};
    for (const auto& [pace, factor] : paces) {
        TurtleSpeed speed;
        speed.SetPace(pace);
        const Walker walker(GetParam().start, 15, &speed);
        // Each of a square's eight parts may end a pass apart from where it ends today.
        EXPECT_NEAR(walker.time, today.time / factor, 15 * 8) << factor;
        EXPECT_NEAR(walker.turtle.X, today.turtle.X, 1e-9) << factor;
        EXPECT_NEAR(walker.turtle.Y, today.turtle.Y, 1e-9) << factor;
        EXPECT_NEAR(walker.turtle.Heading, today.turtle.Heading, 1e-9) << factor;
        if (pace == TurtlePace::Normal) {
            EXPECT_TRUE(walker.time == today.time && walker.SameDrawing(today)) << "Normal is the walk as it always was";
        }
    }
}

TEST_P(EveryCommand, InstantEndsInOnePassDrawingWhatNormalDrawsFrameByFrame)
{
    TurtleSpeed instant;
    instant.SetPace(TurtlePace::Instant);
    const Walker now(GetParam().start, 0, &instant);
    EXPECT_EQ(now.passes, 1);
    // As at Normal in frames of 16 ms: a circle too is many short chords, not one.
    EXPECT_TRUE(now.SameDrawing(Walker(GetParam().start, 16, nullptr)));
}

INSTANTIATE_TEST_SUITE_P(TurtleSpeed, EveryCommand,
                         ::testing::Values(Command{"Forward", [](TurtleMotion& m) { m.StartForward(100); }},
                                           Command{"Left", [](TurtleMotion& m) { m.StartLeft(90); }},
                                           Command{"Circle", [](TurtleMotion& m) { m.StartCircle(50); }},
                                           Command{"Square", [](TurtleMotion& m) { m.StartSquare(50); }}),
                         [](const ::testing::TestParamInfo<Command>& command) { return std::string(command.param.name); });

} // namespace
