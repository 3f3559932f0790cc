#include "engine/DXCamera.h"
#include "engine/DXCore.h"
#include "engine/DXScene.h"
#include "engine/DXViewport.h"
#include "engine/EngineError.h"
#include "fakes/FakeEngineSystem.h"
#include "fakes/ManualClock.h"
#include "fakes/ScriptedMessageBoxes.h"
#include "win/MessagePump.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

// A core with a viewport, a scene and a camera, over fakes of every system call.
class DXCoreTest : public ::testing::Test {
protected:
    DXCoreTest()
    {
        viewport.setGeometry(220, 48, 400, 300);
        scene.Camera = &camera;
        scene.BGColor = 0xFFFFFF;
        core.DXViewport = &viewport;
        core.DXScene = &scene;
        core.Front = 1.0f;
        core.Back = 8000.0f;
    }

    bool Create() { return core.Create(nullptr, nullptr); }
    int Devices() const { return system.Log.Count("CreateDeviceFromClipper"); }
    QString ShownCaption() const { return boxes.Shown().empty() ? QString() : boxes.Shown().back().caption; }

    ScriptedMessageBoxes boxes;
    FakeEngineSystem system;
    QWidget window;
    TDXViewport viewport{&window};
    TDXScene scene;
    TDXCamera camera;
    TDXCore core{&window, system};
};

TEST_F(DXCoreTest, CreateBuildsEverythingInOrderAndTheRenderWindowCoversTheView)
{
    ASSERT_TRUE(Create());
    EXPECT_TRUE(core.Ready);
    EXPECT_TRUE(boxes.Shown().empty());
    ASSERT_TRUE(core.RenderForm);
    EXPECT_EQ(core.RenderForm->geometry(), QRect(220, 48, 400, 300));
    EXPECT_EQ(core.RenderForm->parentWidget(), &window);
    EXPECT_EQ(core.RenderForm->cursor().shape(), Qt::BlankCursor);
    TDirectX3DRM& r = *core.GetD3DRM();
    EXPECT_EQ(r.Device->GetWidth(), 400);
    EXPECT_EQ(r.Viewport->GetFront(), 1.0f);
    EXPECT_EQ(r.Viewport->GetBack(), 8000.0f);
    EXPECT_EQ(r.Viewport->Camera(), camera.CameraFrame.get());
    EXPECT_EQ(system.DirectDraw.ClipperWindows.front(), core.RenderForm.get());

    const std::vector<std::string>& calls = system.Log.Calls();
    const auto at = [&](const char* call) { return std::find(calls.begin(), calls.end(), call) - calls.begin(); };
    EXPECT_LT(at("Direct3DRMCreate"), at("QueryRM3"));
    EXPECT_LT(at("QueryRM3"), at("DirectDrawCreateClipper"));
    EXPECT_LT(at("SetHWnd"), at("CreateDeviceFromClipper"));
    EXPECT_LT(at("SetDither"), at("CreateFrame"));
    EXPECT_LT(at("CreateFrame"), at("CreateViewport"));
    EXPECT_LT(at("SetBack"), at("SetFront"));
    EXPECT_LT(at("SetFront"), at("HandleActivate"));
}

struct FailingCall {
    const char* call;
    int nth;
    int code;
};

class CoreErrors : public DXCoreTest, public ::testing::WithParamInterface<FailingCall> {};

TEST_P(CoreErrors, AFailingCallIsShownWithItsCodeAndCreateFails)
{
    system.Log.FailCall(GetParam().call, GetParam().nth, static_cast<win::HRESULT>(0x88760316));
    EXPECT_FALSE(Create());
    EXPECT_FALSE(core.Ready);
    EXPECT_EQ(ShownCaption(), QStringLiteral("DirectX Component Error %1").arg(GetParam().code));
    core.Destroy();
    EXPECT_FALSE(core.RenderForm);
}

INSTANTIATE_TEST_SUITE_P(
    Create, CoreErrors,
    ::testing::Values(FailingCall{"Direct3DRMCreate", 1, 100}, FailingCall{"QueryRM3", 1, 101},
                      FailingCall{"QueryDevice", 1, 103}, FailingCall{"SetDither", 1, 107},
                      FailingCall{"DirectDrawCreateClipper", 1, 108}, FailingCall{"SetHWnd", 1, 109},
                      FailingCall{"CreateViewport", 1, 110}, FailingCall{"SetBack", 1, 111},
                      FailingCall{"SetFront", 1, 114}, FailingCall{"CreateFrame", 1, 400}));

TEST_F(DXCoreTest, DeviceFallsBackToSoftwareAndFailsOnlyWhenThatFailsToo)
{
    system.Log.FailCall("CreateDeviceFromClipper", 1, static_cast<win::HRESULT>(0x88760315));
    ASSERT_TRUE(Create());
    EXPECT_EQ(Devices(), 2);
    EXPECT_FALSE(core.IsHardwareDevice());
    core.Destroy();

    system.Log.FailCall("CreateDeviceFromClipper", 3, static_cast<win::HRESULT>(0x88760315));
    system.Log.FailCall("CreateDeviceFromClipper", 4, static_cast<win::HRESULT>(0x88760315));
    EXPECT_FALSE(Create());
    EXPECT_EQ(ShownCaption(), "DirectX Component Error 102");
}

TEST_F(DXCoreTest, ADesktopDepthWithoutARenderFlagCountsAsUnsupported)
{
    system.DirectDraw.Devices = FakeDirectDraw::SoftwareMachine();
    system.DirectDraw.FailedHardwareSide = FakeDirectDraw::HardwareSide(ddraw::DDBD_16 | ddraw::DDBD_32);
    system.DesktopBits = 15;
    ASSERT_TRUE(Create());
    ASSERT_EQ(system.DirectDraw.Searches.size(), 2u) << "the hardware search, then the software one";
    EXPECT_EQ(system.DirectDraw.Searches[1].bHardware, 0);
    EXPECT_FALSE(core.IsHardwareDevice());
}

TEST_F(DXCoreTest, RebuildsKeepTheDeviceSizeAndFollowTheSameValueRules)
{
    ASSERT_TRUE(Create());
    const int devices = Devices();
    EXPECT_FALSE(core.SetTextureQuality(rm::D3DRMTEXTURE_NEAREST, true));
    EXPECT_EQ(Devices(), devices) << "the same value rebuilds nothing";
    EXPECT_TRUE(core.SetTextureQuality(rm::D3DRMTEXTURE_LINEAR, true));
    EXPECT_EQ(Devices(), devices + 1);

    core.SetDither(true);
    EXPECT_EQ(Devices(), devices + 2) << "a new dither always rebuilds";
    EXPECT_TRUE(core.GetD3DRM()->Device->GetDither());

    core.SetColorModel(2, false);
    EXPECT_EQ(Devices(), devices + 2);

    core.RenderForm->resize(200, 100);
    core.SetQuality(rm::D3DRMSHADE_GOURAUD, true);
    EXPECT_EQ(core.GetD3DRM()->Device->GetWidth(), 400) << "the size found at Create";
    EXPECT_EQ(core.GetD3DRM()->Device->GetQuality(), rm::D3DRMSHADE_GOURAUD);
}

TEST_F(DXCoreTest, AResizedViewGetsADeviceOfItsSize)
{
    ASSERT_TRUE(Create());
    const int devices = Devices();
    core.ResizeViewport(400, 300);
    core.ResizeViewport(0, 600);
    EXPECT_EQ(Devices(), devices) << "the same size, or none, rebuilds nothing";

    viewport.resize(800, 600);
    core.ResizeViewport(800, 600);
    EXPECT_EQ(Devices(), devices + 1);
    EXPECT_EQ(core.RenderForm->geometry(), QRect(220, 48, 800, 600));
    EXPECT_EQ(core.GetD3DRM()->Device->GetWidth(), 800);
    EXPECT_EQ(core.GetD3DRM()->Device->GetHeight(), 600);
    EXPECT_TRUE(core.Ready);

    // A device that cannot be made is reported; the next size brings one back.
    system.Log.FailCall("CreateDeviceFromClipper", system.Log.Count("CreateDeviceFromClipper") + 1,
                        static_cast<win::HRESULT>(0x88760316));
    system.Log.FailCall("CreateDeviceFromClipper", system.Log.Count("CreateDeviceFromClipper") + 2,
                        static_cast<win::HRESULT>(0x88760316));
    core.ResizeViewport(640, 480);
    EXPECT_EQ(boxes.Shown().size(), 1u);
    EXPECT_FALSE(core.Ready);
    core.ResizeViewport(700, 500);
    EXPECT_TRUE(core.Ready);
    EXPECT_EQ(core.GetD3DRM()->Device->GetWidth(), 700);
}

TEST_F(DXCoreTest, RebuildErrorsReachTheSettersCaller)
{
    ASSERT_TRUE(Create());
    for (const auto& [call, code] : {std::pair{"SetShades", 104}, std::pair{"SetQuality", 112},
                                      std::pair{"SetTextureQuality", 113}}) {
        system.Log.FailCall(call, system.Log.Count(call) + 1, static_cast<win::HRESULT>(0x88760316));
        try {
            core.SetRenderMode(core.GetD3DRM()->RenderMode + 1, true);
            ADD_FAILURE() << call << " did not fail the rebuild";
        } catch (const EngineError& error) {
            EXPECT_EQ(error.Code, code);
        }
        ASSERT_TRUE(Create());
    }
}

TEST_F(DXCoreTest, AFailedRebuildLeavesNothingToRenderUntilARebuildSucceeds)
{
    const win::HRESULT failure = static_cast<win::HRESULT>(0x88760316);
    const struct {
        const char* call;
        int failures; // consecutive calls that fail
        int code;
    } cases[] = {
        {"SetShades", 1, 104},
        {"CreateDeviceFromClipper", 2, 102}, // the device itself, hardware and software
        {"CreateViewport", 1, 110},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.call);
        ASSERT_TRUE(Create());
        for (int i = 1; i <= c.failures; ++i)
            system.Log.FailCall(c.call, system.Log.Count(c.call) + i, failure);
        try {
            core.SetRenderMode(core.GetD3DRM()->RenderMode + 1, true);
            ADD_FAILURE() << "the rebuild did not fail";
        } catch (const EngineError& error) {
            EXPECT_EQ(error.Code, c.code);
        }
        EXPECT_FALSE(core.Ready);
        const int clears = system.Log.Count("Clear");
        EXPECT_TRUE(core.RenderScene());
        EXPECT_TRUE(core.SceneUpdate());
        EXPECT_EQ(system.Log.Count("Clear"), clears) << "nothing is drawn";
        core.SetQuality(rm::D3DRMSHADE_GOURAUD, false);
        EXPECT_TRUE(boxes.Shown().empty()) << "the error reached the caller, who shows it";

        // The next rebuild brings the device back at its first size, with what was set meanwhile.
        core.SetDither(!core.GetD3DRM()->Dither);
        EXPECT_TRUE(core.Ready);
        EXPECT_EQ(core.GetD3DRM()->Device->GetWidth(), 400);
        EXPECT_EQ(core.GetD3DRM()->Device->GetQuality(), rm::D3DRMSHADE_GOURAUD);
        EXPECT_TRUE(core.RenderScene());
        EXPECT_EQ(system.Log.Count("Clear"), clears + 1);
    }
}

TEST_F(DXCoreTest, FrameOperationsAreHarmlessWithoutAnEngine)
{
    for (int round = 0; round < 2; ++round) {
        EXPECT_TRUE(core.RenderScene());
        EXPECT_TRUE(core.SceneRender());
        EXPECT_TRUE(core.SceneUpdate());
        EXPECT_TRUE(core.DummyRenderScene());
        EXPECT_EQ(system.Log.Count("Render"), 0);
        ASSERT_TRUE(Create());
        core.Destroy();
    }
    EXPECT_FALSE(core.Ready);
}

TEST_F(DXCoreTest, RenderingClearsRendersAndPresentsAndAFailureLosesOnlyTheFrame)
{
    ASSERT_TRUE(Create());
    EXPECT_TRUE(core.RenderScene());
    EXPECT_EQ(system.Log.Count("Clear"), 1);
    EXPECT_EQ(system.Log.Count("Update"), 1);
    system.Log.FailCall("Render", 2, static_cast<win::HRESULT>(0x88760316));
    EXPECT_FALSE(core.RenderScene());
    EXPECT_EQ(system.Log.Count("Update"), 1);
    EXPECT_TRUE(boxes.Shown().empty()) << "a lost frame is not reported";
}

TEST_F(DXCoreTest, ASecondCreateDestroysTheFirstSet)
{
    ASSERT_TRUE(Create());
    const QPointer<QWidget> first = core.RenderForm.get();
    ASSERT_TRUE(Create());
    EXPECT_TRUE(first.isNull()) << "the first render window is gone";
    EXPECT_EQ(system.DirectDraw.LiveClippers, 1);
    EXPECT_EQ(window.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly).size(), 2)
        << "the viewport and one render window";
}

TEST_F(DXCoreTest, FloorMeshBringsItsTextureAsTheLastOne)
{
    ASSERT_TRUE(Create());
    rm::Ptr<rm::Frame3> floor = core.AddMeshFromFile("00.x", 0, 0, 0);
    ASSERT_TRUE(floor);
    EXPECT_EQ(floor->Parent(), scene.SceneFrame.get());
    ASSERT_TRUE(core.GetTexture());
    EXPECT_EQ(core.GetTexture()->GetImage()->width, 256);
}

TEST_F(DXCoreTest, AQuitRequestInsideStepClearsRunning)
{
    ManualClock clock;
    clock.StepEveryReading(3);
    core.Running = true;
    int handled = 0;
    QTimer::singleShot(0, [&] { ++handled; });
    EXPECT_EQ(core.Step(), 3);
    EXPECT_EQ(handled, 1);
    EXPECT_TRUE(core.Running);
    win::PostQuitMessage(0);
    core.Step();
    EXPECT_FALSE(core.Running);
    // Let the application's loop take the request, as it does when the frame loop returns.
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
}

} // namespace
