#pragma once

#include "rm/Frame.h"

#include <cstdint>

class TDXCore;
class TDXScene;

// The animated character: loaded into a frame under the scene's root, advanced by elapsed
// time while Play is set, placed and turned where the turtle is.
class TDXAnimation {
public:
    TDXAnimation();

    float PosX = 0.0f, PosY = 0.0f, PosZ = 0.0f;
    float ViewX = 0.0f, ViewY = 0.0f, ViewZ = 0.0f;
    double SpeedFactor = 0.0;
    std::int32_t StartTime = 0;
    std::int32_t EndTime = 0;
    bool AutoRepeat = false;
    bool Play = false;
    TDXScene* DXScene = nullptr;
    TDXCore* DXCore = nullptr;

    std::int32_t CurrentTime = 0;
    double TimeFraction = 0.0;

    // Loads a character model from memory. False, loading nothing, without both links.
    bool Create(const void* data, std::int32_t size);
    void Destroy();
    bool Loaded() const { return static_cast<bool>(characterFrame_); }

    // Advances the animation by `elapsed` (scaled by SpeedFactor); false while Play is off.
    bool Animate(double elapsed);
    void SetPosition(double x, double y, double z);
    void SetOrientation(double heading, double unused);

    // Where the character stands and which way it faces, as last set.
    float X() const { return x_; }
    float Y() const { return y_; }
    float Z() const { return z_; }
    float FacingX() const { return facingX_; }
    float FacingZ() const { return facingZ_; }

private:
    rm::Ptr<rm::Frame3> characterFrame_;
    float x_ = 0.0f, y_ = 0.0f, z_ = 0.0f;
    float facingX_ = 0.0f, facingZ_ = 1.0f;
};
