#pragma once

#include "rm/Frame.h"

struct TDirectX3DRM;

// The camera: where it starts and which way it looks (up is (0, 1, 0)), and the camera frame
// it makes under the scene's root.
class TDXCamera {
public:
    TDXCamera();

    float PosX = 0.0f;
    float PosY = 0.0f;
    float PosZ = 0.0f;
    float ViewX = 0.0f;
    float ViewY = 0.0f;
    float ViewZ = 0.0f;
    rm::Ptr<rm::Frame3> CameraFrame;

    // Makes the camera frame under `sceneFrame`; throws 400 or 402 after showing the failing
    // result. Answers the result of turning the frame, which nobody checks.
    win::HRESULT Create(TDirectX3DRM& directX3DRM, rm::Frame3* sceneFrame);
    void Destroy();
};
