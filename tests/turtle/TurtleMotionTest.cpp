#include "fakes/MemoryFloor.h"
#include "fakes/RecordingPanel.h"
#include "turtle/StatusTexts.h"
#include "turtle/TurtleMotion.h"
#include "turtle/TurtleSheet.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>
#include <sstream>
#include <vector>

namespace {

constexpr std::uint8_t kBlue = 12;
constexpr std::uint8_t kWhite = 15;

class TurtleMotionTest : public ::testing::Test {
protected:
    TurtleMotionTest()
    {
        sheet.AttachFloor(floor);
        sheet.ResetTurtle();
        sheet.UpdateFloor();
    }

    // Passes of `dt` ms until the command ends; the milliseconds they took.
    std::uint32_t RunToEnd(std::uint32_t dt, int maxPasses = 100000)
    {
        std::uint32_t elapsed = 0;
        motion.StepCommand(0); // the first pass after the click has dt = 0
        for (int pass = 0; motion.State != CommandState::Idle && pass < maxPasses; ++pass) {
            motion.StepCommand(dt);
            elapsed += dt;
        }
        return elapsed;
    }

    int SheetAt(int column, int row) const { return sheet.Sheet().At(column, row); }
    int FloorChanges() const { return floor.changes; }

    TTurtleState turtle;
    RecordingPanel panel;
    TurtleSheet sheet{turtle, panel};
    TurtleMotion motion{sheet};
    MemoryFloor floor;
};

TEST_F(TurtleMotionTest, ForwardHundredDrawsUpFromTheCentreInAboutThreeSeconds)
{
    motion.StartForward(100);
    const std::uint32_t elapsed = RunToEnd(16);

    EXPECT_NEAR(elapsed, 3333, 40);
    EXPECT_NEAR(turtle.X, 0.0, 1e-9);
    EXPECT_NEAR(turtle.Y, 100.0, 1e-9);
    for (int row = 28; row <= 127; ++row)
        EXPECT_EQ(SheetAt(127, row), kBlue) << "row " << row;
    EXPECT_EQ(SheetAt(127, 20), kWhite);
    EXPECT_EQ(SheetAt(120, 80), kWhite);
    // The floor shows exactly the sheet.
    EXPECT_EQ(std::memcmp(sheet.FloorBits(), sheet.Sheet().Bits(), kSheetBytes), 0);
}

TEST_F(TurtleMotionTest, BackwardHundredGoesDownAtTheSameSpeed)
{
    motion.StartBackward(100);
    EXPECT_NEAR(RunToEnd(16), 3333, 40);
    EXPECT_NEAR(turtle.Y, -100.0, 1e-9);
    EXPECT_EQ(SheetAt(127, 200), kBlue);
    EXPECT_EQ(SheetAt(127, 100), kWhite);
}

TEST_F(TurtleMotionTest, TheEdgeStopsTheMoveAfterTwentySevenUnits)
{
    turtle.Y = 100.0;
    motion.StartForward(100);
    const std::uint32_t elapsed = RunToEnd(10);
    EXPECT_EQ(turtle.Y, 127.0);
    EXPECT_NEAR(elapsed, 27 / 0.03, 40);
    EXPECT_EQ(SheetAt(127, 0), kBlue);
}

struct TurnCase {
    bool right;
    double expected;
};

class TurnTest : public TurtleMotionTest, public ::testing::WithParamInterface<TurnCase> {};

TEST_P(TurnTest, NinetyDegreesLandExactlyOnTheTarget)
{
    if (GetParam().right)
        motion.StartRight(90);
    else
        motion.StartLeft(90);
    EXPECT_NEAR(RunToEnd(16), 1571, 20);
    EXPECT_EQ(turtle.Heading, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(BothWays, TurnTest,
                         ::testing::Values(TurnCase{true, TurtleMotion::kPi / 2}, TurnCase{false, -TurtleMotion::kPi / 2}));

TEST_F(TurtleMotionTest, SquareVisitsItsCornersClockwiseAndEndsHome)
{
    motion.StartSquare(50);
    std::vector<std::pair<double, double>> corners{{turtle.X, turtle.Y}};
    motion.StepCommand(0);
    while (motion.State != CommandState::Idle) {
        const CommandState before = motion.State;
        motion.StepCommand(16);
        if (before == CommandState::Move && motion.State == CommandState::Turn)
            corners.emplace_back(turtle.X, turtle.Y);
    }
    const std::vector<std::pair<double, double>> expected{{0, 0}, {0, 50}, {50, 50}, {50, 0}, {0, 0}};
    ASSERT_EQ(corners.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_NEAR(corners[i].first, expected[i].first, 1e-6) << "corner " << i;
        EXPECT_NEAR(corners[i].second, expected[i].second, 1e-6) << "corner " << i;
    }
    EXPECT_NEAR(turtle.Heading, 2 * TurtleMotion::kPi, 1e-12);
    EXPECT_EQ(motion.SquareRepeats, -1);
}

TEST_F(TurtleMotionTest, CircleDrawsAroundTheTurtleWithThePenUpToo)
{
    turtle.PenDown = false;
    motion.StartCircle(50);
    EXPECT_NEAR(RunToEnd(16), 6283, 20);
    EXPECT_EQ(turtle.X, 0.0);
    EXPECT_EQ(turtle.Y, 0.0);
    EXPECT_EQ(turtle.Heading, 0.0);
    // Top, right, bottom and left of the circle.
    EXPECT_EQ(SheetAt(127, 77), kBlue);
    EXPECT_EQ(SheetAt(177, 127), kBlue);
    EXPECT_EQ(SheetAt(127, 177), kBlue);
    EXPECT_EQ(SheetAt(77, 127), kBlue);
    EXPECT_EQ(SheetAt(127, 127), kWhite);
}

TEST_F(TurtleMotionTest, ZeroAmountsEndAtOnceExceptTheCircle)
{
    motion.StartForward(0);
    RunToEnd(40);
    motion.StartRight(0);
    motion.StepCommand(16);
    EXPECT_EQ(motion.State, CommandState::Idle);
    EXPECT_EQ(turtle.X, 0.0);
    EXPECT_EQ(turtle.Heading, 0.0);

    motion.StartSquare(0);
    RunToEnd(16);
    EXPECT_NEAR(turtle.Heading, 2 * TurtleMotion::kPi, 1e-12);

    motion.StartCircle(0);
    EXPECT_NEAR(RunToEnd(16), 6283, 20);
}

TEST_F(TurtleMotionTest, OneLongPassMakesOneStraightStep)
{
    motion.StartForward(100);
    motion.StepCommand(2000);
    EXPECT_NEAR(turtle.Y, 60.0, 1e-9);
    EXPECT_NEAR(motion.CommandAmount, 40.0, 1e-9);
    motion.StepCommand(2000);
    EXPECT_NEAR(turtle.Y, 100.0, 1e-9);
    EXPECT_EQ(motion.State, CommandState::Idle);

    motion.StartCircle(50);
    motion.StepCommand(2000);
    EXPECT_NEAR(motion.CommandAmount, 2.0, 1e-12);
}

TEST_F(TurtleMotionTest, FromFarOffTheSheetAMoveDrawsOnlyAtTheEdgeItComesIn)
{
    for (const double far : {1e300, -1e300, 5e9}) {
        sheet.ClearSheet();
        turtle.X = far;
        turtle.Y = 0;
        turtle.Heading = 0;
        motion.StartForward(10);
        RunToEnd(16);
        const int edge = far > 0 ? 254 : 0;
        int drawn = 0;
        for (int row = 0; row < kSheetSize; ++row)
            for (int column = 0; column < kSheetSize; ++column)
                if (SheetAt(column, row) != kWhite) {
                    ++drawn;
                    EXPECT_LE(std::abs(column - edge), 2) << far << " drew at column " << column;
                }
        EXPECT_LT(drawn, 80) << far;
    }
}

TEST_F(TurtleMotionTest, PenUpMovesWithoutDrawingOrTouchingTheFloor)
{
    turtle.PenDown = false;
    const int changesBefore = FloorChanges();
    motion.StartForward(100);
    RunToEnd(16);
    EXPECT_NEAR(turtle.Y, 100.0, 1e-9);
    EXPECT_EQ(FloorChanges(), changesBefore);
    for (int row = 0; row < kSheetSize; ++row)
        ASSERT_EQ(SheetAt(127, row), kWhite) << "row " << row;
}

// Whatever the pass times, a walk ends where it was aimed: the status shows the whole numbers.
TEST_F(TurtleMotionTest, WalksEndExactlyOnTheirTargetWhateverThePassTimes)
{
    const struct {
        const char* commands; // F forward, B backward, R right, L left, S square, with amounts
        const char* status;   // X, Y and K as the status bar shows them
    } walks[] = {
        {"F100", "X = 0 Y = 100 K = 0.0"},
        {"R90 F100", "X = 100 Y = 0 K = 90.0"},
        {"L90 F100 B30", "X = -70 Y = 0 K = -90.0"},
        {"R30 F100 S40", "X = 50 Y = 86 K = 390.0"},
        {"R180 F100 S20 R90 F7", "X = -7 Y = -100 K = 630.0"},
    };
    std::mt19937 random(22);
    std::uniform_int_distribution<std::uint32_t> passTime(0, 400);
    for (const auto& walk : walks) {
        for (int sequence = 0; sequence < 50; ++sequence) {
            sheet.ResetTurtle();
            std::istringstream commands(walk.commands);
            char command = 0;
            int amount = 0;
            while (commands >> command >> amount) {
                switch (command) {
                case 'F': motion.StartForward(amount); break;
                case 'B': motion.StartBackward(amount); break;
                case 'R': motion.StartRight(amount); break;
                case 'L': motion.StartLeft(amount); break;
                default: motion.StartSquare(amount); break;
                }
                while (motion.State != CommandState::Idle)
                    motion.StepCommand(passTime(random));
            }
            const StatusTexts shown = MakeStatusTexts(0, 1, turtle, QLocale::c());
            EXPECT_EQ((shown.x + ' ' + shown.y + ' ' + shown.heading).toStdString(), walk.status)
                << walk.commands << ", sequence " << sequence;
        }
    }
}

} // namespace
