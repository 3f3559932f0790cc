#include "engine/DXCamera.h"
#include "engine/DXScene.h"
#include "turtle/CameraControl.h"
#include "turtle/StatusTexts.h"
#include "turtle/TurtleMotion.h"

#include <gtest/gtest.h>

namespace {

TEST(CameraControl, StandsBehindAndAboveTheTurtleLookingAtItsFoot)
{
    CameraControl camera;
    camera.Reset(0, 3000, -2000);
    TDXScene scene;
    TDXCamera sceneCamera;
    scene.Camera = &sceneCamera;
    scene.SceneFrame = rm::MakePtr<rm::Frame3>();
    sceneCamera.CameraFrame = rm::MakePtr<rm::Frame3>();
    scene.SceneFrame->AddChild(sceneCamera.CameraFrame.get());
    const auto place = [&] { return sceneCamera.CameraFrame->WorldTransform().Translation(); };
    const auto looking = [&] { return sceneCamera.CameraFrame->WorldTransform().Axis(2); };

    TTurtleState turtle;
    camera.PlaceCamera(turtle, scene);
    EXPECT_FLOAT_EQ(place().x, 0.0f);
    EXPECT_FLOAT_EQ(place().y, 3000.0f);
    EXPECT_FLOAT_EQ(place().z, -2000.0f);
    EXPECT_NEAR(looking().y, -0.832f, 1e-3);
    EXPECT_NEAR(looking().z, 0.555f, 1e-3);

    turtle.Heading = TurtleMotion::kRightAngle;
    turtle.X = 10;
    camera.PlaceCamera(turtle, scene);
    EXPECT_NEAR(place().x, 100.0f - 2000.0f, 1e-2);
    EXPECT_NEAR(place().z, 0.0f, 1e-2);
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

    turtle.Heading = 4 * TurtleMotion::kPi * 10;
    EXPECT_EQ(MakeStatusTexts(2, 3, turtle, QLocale(QLocale::Polish)).heading, "K = 7200,0");
}

} // namespace
