#include "engine/DXAnimation.h"
#include "engine/DXCore.h"
#include "engine/DXScene.h"
#include "engine/EngineError.h"
#include "fakes/CharacterStage.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

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
    CharacterStage stage;
    TDXAnimation& animation = stage.animation;
    animation.StartTime = 7;
    animation.PosX = 30;
    const char model[] = "xof 0302txt 0032\n";
    animation.DXCore = nullptr;
    EXPECT_FALSE(animation.Create(model, sizeof model));
    EXPECT_FALSE(animation.Loaded());
    animation.DXCore = &stage.core;
    ASSERT_TRUE(animation.Create(model, sizeof model));
    EXPECT_TRUE(animation.Loaded());
    EXPECT_EQ(animation.CurrentTime, 7);
    EXPECT_EQ(animation.CharacterFrame->Parent(), stage.scene.SceneFrame.get());
    EXPECT_FLOAT_EQ(animation.CharacterFrame->WorldTransform().Translation().x, 30.0f);
    animation.Destroy();
    animation.Destroy();
    EXPECT_FALSE(animation.Loaded());
    EXPECT_TRUE(stage.scene.SceneFrame->Children().empty()) << "the character left the scene";
}

struct FailingLoad {
    const char* call;
    int code;
};

class CharacterErrors : public ::testing::TestWithParam<FailingLoad> {};

TEST_P(CharacterErrors, EachFailingCallThrowsItsCode)
{
    CharacterStage stage;
    stage.log.FailCall(GetParam().call, 1, static_cast<win::HRESULT>(0x88760314));
    const char model[] = "x";
    try {
        stage.animation.Create(model, sizeof model);
        ADD_FAILURE() << "no error";
    } catch (const EngineError& error) {
        EXPECT_EQ(error.Code, GetParam().code);
    }
}

INSTANTIATE_TEST_SUITE_P(Create, CharacterErrors,
                         ::testing::Values(FailingLoad{"CreateFrame", 600}, FailingLoad{"CreateAnimationSet", 601},
                                           FailingLoad{"AnimationLoad", 602}));

TEST(DXAnimation, TheCharacterStandsAndFacesWhereItIsTold)
{
    CharacterStage stage;
    const char model[] = "x";
    ASSERT_TRUE(stage.animation.Create(model, sizeof model));
    stage.animation.SetPosition(125.0, 10000.0, -40.0);
    stage.animation.SetOrientation(std::numbers::pi, 5.0);
    const rm::Matrix4 place = stage.animation.CharacterFrame->WorldTransform();
    EXPECT_FLOAT_EQ(place.Translation().y, 10000.0f);
    EXPECT_NEAR(place.Axis(2).z, -1.0f, 1e-6) << "heading pi faces -z";
    stage.animation.SetOrientation(std::numbers::pi / 2, 0.0);
    EXPECT_NEAR(stage.animation.CharacterFrame->WorldTransform().Axis(2).x, 1.0f, 1e-6);
}

TEST(DXAnimation, KeyTimeRunsOverTheWholeRangeWhateverTheTimes)
{
    CharacterStage stage;
    const char model[] = "x";
    stage.animation.SpeedFactor = 0.05;
    stage.animation.EndTime = 12000;
    ASSERT_TRUE(stage.animation.Create(model, sizeof model));
    stage.animation.Play = true;
    stage.animation.Animate(10);
    EXPECT_EQ(stage.log.Count("SetTime"), 0) << "no whole unit yet";
    stage.animation.Animate(10);
    EXPECT_EQ(stage.log.Count("SetTime"), 1);
    stage.animation.CurrentTime = 11990;
    stage.animation.Animate(400);
    EXPECT_FALSE(stage.animation.Play);
    EXPECT_EQ(stage.animation.CurrentTime, 12000);
}

} // namespace
