#include "engine/DXSound.h"
#include "engine/EngineError.h"
#include "fakes/FakeEngineSystem.h"

#include <QWidget>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using ::testing::ElementsAre;

// The code of the engine error `action` raises, or 0 when it raises none.
template <class Action>
int ErrorCodeOf(Action&& action)
{
    try {
        action();
    } catch (const EngineError& error) {
        return error.Code;
    }
    return 0;
}

class DXSoundTest : public ::testing::Test {
protected:
    int LiveDevices() const { return system.DirectSound.LiveDevices; }

    FakeEngineSystem system;
    QWidget window;
    TDXSound sound{system};
};

TEST_F(DXSoundTest, OpensTheDefaultDeviceForTheWindowAtPriorityLevel)
{
    EXPECT_EQ(sound.Create(&window), 0);
    EXPECT_TRUE(sound.DirectSound);
    EXPECT_THAT(system.Log.Calls(), ElementsAre("DirectSoundCreate", "SetCooperativeLevel", "SetSpeakerConfig"));
    EXPECT_THAT(system.DirectSound.Devices, ElementsAre(nullptr));
    ASSERT_EQ(system.DirectSound.CooperativeLevels.size(), 1u);
    EXPECT_EQ(system.DirectSound.CooperativeLevels[0].window, &window);
    EXPECT_EQ(system.DirectSound.CooperativeLevels[0].level, dsound::DSSCL_PRIORITY);
}

struct GeometryCase {
    SoundAngle geometry;
    std::uint32_t speakerConfig;
};

class DXSoundGeometryTest : public DXSoundTest, public ::testing::WithParamInterface<GeometryCase> {};

TEST_P(DXSoundGeometryTest, SetsStereoWithTheGeometrysAngle)
{
    sound.Geometry = GetParam().geometry;
    ASSERT_EQ(sound.Create(&window), 0);
    EXPECT_THAT(system.DirectSound.SpeakerConfigs, ElementsAre(GetParam().speakerConfig));
}

INSTANTIATE_TEST_SUITE_P(Angles, DXSoundGeometryTest,
                         ::testing::Values(GeometryCase{saWide_20deg, 0x140004}, GeometryCase{saMin_5deg, 0x50004},
                                           GeometryCase{saNarrow_10deg, 0xA0004}, GeometryCase{saMax_180deg, 0xB40004},
                                           // A stored value outside the enumeration counts as wide.
                                           GeometryCase{static_cast<SoundAngle>(7), 0x140004}));

struct FailureCase {
    const char* call;
    int code;
};

class DXSoundFailureTest : public DXSoundTest, public ::testing::WithParamInterface<FailureCase> {};

// The device stays held after a failure, for Destroy to release.
TEST_P(DXSoundFailureTest, RaisesTheStepsCodeAndKeepsTheDevice)
{
    system.Log.FailCall(GetParam().call, 1, win::E_FAIL);
    const int code = ErrorCodeOf([&] {
        sound.Create(&window);
        dsound::WAVEFORMATEX format;
        sound.CreateBuffer(&format, 1024);
    });
    EXPECT_EQ(code, GetParam().code);
    EXPECT_EQ(LiveDevices(), 1);
    sound.Destroy();
    EXPECT_EQ(LiveDevices(), 0);
}

INSTANTIATE_TEST_SUITE_P(Steps, DXSoundFailureTest,
                         ::testing::Values(FailureCase{"SetCooperativeLevel", 501}, FailureCase{"SetSpeakerConfig", 504},
                                           FailureCase{"CreateSoundBuffer", 502}));

class DXSoundMissingDeviceTest : public DXSoundTest, public ::testing::WithParamInterface<win::HRESULT> {};

// Any non-zero answer, a positive one included, means no device; nothing is raised.
TEST_P(DXSoundMissingDeviceTest, ReturnsTheResultAndRunsWithoutADevice)
{
    system.Log.FailCall("DirectSoundCreate", 1, GetParam());
    EXPECT_EQ(sound.Create(&window), GetParam());
    EXPECT_FALSE(sound.DirectSound);
    EXPECT_EQ(LiveDevices(), 0);
    dsound::WAVEFORMATEX format;
    EXPECT_FALSE(sound.CreateBuffer(&format, 1024));
    EXPECT_THAT(system.Log.Calls(), ElementsAre("DirectSoundCreate"));
}

INSTANTIATE_TEST_SUITE_P(Results, DXSoundMissingDeviceTest, ::testing::Values(dsound::DSERR_NODRIVER, win::S_FALSE));

TEST_F(DXSoundTest, BufferIsDescribedWithTheCallersSizeAndFormat)
{
    ASSERT_EQ(sound.Create(&window), 0);
    dsound::WAVEFORMATEX format{1, 1, 8000, 8000, 1, 8, 0};
    rm::Ptr<dsound::SoundBuffer> buffer = sound.CreateBuffer(&format, 4096);
    ASSERT_TRUE(buffer);
    EXPECT_EQ(buffer->Bytes(), 4096u);
    ASSERT_EQ(system.DirectSound.BufferDescriptions.size(), 1u);
    const dsound::DSBUFFERDESC& description = system.DirectSound.BufferDescriptions[0];
    EXPECT_EQ(description.dwSize, 20u);
    EXPECT_EQ(description.dwFlags, 0xE0u);
    EXPECT_EQ(description.dwBufferBytes, 4096u);
    EXPECT_EQ(description.dwReserved, 0u);
    EXPECT_EQ(description.lpwfxFormat, &format);
}

TEST_F(DXSoundTest, CreatingAgainReleasesTheFirstDevice)
{
    ASSERT_EQ(sound.Create(&window), 0);
    ASSERT_EQ(sound.Create(&window), 0);
    EXPECT_EQ(LiveDevices(), 1);
}

TEST_F(DXSoundTest, DestroyReleasesTheDeviceAndIsHarmlessWithoutOne)
{
    sound.Destroy();
    ASSERT_EQ(sound.Create(&window), 0);
    sound.Destroy();
    EXPECT_FALSE(sound.DirectSound);
    EXPECT_EQ(LiveDevices(), 0);
    sound.Destroy();
    EXPECT_EQ(LiveDevices(), 0);
}

} // namespace
