#include "turtle/CameraControl.h"
#include "turtle/StatusTexts.h"
#include "turtle/TurtleMotion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>

namespace {

TEST(CameraControl, StandsBehindAndAboveTheTurtleLookingAtItsFoot)
{
    CameraControl camera;
    camera.Reset(0, 3000, -2000);

    TTurtleState turtle;
    CameraPose pose = camera.PlaceCamera(turtle);
    EXPECT_FLOAT_EQ(pose.x, 0.0f);
    EXPECT_FLOAT_EQ(pose.y, 3000.0f);
    EXPECT_FLOAT_EQ(pose.z, -2000.0f);
    EXPECT_FLOAT_EQ(pose.viewX, 0.0f);
    EXPECT_NEAR(pose.viewY, -0.832f, 1e-3);
    EXPECT_NEAR(pose.viewZ, 0.555f, 1e-3);

    turtle.Heading = TurtleMotion::kRightAngle;
    turtle.X = 10;
    pose = camera.PlaceCamera(turtle);
    EXPECT_NEAR(pose.x, 100.0f - 2000.0f, 1e-2);
    EXPECT_NEAR(pose.z, 0.0f, 1e-2);
    EXPECT_NEAR(pose.viewX, 2000.0f / std::sqrt(2000.0f * 2000.0f + 3000.0f * 3000.0f), 1e-4)
        << "looking back at the foot";
}

TEST(CameraControl, MouseOrbitsOnlyOverTheViewAndNeverSinksBelowTwoHundred)
{
    CameraControl camera;
    camera.Reset(0, 3000, -2000);
    dinput::DIMOUSESTATE state;
    state.lY = 10000;
    state.rgbButtons[0] = 0x80;
    bool asked = false;
    camera.HandleMouse(state, 16, [&] { asked = true; return false; });
    EXPECT_TRUE(asked);
    EXPECT_EQ(camera.CameraPos[1], 3000.0);

    camera.HandleMouse(state, 16, [] { return true; });
    EXPECT_EQ(camera.CameraPos[1], CameraControl::kMinHeight);

    dinput::DIMOUSESTATE idle;
    camera.HandleMouse(idle, 16, [&] { ADD_FAILURE() << "the cursor is read only while a button is down"; return true; });
}

TEST(CameraControl, AnOrbitStepTurnsByTheMouseTimesThePassTime)
{
    CameraControl camera;
    camera.Reset(0, 3000, -2000);
    dinput::DIMOUSESTATE state;
    state.lX = 10;
    state.lY = -4;
    state.rgbButtons[0] = 0x80;
    state.rgbButtons[1] = 0x80; // the left button wins
    camera.HandleMouse(state, 20, [] { return true; });
    const double a = -(-4 * 20 * 0.0015), b = -(10 * 20 * 0.002);
    const CameraControl::Matrix expected = {std::cos(b), std::sin(b) * std::sin(a), std::sin(b) * std::cos(a), 0,
                              0, std::cos(a), -std::sin(a), 0,
                              -std::sin(b), std::cos(b) * std::sin(a), std::cos(b) * std::cos(a), 0,
                              0, 0, 0, 1};
    for (std::size_t i = 0; i < 16; ++i)
        EXPECT_NEAR(camera.OrbitMatrix[i], expected[i], 1e-12) << i;
    const CameraControl::Vector moved = CameraControl::Multiply(expected, {0, 3000, -2000, 1});
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_NEAR(camera.CameraPos[i], moved[i], 1e-9);
}

TEST(CameraControl, DistanceStaysWithinItsRangeButOneStepMayCrossIt)
{
    CameraControl camera;
    camera.Reset(0, 0, -3990);
    dinput::DIMOUSESTATE away;
    away.lY = 5;
    away.rgbButtons[1] = 0x80;
    camera.HandleMouse(away, 16, [] { return true; }); // +32 units
    EXPECT_NEAR(camera.CameraPos[2], -4022.0, 1e-9);
    camera.HandleMouse(away, 16, [] { return true; });
    EXPECT_NEAR(camera.CameraPos[2], -4022.0, 1e-9) << "further away is refused";
    dinput::DIMOUSESTATE closer = away;
    closer.lY = -5;
    camera.HandleMouse(closer, 16, [] { return true; });
    EXPECT_NEAR(camera.CameraPos[2], -3990.0, 1e-9);
}

TEST(CameraControl, AFastDragNeverCarriesTheCameraThroughTheTurtleOrUnderTheFloor)
{
    const struct {
        const char* name;
        double z;   // start distance, straight behind and above
        int lY;     // with dt = 10 ms: d = 4 · lY
        double min; // the distance after the step lies within min..max
        double max;
    } cases[] = {
        {"|lY|·dt = 2500 from 900", 900, -250, 400, 900},
        {"d = -r exactly", 900, -225, 400, 900},
        {"far past the near end", 1000, -100000, 400, 1000},
        {"far past the far end", 3990, 100000, 3990, 4400},
        {"an ordinary step inside the range", 2000, -25, 1900, 1900},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CameraControl camera;
        camera.Reset(0, c.z * 0.6, -c.z * 0.8);
        dinput::DIMOUSESTATE drag;
        drag.lY = c.lY;
        drag.rgbButtons[1] = 0x80;
        camera.HandleMouse(drag, 10, [] { return true; });
        const CameraControl::Vector& p = camera.CameraPos;
        const double r = std::sqrt(p[0] * p[0] + p[1] * p[1] + p[2] * p[2]);
        EXPECT_GE(r, c.min - 1e-9);
        EXPECT_LE(r, c.max + 1e-9);
        EXPECT_GT(p[1], 0.0) << "above the floor";
        EXPECT_LT(p[2], 0.0) << "still behind the turtle";

        // The camera still looks down at the turtle after the step.
        const CameraPose pose = camera.PlaceCamera(TTurtleState{});
        EXPECT_TRUE(std::isfinite(pose.viewY) && pose.viewY < 0.0f);
    }
}

TEST(CameraControl, OrbitingUpStopsShortOfTheTopAndTheCameraCanReturnToItsStart)
{
    const struct {
        int lX;
        int lY; // upwards; with dt = 16 ms the tilt is 0.024 · lY radians a step
    } drags[] = {{0, -1}, {0, -5}, {0, -40}, {0, -100}, {0, -100000}, {3, -20}, {-50, -7}};
    for (const auto& drag : drags) {
        SCOPED_TRACE(std::to_string(drag.lX) + ", " + std::to_string(drag.lY));
        CameraControl camera;
        camera.Reset(0, 3000, -2000);
        dinput::DIMOUSESTATE state;
        state.lX = drag.lX;
        state.lY = drag.lY;
        state.rgbButtons[0] = 0x80;
        for (int pass = 0; pass < 300; ++pass) {
            camera.HandleMouse(state, 16, [] { return true; });
            const CameraControl::Vector& p = camera.CameraPos;
            ASSERT_LE(std::atan2(p[1], std::hypot(p[0], p[2])), CameraControl::kMaxElevation + 1e-9) << pass;
            // Straight up and down the camera keeps its distance and stays behind the turtle.
            if (drag.lX == 0) {
                ASSERT_NEAR(std::sqrt(p[0] * p[0] + p[1] * p[1] + p[2] * p[2]), std::sqrt(13e6), 1e-6) << pass;
                ASSERT_LT(p[2], 0.0) << "over the top at pass " << pass;
            }
        }
        camera.ReturnToStart();
        EXPECT_EQ(camera.CameraPos, (CameraControl::Vector{0, 3000, -2000, 1}));
        EXPECT_EQ(camera.OrbitMatrix, CameraControl::Identity());
    }
}

// The view reaches 0.5 from its centre at distance 1, and the sheet 1280 from its middle.
constexpr double kViewReach = 0.5;
constexpr double kHalfSheet = 1280.0;

TEST(CameraControl, TheTopViewShowsTheWholeSheetNorthUpAndGivesBackTheCameraBehindTheTurtle)
{
    CameraControl camera;
    camera.Reset(0, 3000, -2000);
    dinput::DIMOUSESTATE orbit;
    orbit.lX = 40;
    orbit.rgbButtons[0] = 0x80;
    camera.HandleMouse(orbit, 16, [] { return true; });
    TTurtleState turtle;
    turtle.X = 50;
    turtle.Y = -30;
    turtle.Heading = 1.0;
    const CameraPose behind = camera.PlaceCamera(turtle);
    const CameraControl::Vector placeBehind = camera.CameraPos;

    camera.SetTopView(true);
    const CameraPose above = camera.PlaceCamera(turtle);
    EXPECT_LT(above.viewY, -0.999f) << "straight down";
    EXPECT_GT(above.viewZ, 0.0f) << "the sheet's +Y at the top of the screen";
    EXPECT_FLOAT_EQ(above.viewX, 0.0f);
    EXPECT_GE(above.y * kViewReach, kHalfSheet) << "the whole sheet in view";
    EXPECT_LT(above.y, 8000.0f) << "in front of the far clipping plane";
    turtle.X = -120;
    turtle.Heading = -2.5;
    const CameraPose elsewhere = camera.PlaceCamera(turtle);
    EXPECT_EQ(std::tie(elsewhere.x, elsewhere.y, elsewhere.z), std::tie(above.x, above.y, above.z))
        << "the camera does not follow the turtle";

    const struct {
        const char* name;
        int button;
        int lX, lY;
        double minHeight, maxHeight;
        bool turned;
    } drags[] = {
        {"left turns the sheet", 0, 30, 0, CameraControl::kTopHeight, CameraControl::kTopHeight, true},
        {"right towards the user raises", 1, 0, 20, CameraControl::kTopHeight + 1, CameraControl::kMaxTopHeight, false},
        {"right away lowers", 1, 0, -20, CameraControl::kMinTopHeight, CameraControl::kTopHeight - 1, false},
        {"a fling stops at the lowest", 1, 0, -100000, CameraControl::kMinTopHeight, CameraControl::kMinTopHeight, false},
        {"a fling stops at the highest", 1, 0, 100000, CameraControl::kMaxTopHeight, CameraControl::kMaxTopHeight, false},
    };
    for (const auto& drag : drags) {
        SCOPED_TRACE(drag.name);
        camera.SetTopView(true);
        dinput::DIMOUSESTATE state;
        state.lX = drag.lX;
        state.lY = drag.lY;
        state.rgbButtons[drag.button] = 0x80;
        camera.HandleMouse(state, 16, [] { return false; });
        EXPECT_EQ(camera.PlaceCamera(turtle).y, above.y) << "only over the view";
        camera.HandleMouse(state, 16, [] { return true; });
        const CameraPose pose = camera.PlaceCamera(turtle);
        EXPECT_GE(pose.y, drag.minHeight);
        EXPECT_LE(pose.y, drag.maxHeight);
        EXPECT_EQ(pose.viewX != 0.0f, drag.turned);
        EXPECT_EQ(camera.CameraPos, placeBehind) << "the camera behind the turtle waits untouched";
    }

    camera.SetTopView(false);
    turtle.X = 50;
    turtle.Y = -30;
    turtle.Heading = 1.0;
    const CameraPose back = camera.PlaceCamera(turtle);
    EXPECT_EQ(std::tie(back.x, back.y, back.z, back.viewX, back.viewY, back.viewZ),
              std::tie(behind.x, behind.y, behind.z, behind.viewX, behind.viewY, behind.viewZ));
}

TEST(StatusTexts, PositionsTruncateAndTheHeadingUsesTheLocalesSeparator)
{
    TTurtleState turtle;
    turtle.X = -0.7;
    turtle.Y = 99.9;
    turtle.Heading = -TurtleMotion::kRightAngle;
    const StatusTexts english = MakeStatusTexts(0, 1, turtle, QLocale(QLocale::English));
    EXPECT_EQ(english.page, "1 / 1");
    EXPECT_EQ(english.x, "X = 0");
    EXPECT_EQ(english.y, "Y = 99");
    EXPECT_EQ(english.heading, "K = -90.0");

    turtle.Heading = 2 * TurtleMotion::kPi;
    EXPECT_EQ(MakeStatusTexts(0, 1, turtle, QLocale(QLocale::English)).heading, "K = 360.0");
    turtle.Heading = 4 * TurtleMotion::kPi * 10;
    EXPECT_EQ(MakeStatusTexts(2, 3, turtle, QLocale(QLocale::Polish)).heading, "K = 7200,0");

    // Far beyond any whole number, the position holds at the ends of the range.
    turtle.X = 1e300;
    turtle.Y = -1e300;
    const StatusTexts far = MakeStatusTexts(0, 1, turtle, QLocale(QLocale::English));
    EXPECT_EQ(far.x, "X = 9223372036854775807");
    EXPECT_EQ(far.y, "Y = -9223372036854775808");
}

} // namespace
