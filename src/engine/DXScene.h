#pragma once

#include "rm/Frame.h"

#include <array>

// The scene the core renders: its root frame and the camera's place and viewing direction.
class TDXScene {
public:
    TDXScene();

    void SetCamPosition(float x, float y, float z);
    // Looks along (x, y, z), normalised; a zero direction looks along (1, 0, 0).
    void SetCamOrientation(float x, float y, float z);

    const std::array<float, 3>& CameraPosition() const { return cameraPosition_; }
    const std::array<float, 3>& CameraDirection() const { return cameraDirection_; }
    rm::Frame3* SceneFrame() const { return sceneFrame_.get(); }

private:
    rm::Ptr<rm::Frame3> sceneFrame_;
    std::array<float, 3> cameraPosition_{0.0f, 0.0f, 0.0f};
    std::array<float, 3> cameraDirection_{0.0f, 0.0f, 1.0f};
};

// Scales (x, y, z) to unit length; a zero vector becomes (1, 0, 0).
void NormalizeVector(float& x, float& y, float& z);
