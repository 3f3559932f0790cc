#include "DXScene.h"

#include "DXCamera.h"
#include "DXFog.h"
#include "DXLight.h"
#include "DirectX3DRM.h"
#include "EngineError.h"
#include "TextureLoader.h"
#include "win/Fpu.h"

#include <cmath>
#include <vector>

namespace {

bool Failed(win::HRESULT result)
{
    return result != 0;
}

// The three colour bytes of a 0x00BBGGRR colour; the high byte is not looked at.
struct ColorBytes {
    int red, green, blue;
};

ColorBytes BytesOf(std::int32_t color)
{
    return {color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF};
}

} // namespace

TDXScene::TDXScene()
{
    win::MaskFloatingPointExceptions();
}

void NormalizeVector(float& x, float& y, float& z)
{
    const float s = x * x + y * y + z * z;
    if (s == 0.0f) {
        x = 1.0f;
        return;
    }
    const float f = 1.0f / std::sqrt(s);
    x *= f;
    y *= f;
    z *= f;
}

bool TDXScene::Create(TDirectX3DRM& directX3DRM)
{
    DirectX3DRM = &directX3DRM;
    rm::Direct3DRM3& rm3 = *directX3DRM.RM3;
    if (Failed(rm3.CreateFrame(nullptr, SceneFrame)))
        throw EngineError(EngineErrorCode::CreateFrame);
    const ColorBytes background = BytesOf(BGColor);
    if (Failed(SceneFrame->SetSceneBackgroundRGB(static_cast<float>(background.red) / 255.0f,
                                                 static_cast<float>(background.green) / 255.0f,
                                                 static_cast<float>(background.blue) / 255.0f)))
        throw EngineError(EngineErrorCode::SetSceneBackground);
    SceneFrame->SetSceneFogEnable(false);
    if (Fog && Fog->FogEnable) {
        const ColorBytes fog = BytesOf(Fog->FogColor);
        SceneFrame->SetSceneFogColor(0xFF000000u | static_cast<std::uint32_t>(fog.red) << 16
                                     | static_cast<std::uint32_t>(fog.green) << 8 | static_cast<std::uint32_t>(fog.blue));
        SceneFrame->SetSceneFogMode(rm::D3DRMFOG_LINEAR);
        SceneFrame->SetSceneFogEnable(true);
        SceneFrame->SetSceneFogParams(Fog->FogStart, Fog->FogEnd, Fog->FogDensity);
    }

    std::vector<rm::Ptr<rm::Light>> lights;
    for (const TDXLight* setting : {Light1, Light2, Light3}) {
        if (!setting)
            continue;
        const auto k = static_cast<float>(static_cast<long double>(setting->CFactor) * 0.01L * (1.0L / 255.0L));
        const ColorBytes c = BytesOf(setting->Color);
        rm::Ptr<rm::Light> light;
        if (Failed(rm3.CreateLightRGB(static_cast<rm::D3DRMLIGHTTYPE>(setting->Mode), static_cast<float>(c.red) * k,
                                      static_cast<float>(c.green) * k, static_cast<float>(c.blue) * k, light)))
            throw EngineError(EngineErrorCode::CreateLight);
        lights.push_back(std::move(light));
    }

    rm::Ptr<rm::Frame3> lightFrame;
    if (Failed(rm3.CreateFrame(SceneFrame.get(), lightFrame)))
        throw EngineError(EngineErrorCode::CreateFrame);
    if (Failed(lightFrame->SetPosition(SceneFrame.get(), LightPosX, LightPosY, LightPosZ)))
        throw EngineError(EngineErrorCode::SetFramePosition);
    NormalizeVector(LightDirX, LightDirY, LightDirZ);
    NormalizeVector(LightUpX, LightUpY, LightUpZ);
    if (Failed(lightFrame->SetOrientation(SceneFrame.get(), LightDirX, LightDirY, LightDirZ, LightUpX, LightUpY,
                                          LightUpZ)))
        throw EngineError(EngineErrorCode::SetLightOrientation);
    for (const rm::Ptr<rm::Light>& light : lights) {
        if (Failed(lightFrame->AddLight(light.get())))
            throw EngineError(EngineErrorCode::AddLight);
    }

    if (!Camera)
        throw EngineError(EngineErrorCode::CreateFrame);
    Camera->Create(directX3DRM, SceneFrame.get());
    return true;
}

void TDXScene::Destroy()
{
    SceneFrame.reset();
    if (Camera)
        Camera->Destroy();
}

void TDXScene::LoadMeshes(rm::Frame3& frame, const void* source, std::uint32_t options)
{
    rm::Direct3DRM3& rm3 = *DirectX3DRM->RM3;
    // The source's meshes one by one, until a load finds no further mesh.
    for (std::uint32_t position = 0;; ++position) {
        rm::Ptr<rm::MeshBuilder3> builder;
        if (Failed(rm3.CreateMeshBuilder(builder)))
            throw EngineError(EngineErrorCode::CreateMeshBuilder);
        builder->SetPerspective(true);
        builder->SetQuality(DirectX3DRM->Quality);
        if (Failed(builder->Load(source, &position, options | rm::D3DRMLOAD_BYPOSITION, &LoadTextureCallback,
                                 nullptr)))
            return;
        if (Failed(frame.AddVisual(builder.get())))
            throw EngineError(EngineErrorCode::AddVisual);
    }
}

rm::Ptr<rm::Frame3> TDXScene::AddMesh(const void* source, std::uint32_t options, float x, float y, float z)
{
    return AddMesh(nullptr, source, options, x, y, z);
}

rm::Ptr<rm::Frame3> TDXScene::AddMesh(rm::Ptr<rm::Frame3> frame, const void* source, std::uint32_t options,
                                      float x, float y, float z)
{
    if (!frame && Failed(DirectX3DRM->RM3->CreateFrame(SceneFrame.get(), frame)))
        throw EngineError(EngineErrorCode::CreateFrame);
    LoadMeshes(*frame, source, options);
    if (Failed(frame->SetPosition(SceneFrame.get(), x, y, z)))
        throw EngineError(EngineErrorCode::SetFramePosition);
    return frame;
}

void TDXScene::DelMesh(rm::Frame3* frame)
{
    rm::Ptr<rm::Frame3> parent;
    frame->GetParent(parent);
    if (parent)
        parent->DeleteChild(frame);
}

void TDXScene::SetCamPosition(float x, float y, float z)
{
    Camera->CameraFrame->SetPosition(SceneFrame.get(), x, y, z);
}

void TDXScene::SetCamOrientation(float x, float y, float z)
{
    NormalizeVector(x, y, z);
    Camera->CameraFrame->SetOrientation(SceneFrame.get(), x, y, z, 0.0f, 1.0f, 0.0f);
}
