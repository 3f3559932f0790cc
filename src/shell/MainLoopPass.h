#pragma once

#include "dinput/MouseState.h"
#include "turtle/TurtleSpeed.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

class CameraControl;
class TDXAnimation;
class TDXCore;
class TDXInput;
class TDXScene;
class TurtleWalker;
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
    TurtleWalker& walker;
    CameraControl& camera;
    LoopWindow& window;
};

// One pass of the program's main loop: the camera follows the mouse, the walker walks on, the
// window's events are handled, a frame is rendered, the character walks and is placed where the
// turtle is, and the status bar is refreshed now and then. All motion is scaled by the
// milliseconds the previous pass took; the first pass moves nothing. The walker gets that time at
// the turtle's speed, and walks it in its own fixed slices; at the top speed it walks for its
// pass budget instead, and the frame shows the page so far.
// When nothing can change (no command, no animation, no button held, the picture and the status
// bar showing what is) a pass sleeps until the next event instead of spinning; the time asleep is
// not pass time.
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

    TurtleSpeed& Speed() { return speed_; }

private:
    // What a frame shows of the turtle, the camera and the character; what the status bar shows.
    struct Shown {
        double x, y, heading;
        bool hidden;
        std::array<double, 3> camera;
        const void* character;
        std::int32_t characterTime;
        bool operator==(const Shown&) const = default;
    };
    struct StatusShown {
        double x, y, heading;
        bool operator==(const StatusShown&) const = default;
    };

    bool NothingCanChange() const;
    Shown Now() const;
    StatusShown StatusNow() const;
    void StopCommandOnEscape();
    void WalkOn();
    void PlaceCamera();
    void PlaceCharacter();

    LoopParts parts_;
    TurtleSpeed speed_;
    const std::function<bool()> mouseInViewport_;
    dinput::DIMOUSESTATE mouse_;
    std::array<char, 256> keys_{};
    bool buttonHeld_ = false;
    std::uint32_t dt_ = 0;
    std::uint32_t statusTime_ = 0;
    // The placing of the last pass, and what the last frame rendered showed: a frame shows what
    // the pass before it placed.
    std::optional<Shown> placed_;
    std::optional<Shown> rendered_;
    std::optional<StatusShown> status_;
};
