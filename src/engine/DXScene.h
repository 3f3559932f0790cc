#pragma once

#include "rm/Frame.h"

#include <cstdint>

class TDXCamera;
class TDXFog;
class TDXLight;
struct TDirectX3DRM;

// The scene: its root frame with the background and the fog, the lights on one light frame, the
// camera, and the meshes loaded into frames of their own.
class TDXScene {
public:
    TDXScene();

    std::int32_t BlueBox = 0;
    std::int32_t BGColor = 0; // 0x00BBGGRR
    TDXFog* Fog = nullptr;
    TDXLight* Light1 = nullptr;
    TDXLight* Light2 = nullptr;
    TDXLight* Light3 = nullptr;
    float LightPosX = 0.0f, LightPosY = 0.0f, LightPosZ = 0.0f;
    float LightDirX = 0.0f, LightDirY = 0.0f, LightDirZ = 0.0f;
    float LightUpX = 0.0f, LightUpY = 0.0f, LightUpZ = 0.0f;
    TDXCamera* Camera = nullptr;

    TDirectX3DRM* DirectX3DRM = nullptr;
    rm::Ptr<rm::Frame3> SceneFrame;

    // Builds the scene in its fixed order; throws the failing step's code.
    bool Create(TDirectX3DRM& directX3DRM);
    void Destroy();

    // Loads every mesh of a source (a file name for D3DRMLOAD_FROMFILE, a D3DRMLOADMEMORY record
    // for D3DRMLOAD_FROMMEMORY) into a new frame at (x, y, z); a source with no mesh gives an
    // empty frame. The frame lives as long as the scene; the pointer is a reference of its own.
    rm::Ptr<rm::Frame3> AddMesh(const void* source, std::uint32_t options, float x, float y, float z);
    // The same into `frame`, or into a new one when it is null.
    rm::Ptr<rm::Frame3> AddMesh(rm::Ptr<rm::Frame3> frame, const void* source, std::uint32_t options, float x,
                                float y, float z);
    void DelMesh(rm::Frame3* frame);

    void SetCamPosition(float x, float y, float z);
    // Looks along (x, y, z), normalised; a zero direction looks along (1, 0, 0).
    void SetCamOrientation(float x, float y, float z);

private:
    void LoadMeshes(rm::Frame3& frame, const void* source, std::uint32_t options);
};

// Scales (x, y, z) to unit length; a zero vector becomes (1, 0, 0).
void NormalizeVector(float& x, float& y, float& z);
