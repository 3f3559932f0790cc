#pragma once

#include "dinput/MouseState.h"

#include <array>
#include <cstdint>
#include <functional>

class CameraControl;
class TDXAnimation;
class TDXCore;
class TDXInput;
class TDXScene;
class TurtleMotion;
struct TTurtleState;

// The window around the main loop: where the 3D view is, and its status bar.
class LoopWindow {
public:
    virtual ~LoopWindow() = default;
    virtual bool MouseInViewport() const = 0;
    virtual void RefreshStatus() = 0;
};

// What one pass of the main loop works on.
struct LoopParts {
    TDXCore& core;
    TDXScene& scene;
    TDXAnimation& character;
    TDXInput& keyboard;
    TTurtleState& turtle;
    TurtleMotion& motion;
    CameraControl& camera;
    LoopWindow& window;
};

// One pass of the program's main loop: the camera follows the mouse, the running command moves
// on, the window's events are handled, a frame is rendered, the character walks and is placed
// where the turtle is, and the status bar is refreshed now and then. All motion is scaled by the
// milliseconds the previous pass took; the first pass moves nothing.
class MainLoopPass {
public:
    static constexpr std::uint32_t kStatusRefreshMs = 700;
    static constexpr double kHiddenCharacterHeight = 10000.0;

    explicit MainLoopPass(const LoopParts& parts);

    void Run();
    // Passes while the core's run flag is set.
    void RunWhileRunning();

    // The milliseconds the last pass took, the next pass's step.
    std::uint32_t Dt() const { return dt_; }

private:
    void StopCommandOnEscape();
    void PlaceCamera();
    void PlaceCharacter();

    LoopParts parts_;
    const std::function<bool()> mouseInViewport_;
    dinput::DIMOUSESTATE mouse_;
    std::array<char, 256> keys_{};
    std::uint32_t dt_ = 0;
    std::uint32_t statusTime_ = 0;
};
