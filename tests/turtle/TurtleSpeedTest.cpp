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
    int ended = 0;
    void EndCommand() override { ++ended; }
    void MarkPageDrawn() override {}
};

// A turtle on a sheet of its own, walked pass after pass as the main loop walks it.
struct Walker {
    Walker()
    {
        sheet.AttachFloor(floor);
        sheet.ResetTurtle();
        sheet.UpdateFloor();
    }

    // Passes of `dt` ms at `speed` until the command ends: how many, and the time they took.
    std::pair<int, std::uint32_t> Walk(TurtleSpeed& speed, std::uint32_t dt)
    {
        int passes = 0;
        std::uint32_t elapsed = 0;
        for (; motion.State != CommandState::Idle && passes < 100000; ++passes) {
            speed.Pass(
                passes == 0 ? 0 : dt, [this](std::uint32_t ms) { motion.StepCommand(ms); },
                [this] { return motion.State != CommandState::Idle; });
            elapsed += passes == 0 ? 0 : dt;
        }
        return {passes, elapsed};
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
};

struct Command {
    const char* name;
    std::function<void(TurtleMotion&)> start;
};

const Command kCommands[] = {
    {"Forward", [](TurtleMotion& m) { m.StartForward(100); }},
    {"Left", [](TurtleMotion& m) { m.StartLeft(90); }},
    {"Circle", [](TurtleMotion& m) { m.StartCircle(50); }},
    {"Square", [](TurtleMotion& m) { m.StartSquare(50); }},
};

class EveryCommand : public ::testing::TestWithParam<Command> {};

TEST_P(EveryCommand, ScaledPacesTakeTheirShareOfTheNormalTimeAndEndWhereNormalEnds)
{
    // 15 ms passes leave half milliseconds at Slow, which must not be lost.
    constexpr std::uint32_t kPass = 15;
    Walker today;
    GetParam().start(today.motion);
    today.motion.StepCommand(0);
    std::uint32_t todayTime = 0;
    while (today.motion.State != CommandState::Idle) {
        today.motion.StepCommand(kPass);
        todayTime += kPass;
    }

    const struct {
        TurtlePace pace;
        double factor;
    } paces[] = {{TurtlePace::Normal, 1.0}, {TurtlePace::Slow, 0.5}, {TurtlePace::Fast, 4.0}};
    for (const auto& [pace, factor] : paces) {
        SCOPED_TRACE(factor);
        TurtleSpeed speed;
        speed.SetPace(pace);
        Walker walker;
        GetParam().start(walker.motion);
        const std::uint32_t time = walker.Walk(speed, kPass).second;
        // Each of a square's eight parts may end a pass apart from where it ends today.
        EXPECT_NEAR(time, todayTime / factor, kPass * 8);
        EXPECT_EQ(walker.host.ended, 1);
        EXPECT_NEAR(walker.turtle.X, today.turtle.X, 1e-9);
        EXPECT_NEAR(walker.turtle.Y, today.turtle.Y, 1e-9);
        EXPECT_NEAR(walker.turtle.Heading, today.turtle.Heading, 1e-9);
        if (pace == TurtlePace::Normal) {
            EXPECT_EQ(time, todayTime);
            EXPECT_TRUE(walker.SameDrawing(today)) << "Normal is the walk as it always was";
        }
    }
}

TEST_P(EveryCommand, InstantEndsInOnePassDrawingWhatNormalDrawsInFrames)
{
    TurtleSpeed instant;
    instant.SetPace(TurtlePace::Instant);
    Walker now;
    GetParam().start(now.motion);
    EXPECT_EQ(now.Walk(instant, 0).first, 1);
    EXPECT_EQ(now.host.ended, 1);

    TurtleSpeed normal;
    Walker framed;
    GetParam().start(framed.motion);
    framed.Walk(normal, TurtleSpeed::kInstantSliceMs);
    EXPECT_TRUE(now.SameDrawing(framed)) << "a circle is many short chords, not one";
}

INSTANTIATE_TEST_SUITE_P(TurtleSpeed, EveryCommand, ::testing::ValuesIn(kCommands),
                         [](const ::testing::TestParamInfo<Command>& command) { return std::string(command.param.name); });

TEST(TurtleSpeedTest, SlowLosesNoTimeEvenInPassesOfOneMillisecond)
{
    TurtleSpeed speed;
    speed.SetPace(TurtlePace::Slow);
    std::uint32_t walked = 0;
    for (int pass = 0; pass < 1000; ++pass)
        speed.Pass(1, [&](std::uint32_t ms) { walked += ms; }, [] { return true; });
    EXPECT_EQ(walked, 500u);
}

} // namespace
