#pragma once

#include "dinput/MouseState.h"
#include "turtle/TurtleState.h"

#include <array>
#include <functional>

// Where the camera stands in the scene and the unit direction it looks along.
struct CameraPose {
    float x = 0.0f, y = 0.0f, z = 0.0f;
    float viewX = 0.0f, viewY = 0.0f, viewZ = 1.0f;
};

// The camera that follows the turtle: it keeps its place relative to the turtle's position and
// heading and always looks at the turtle's foot on the floor. The mouse orbits it (left button)
// and moves it away or closer (right button) while the cursor is over the 3D view.
// The top view instead looks straight down on the whole sheet, north up; there the mouse turns
// the sheet (left button) and lowers or raises the camera (right button). Leaving it gives back
// the camera behind the turtle where it was.
class CameraControl {
public:
    static constexpr double kMinHeight = 200.0;
    // The orbit stops short of straight above the turtle (80°), where the view would turn over.
    static constexpr double kMaxElevation = 1.3962634015954636;
    static constexpr double kQuarterTurn = 1.5707963267948966;
    static constexpr double kMinDistance = 800.0;
    static constexpr double kMaxDistance = 4000.0;
    // How far one step may carry the distance past either end of its range.
    static constexpr double kOvershoot = 400.0;
    // High enough that the whole sheet, 2560 across, fits the view with a margin.
    static constexpr double kTopHeight = 2900.0;
    static constexpr double kMinTopHeight = 800.0;
    static constexpr double kMaxTopHeight = 6000.0;

    // 4 × 4, row-major, multiplying column vectors.
    using Matrix = std::array<double, 16>;
    using Vector = std::array<double, 4>;
    static Matrix Identity();
    static Vector Multiply(const Matrix& m, const Vector& v);

    CameraControl();

    // The start place, in the turtle's frame.
    void Reset(double x, double y, double z);
    // Back to the start place, wherever the mouse has taken the camera.
    void ReturnToStart();
    // mouseInViewport is asked only while a button is pressed: the cursor is not read otherwise.
    void HandleMouse(const dinput::DIMOUSESTATE& state, double dt, const std::function<bool()>& mouseInViewport);
    // The camera's place in the scene, behind the turtle as it now stands.
    CameraPose PlaceCamera(const TTurtleState& turtle);

    bool TopView() const { return topView_; }
    // Each entry to the top view starts north up at its first height.
    void SetTopView(bool on);

    Vector CameraPos{};
    Matrix OrbitMatrix;
    Matrix TurtleMatrix;

private:
    void Orbit(double p, double q);
    void PlaceAtTheHighest(double towardsX, double towardsZ);
    void MoveAway(double d);
    CameraPose PlaceAbove() const;

    Vector start_{};
    bool topView_ = false;
    double topHeight_ = kTopHeight;
    // The top view's turn about the vertical axis; 0 is north up.
    double topTurn_ = 0.0;
};
