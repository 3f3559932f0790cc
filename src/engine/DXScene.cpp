#include "DXScene.h"

#include "win/Fpu.h"

#include <cmath>

TDXScene::TDXScene() : sceneFrame_(rm::MakePtr<rm::Frame3>())
{
    win::MaskFloatingPointExceptions();
}

void TDXScene::SetCamPosition(float x, float y, float z)
{
    cameraPosition_ = {x, y, z};
}

void TDXScene::SetCamOrientation(float x, float y, float z)
{
    NormalizeVector(x, y, z);
    cameraDirection_ = {x, y, z};
}

void NormalizeVector(float& x, float& y, float& z)
{
    const float length = std::sqrt(x * x + y * y + z * z);
    if (length == 0.0f) {
        x = 1.0f;
        y = 0.0f;
        z = 0.0f;
        return;
    }
    x /= length;
    y /= length;
    z /= length;
}
