#pragma once

#include "rm/AnimationSet.h"
#include "rm/Frame.h"

#include <cstdint>

class TDXCore;
class TDXScene;

// The animated character: loaded into a frame of its own under the scene's root, advanced by
// elapsed time while Play is set, placed and turned where the turtle is.
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
    rm::Ptr<rm::Frame3> CharacterFrame;
    rm::Ptr<rm::AnimationSet2> AnimationSet;

    // Loads a character model from memory or from a file. False, loading nothing, without both
    // links; a failing system call throws 600 (frame), 601 (animation set) or 602 (load).
    bool Create(const void* data, std::int32_t size);
    bool Create(const char* fileName);
    void Destroy();
    // Whether a model is loaded: decided by the animation set alone.
    bool Loaded() const { return static_cast<bool>(AnimationSet); }

    // Advances the animation by `elapsed` (scaled by SpeedFactor); false while Play is off.
    bool Animate(double elapsed);
    void SetPosition(double x, double y, double z);
    void SetOrientation(double heading, double unused);
    void Reset();

private:
    bool Load(const void* source, std::uint32_t options);
    void ShowKeyTime();
};
