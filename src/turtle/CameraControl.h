#pragma once

#include "dinput/MouseState.h"
#include "turtle/TurtleState.h"

#include <array>
#include <functional>

class TDXScene;

// 4 × 4, row-major, multiplying column vectors.
using Matrix4 = std::array<double, 16>;
using Vector4 = std::array<double, 4>;

Matrix4 IdentityMatrix();
Vector4 Multiply(const Matrix4& m, const Vector4& v);

// The camera that follows the turtle: it keeps its place relative to the turtle's position and
// heading and always looks at the turtle's foot on the floor. The mouse orbits it (left button)
// and moves it away or closer (right button) while the cursor is over the 3D view.
class CameraControl {
public:
    static constexpr double kMinHeight = 200.0;
    static constexpr double kMinDistance = 800.0;
    static constexpr double kMaxDistance = 4000.0;

    CameraControl();

    // The start place, in the turtle's frame.
    void Reset(double x, double y, double z);
    // mouseInViewport is asked only while a button is pressed: the cursor is not read otherwise.
    void HandleMouse(const dinput::DIMOUSESTATE& state, double dt, const std::function<bool()>& mouseInViewport);
    void PlaceCamera(const TTurtleState& turtle, TDXScene& scene);

    Vector4 CameraPos{};
    Matrix4 OrbitMatrix;
    Matrix4 TurtleMatrix;

private:
    void Orbit(double p, double q);
    void MoveAway(double d);
};
