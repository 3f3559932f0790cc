#pragma once

#include "engine/DXAnimation.h"
#include "engine/DXCore.h"
#include "engine/DXScene.h"
#include "fakes/FakeRetainedMode.h"

#include <memory>

// An engine core and a scene just far enough along to take a character: the core's record
// holds the fake retained-mode factory, the scene has its root frame.
struct CharacterStage {
    CharacterStage()
    {
        core.DirectX3DRM = std::make_unique<TDirectX3DRM>();
        retainedMode.QueryRM3(core.DirectX3DRM->RM3);
        scene.SceneFrame = rm::MakePtr<rm::Frame3>();
        animation.DXCore = &core;
        animation.DXScene = &scene;
    }

    CallLog log;
    FakeRetainedMode retainedMode{log};
    TDXCore core{nullptr};
    TDXScene scene;
    TDXAnimation animation;
};
