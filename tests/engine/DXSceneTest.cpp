#include "engine/DXCamera.h"
#include "engine/DXFog.h"
#include "engine/DXLight.h"
#include "engine/DXScene.h"
#include "engine/DirectX3DRM.h"
#include "engine/EngineError.h"
#include "engine/TextureLoader.h"
#include "fakes/FakeRetainedMode.h"
#include "fakes/ScriptedMessageBoxes.h"
#include "shell/SceneSetup.h"

#include <gtest/gtest.h>

namespace {

// A scene with the main window's settings over the fake retained-mode layer.
class DXSceneTest : public ::testing::Test {
protected:
    DXSceneTest()
    {
        rm.QueryRM3(record.RM3);
        UseTextureRM(record.RM3.get());
        SetUpScene(scene, camera, light1, light2);
    }

    ~DXSceneTest() override { UseTextureRM(nullptr); }

    // The code Create throws, or 0.
    int CreateFails()
    {
        try {
            scene.Create(record);
        } catch (const EngineError& error) {
            return error.Code;
        }
        return 0;
    }

    rm::Frame3* LightFrame() const { return scene.SceneFrame->Children().at(0).get(); }

    CallLog log;
    FakeRetainedMode rm{log};
    TDirectX3DRM record;
    TDXScene scene;
    TDXCamera camera;
    TDXLight light1, light2;
    ScriptedMessageBoxes boxes;
};

TEST_F(DXSceneTest, BuildsBackgroundLightsAndCameraAsTheWindowSetsThem)
{
    ASSERT_EQ(CreateFails(), 0);
    const rm::D3DVECTOR background = scene.SceneFrame->SceneBackground();
    EXPECT_EQ(background.x, 1.0f);
    EXPECT_EQ(background.z, 1.0f);
    EXPECT_FALSE(scene.SceneFrame->Fog().enabled);

    const auto& lights = LightFrame()->Lights();
    ASSERT_EQ(lights.size(), 2u);
    EXPECT_EQ(lights[0]->Type(), rm::D3DRMLIGHT_DIRECTIONAL);
    EXPECT_NEAR(lights[0]->Red(), 0.6f, 1e-6);
    EXPECT_EQ(lights[1]->Type(), rm::D3DRMLIGHT_AMBIENT);
    EXPECT_NEAR(lights[1]->Blue(), 0.7f, 1e-6);
    EXPECT_NEAR(scene.LightDirX, -0.577f, 1e-3);
    EXPECT_NEAR(scene.LightDirZ, 0.577f, 1e-3);
    EXPECT_NEAR(LightFrame()->WorldTransform().Axis(2).x, -0.577f, 1e-3);
    EXPECT_NEAR(LightFrame()->WorldTransform().Translation().x, 200.0f, 1e-3);

    EXPECT_NEAR(camera.ViewY, -0.832f, 1e-3);
    EXPECT_NEAR(camera.ViewZ, 0.555f, 1e-3);
    EXPECT_NEAR(camera.CameraFrame->WorldTransform().Translation().y, 3000.0f, 1e-2);
    EXPECT_NEAR(camera.CameraFrame->WorldTransform().Axis(2).y, -0.832f, 1e-3);
}

TEST_F(DXSceneTest, ColoursTakeOnlyTheirThreeLowBytesAndLightsAreNotClamped)
{
    scene.BGColor = static_cast<std::int32_t>(0x8000000F);
    light1.Color = 0x0000FF;
    light1.CFactor = 150;
    light2.CFactor = 0;
    ASSERT_EQ(CreateFails(), 0);
    EXPECT_NEAR(scene.SceneFrame->SceneBackground().x, 15.0f / 255.0f, 1e-6);
    EXPECT_EQ(scene.SceneFrame->SceneBackground().z, 0.0f);
    const auto& lights = LightFrame()->Lights();
    EXPECT_NEAR(lights[0]->Red(), 1.5f, 1e-6);
    EXPECT_EQ(lights[0]->Green(), 0.0f);
    EXPECT_EQ(lights[1]->Red(), 0.0f);
}

TEST_F(DXSceneTest, ZeroDirectionsBecomeXAndFogNeedsItsSwitch)
{
    scene.LightDirX = scene.LightDirY = scene.LightDirZ = 0;
    TDXFog fog;
    fog.FogColor = 0x0000FF;
    scene.Fog = &fog;
    ASSERT_EQ(CreateFails(), 0);
    EXPECT_EQ(scene.LightDirX, 1.0f);
    EXPECT_FALSE(scene.SceneFrame->Fog().enabled);

    scene.SetCamOrientation(0, 0, 0);
    EXPECT_NEAR(camera.CameraFrame->WorldTransform().Axis(2).x, 1.0f, 1e-6);

    fog.FogEnable = true;
    fog.FogStart = 10;
    fog.FogEnd = 20;
    ASSERT_EQ(CreateFails(), 0);
    EXPECT_TRUE(scene.SceneFrame->Fog().enabled);
    EXPECT_EQ(scene.SceneFrame->Fog().color, 0xFFFF0000u);
    EXPECT_EQ(scene.SceneFrame->Fog().end, 20.0f);
}

struct FailingStep {
    const char* call;
    int nth;
    int code;
};

class SceneErrors : public DXSceneTest, public ::testing::WithParamInterface<FailingStep> {};

TEST_P(SceneErrors, EachFailingStepThrowsItsCode)
{
    log.FailCall(GetParam().call, GetParam().nth, rm::D3DRMERR_BADVALUE);
    EXPECT_EQ(CreateFails(), GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(Create, SceneErrors,
                         ::testing::Values(FailingStep{"CreateFrame", 1, 400}, FailingStep{"CreateLightRGB", 2, 401},
                                           FailingStep{"CreateFrame", 2, 400}, FailingStep{"CreateFrame", 3, 400}));

TEST_F(DXSceneTest, AddMeshLoadsEveryMeshOfTheSourceIntoOneFrame)
{
    ASSERT_EQ(CreateFails(), 0);
    rm.meshesInSource = 3;
    rm::Ptr<rm::Frame3> three = scene.AddMesh("three.x", rm::D3DRMLOAD_FROMFILE, 0, 0, 50);
    EXPECT_EQ(three->Visuals().size(), 3u);
    EXPECT_EQ(three->Parent(), scene.SceneFrame.get());
    EXPECT_NEAR(three->WorldTransform().Translation().z, 50.0f, 1e-4);

    rm.meshesInSource = 0;
    rm::Ptr<rm::Frame3> none = scene.AddMesh("missing.x", rm::D3DRMLOAD_FROMFILE, 0, 0, 0);
    EXPECT_TRUE(none->Visuals().empty());

    scene.DelMesh(none.get());
    EXPECT_EQ(none->Parent(), nullptr);

    log.FailCall("CreateMeshBuilder", log.Count("CreateMeshBuilder") + 1, rm::D3DRMERR_BADVALUE);
    EXPECT_THROW(scene.AddMesh("x.x", rm::D3DRMLOAD_FROMFILE, 0, 0, 0), EngineError);
}

} // namespace
