#include "engine/DXAnimation.h"
#include "engine/DXCore.h"
#include "engine/DXScene.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

class DXAnimationTest : public ::testing::Test {
protected:
    DXAnimationTest()
    {
        animation.SpeedFactor = 0.05;
        animation.EndTime = 12000;
        animation.Play = true;
    }
    TDXAnimation animation;
};

TEST_F(DXAnimationTest, TimeAdvancesInWholeUnitsOnlyWhilePlaying)
{
    EXPECT_TRUE(animation.Animate(10));
    EXPECT_EQ(animation.CurrentTime, 0);
    EXPECT_DOUBLE_EQ(animation.TimeFraction, 0.5);
    EXPECT_TRUE(animation.Animate(10));
    EXPECT_EQ(animation.CurrentTime, 1);
    EXPECT_DOUBLE_EQ(animation.TimeFraction, 0.0);

    EXPECT_TRUE(animation.Animate(0));
    EXPECT_EQ(animation.CurrentTime, 1);

    animation.Play = false;
    EXPECT_FALSE(animation.Animate(100000));
    EXPECT_EQ(animation.CurrentTime, 1);
}

struct EndCase {
    bool autoRepeat;
    std::int32_t endTime;
    std::int32_t current;
    double elapsed;
    std::int32_t expected;
    bool stillPlaying;
};

class AnimationEnd : public DXAnimationTest, public ::testing::WithParamInterface<EndCase> {};

TEST_P(AnimationEnd, StopsOrWrapsOnceAtTheEnd)
{
    const EndCase c = GetParam();
    animation.AutoRepeat = c.autoRepeat;
    animation.EndTime = c.endTime;
    animation.CurrentTime = c.current;
    EXPECT_TRUE(animation.Animate(c.elapsed));
    EXPECT_EQ(animation.CurrentTime, c.expected);
    EXPECT_EQ(animation.Play, c.stillPlaying);
}

INSTANTIATE_TEST_SUITE_P(Cases, AnimationEnd,
                         ::testing::Values(EndCase{false, 12000, 11990, 400, 12000, false},
                                           EndCase{true, 12000, 11990, 400, 10, true},
                                           EndCase{true, 100, 90, 5000, 240, true}));

TEST(DXAnimation, CreateNeedsBothLinksAndStartsAtStartTime)
{
    TDXCore core(nullptr);
    TDXScene scene;
    scene.SceneFrame = rm::MakePtr<rm::Frame3>();
    TDXAnimation animation;
    animation.StartTime = 7;
    const char model[] = "xof 0302txt 0032\n";
    EXPECT_FALSE(animation.Create(model, sizeof model));
    animation.DXScene = &scene;
    EXPECT_FALSE(animation.Create(model, sizeof model));
    EXPECT_FALSE(animation.Loaded());
    animation.DXCore = &core;
    EXPECT_TRUE(animation.Create(model, sizeof model));
    EXPECT_TRUE(animation.Loaded());
    EXPECT_EQ(animation.CurrentTime, 7);
    animation.Destroy();
    animation.Destroy();
    EXPECT_FALSE(animation.Loaded());
}

TEST(DXAnimation, OrientationFacesAlongTheHeading)
{
    TDXAnimation animation;
    animation.SetOrientation(0.0, 5.0);
    EXPECT_FLOAT_EQ(animation.FacingZ(), 1.0f);
    animation.SetOrientation(3.141592653589793, 0.0);
    EXPECT_FLOAT_EQ(animation.FacingZ(), -1.0f);
    EXPECT_NEAR(animation.FacingX(), 0.0f, 1e-6);
}

} // namespace
