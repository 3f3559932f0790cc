#include "shell/SceneSetup.h"

#include "engine/DXAnimation.h"
#include "engine/DXCamera.h"
#include "engine/DXCore.h"
#include "engine/DXLight.h"
#include "engine/DXScene.h"

void SetUpScene(TDXScene& scene, TDXCamera& camera, TDXLight& directional, TDXLight& ambient)
{
    scene.BlueBox = 0x7F7F7F;
    scene.BGColor = 0xFFFFFF;
    scene.Light1 = &directional;
    scene.Light2 = &ambient;
    scene.LightPosX = 200.0f;
    scene.LightPosY = 200.0f;
    scene.LightPosZ = -100.0f;
    scene.LightDirX = -1.0f;
    scene.LightDirY = -1.0f;
    scene.LightDirZ = 1.0f;
    scene.LightUpX = 0.0f;
    scene.LightUpY = 1.0f;
    scene.LightUpZ = 0.0f;
    scene.Camera = &camera;

    camera.PosX = 0.0f;
    camera.PosY = 3000.0f;
    camera.PosZ = -2000.0f;
    camera.ViewX = 0.0f;
    camera.ViewY = -3.0f;
    camera.ViewZ = 2.0f;

    directional.Color = 0xFFFFFF;
    directional.CFactor = 60;
    directional.Mode = lmDirectional;
    ambient.Color = 0xFFFFFF;
    ambient.CFactor = 70;
    ambient.Mode = lmAmbient;
}

void SetUpCore(TDXCore& core, TDXViewport& viewport, TDXScene& scene)
{
    core.DXViewport = &viewport;
    core.DXScene = &scene;
    core.Front = 1.0f;
    core.Back = 8000.0f;
}

void SetUpCharacter(TDXAnimation& character, TDXScene& scene, TDXCore& core)
{
    character.PosX = 0.0f;
    character.PosY = 0.0f;
    character.PosZ = 0.0f;
    character.ViewX = 0.0f;
    character.ViewY = 1.0f;
    character.ViewZ = 0.0f;
    character.SpeedFactor = 0.05;
    character.StartTime = 0;
    character.EndTime = 12000;
    character.AutoRepeat = true;
    character.Play = false;
    character.DXScene = &scene;
    character.DXCore = &core;
}
