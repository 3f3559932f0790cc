#include "engine/DXAnimation.h"
#include "engine/DXCamera.h"
#include "engine/DXCore.h"
#include "engine/DXInput.h"
#include "engine/DXLight.h"
#include "engine/DXScene.h"
#include "engine/DXViewport.h"
#include "fakes/FakeDirectInput.h"
#include "fakes/FakeEngineSystem.h"
#include "fakes/ManualClock.h"
#include "fakes/RecordingPanel.h"
#include "fakes/ScriptedMessageBoxes.h"
#include "shell/MainLoopPass.h"
#include "shell/SceneSetup.h"
#include "turtle/CameraControl.h"
#include "notebook/TurtleWalker.h"
#include "turtle/TurtleMotion.h"
#include "turtle/TurtleSheet.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

constexpr std::uint32_t kLongWait = 10000;
constexpr std::uint32_t kTickPerReading = 50;
constexpr int kMaxPasses = 1000;

// The engine's calls answered by fakes, the mouse among them.
class LoopSystem final : public FakeEngineSystem {
public:
    FakeInputWorld Input;

    win::HRESULT DirectInputCreate(void*, std::uint32_t, rm::Ptr<dinput::DirectInput>& directInput) override
    {
        directInput = rm::MakePtr<FakeDirectInput>(Input);
        return 0;
    }
};

struct Window final : LoopWindow {
    int refreshes = 0;
    bool MouseInViewport() const override { return false; }
    void RefreshStatus() override { ++refreshes; }
};

// The main-loop pass over an engine of fakes, with a clock that moves only as it is read. Whenever
// the loop goes to sleep, time jumps by a long wait and one event comes, which does whatever the
// test puts in onWake.
class MainLoopPassTest : public ::testing::Test {
public:
    MainLoopPassTest()
    {
        SetUpScene(scene, camera, directional, ambient);
        viewport.setGeometry(0, 0, 400, 300);
        SetUpCore(core, viewport, scene);
        core.DXInput = &input;
        input.Type = itMouse;
        character.DXScene = &scene;
        character.DXCore = &core;
        character.SpeedFactor = 0.05;
        character.EndTime = 12000;
        character.AutoRepeat = true;
        EXPECT_TRUE(core.Create(nullptr, nullptr));
        core.Running = true;
        cameraControl.Reset(camera.PosX, camera.PosY, camera.PosZ);
        clock.StepEveryReading(kTickPerReading);
        QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, &receiver,
                         [this] { Sleeping(); });
        walker.SetDriven(true);
        QObject::connect(&walker, &TurtleWalker::BusyChanged, &receiver, [this](bool busy) { character.Play = busy; });
    }

    void StartForward() { ASSERT_TRUE(walker.Run({EntryOf(RecordOp::Forward, 100)})); }

    void Sleeping()
    {
        framesAtWait.push_back(Frames());
        clock.Advance(kLongWait);
        QMetaObject::invokeMethod(&receiver, [this] { if (onWake) onWake(); }, Qt::QueuedConnection);
    }

    int Frames() const { return system.Log.Count("Update"); }
    int Waits() const { return static_cast<int>(framesAtWait.size()); }

    // Passes until one of them has slept; false when none did.
    bool RunUntilAWait()
    {
        const int waits = Waits();
        for (int pass = 0; pass < kMaxPasses && Waits() == waits; ++pass)
            loop.Run();
        return Waits() > waits;
    }

    ScriptedMessageBoxes boxes;
    ManualClock clock;
    LoopSystem system;
    QWidget window;
    TDXViewport viewport{&window};
    TDXScene scene;
    TDXCamera camera;
    TDXLight directional, ambient;
    TDXInput input{system};
    TDXCore core{&window, system};
    TDXAnimation character;
    TTurtleState turtle;
    RecordingPanel panel;
    TurtleSheet sheet{turtle, panel};
    TurtleWalker walker{sheet};
    CameraControl cameraControl;
    Window loopWindow;
    TDXInput keyboard{system};
    MainLoopPass loop{{core, scene, character, keyboard, turtle, walker, cameraControl, loopWindow}};
    QObject receiver;
    std::function<void()> onWake;
    std::vector<int> framesAtWait;
};

TEST_F(MainLoopPassTest, SleepsOnlyOnceTheStatusBarAndTheFrameShowWhatIs)
{
    ASSERT_TRUE(RunUntilAWait());
    EXPECT_EQ(loopWindow.refreshes, 1) << "the status bar's first refresh comes before any sleep";
    EXPECT_GE(Frames(), 2);
}

TEST_F(MainLoopPassTest, OneEventDuringASleepRendersExactlyOneFrame)
{
    ASSERT_TRUE(RunUntilAWait());
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(RunUntilAWait());
    for (std::size_t i = 1; i < framesAtWait.size(); ++i)
        EXPECT_EQ(framesAtWait[i] - framesAtWait[i - 1], 1) << "between sleeps " << i - 1 << " and " << i;
}

TEST_F(MainLoopPassTest, AnEventThatHidesTheCharacterRendersOnceMoreToShowIt)
{
    ASSERT_TRUE(RunUntilAWait());
    onWake = [this] { turtle.Hidden = true; };
    ASSERT_TRUE(RunUntilAWait());
    onWake = nullptr;
    ASSERT_TRUE(RunUntilAWait());
    // The frame of the event's own pass was rendered before the character was lifted away.
    EXPECT_EQ(framesAtWait[2] - framesAtWait[1], 2);
}

TEST_F(MainLoopPassTest, ACommandStartedByTheEventThatEndsASleepMovesByPassTimeOnly)
{
    ASSERT_TRUE(RunUntilAWait());
    onWake = [this] { StartForward(); };
    ASSERT_TRUE(RunUntilAWait());
    const std::uint32_t step = loop.Dt();
    EXPECT_LT(step, kLongWait) << "the sleep is not pass time";
    onWake = nullptr;
    loop.Run();
    ASSERT_TRUE(walker.Busy());
    EXPECT_LE(turtle.Y, TurtleMotion::kMoveUnitsPerMs * step);
    EXPECT_LT(character.CurrentTime, static_cast<std::int32_t>(kLongWait * character.SpeedFactor))
        << "the walk does not skip the sleep";
}

// What keeps the loop awake, each on its own.
struct Busy {
    const char* what;
    std::function<void(MainLoopPassTest&)> start;
};

class KeptAwake : public MainLoopPassTest, public ::testing::WithParamInterface<Busy> {};

TEST_P(KeptAwake, NeverSleeps)
{
    ASSERT_TRUE(RunUntilAWait());
    const int waits = Waits();
    GetParam().start(*this);
    for (int pass = 0; pass < 20; ++pass)
        loop.Run();
    EXPECT_EQ(Waits(), waits);
}

std::string BusyName(const ::testing::TestParamInfo<Busy>& param)
{
    return param.param.what;
}

INSTANTIATE_TEST_SUITE_P(
    MainLoopPass, KeptAwake,
    ::testing::Values(Busy{"RunningCommand", [](MainLoopPassTest& fixture) { fixture.StartForward(); }},
                      Busy{"WalkingCharacter", [](MainLoopPassTest& fixture) { fixture.character.Play = true; }},
                      Busy{"HeldMouseButton", [](MainLoopPassTest& fixture) { fixture.system.Input.fill = 0x80; }}),
    BusyName);

} // namespace
