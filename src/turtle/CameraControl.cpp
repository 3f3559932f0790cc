#include "turtle/CameraControl.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

double Elevation(const CameraControl::Vector& v)
{
    return std::atan2(v[1], std::hypot(v[0], v[2]));
}

// Whether the tilt by a about the x axis carries the camera across the upward side of that axis,
// where the view turns over: the (y, z) part turns from its angle θ to θ + a, and the top lies at
// the multiples of 2π.
bool TiltsOverTheTop(const CameraControl::Vector& v, double a)
{
    constexpr double kTurn = 2 * std::numbers::pi;
    const double from = std::atan2(v[2], v[1]);
    const double to = from + a;
    return std::floor(std::max(from, to) / kTurn) > std::floor(std::min(from, to) / kTurn);
}

} // namespace

CameraControl::Matrix CameraControl::Identity()
{
    return {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
}

CameraControl::Vector CameraControl::Multiply(const Matrix& m, const Vector& v)
{
    Vector result{};
    for (int row = 0; row < 4; ++row) {
        double sum = 0.0;
        for (int column = 0; column < 4; ++column)
            sum += m[static_cast<std::size_t>(row * 4 + column)] * v[static_cast<std::size_t>(column)];
        result[static_cast<std::size_t>(row)] = sum;
    }
    return result;
}

CameraControl::CameraControl() : OrbitMatrix(Identity()), TurtleMatrix(Identity()) {}

void CameraControl::Reset(double x, double y, double z)
{
    CameraPos = {x, y, z, 1.0};
    start_ = CameraPos;
    OrbitMatrix = Identity();
    TurtleMatrix = OrbitMatrix;
}

void CameraControl::ReturnToStart()
{
    CameraPos = start_;
    OrbitMatrix = Identity();
}

void CameraControl::HandleMouse(const dinput::DIMOUSESTATE& state, double dt,
                                const std::function<bool()>& mouseInViewport)
{
    const bool left = dinput::IsPressed(state.rgbButtons[0]);
    const bool right = dinput::IsPressed(state.rgbButtons[1]);
    if (!(left || right) || !mouseInViewport())
        return;
    if (topView_) {
        if (left)
            topTurn_ -= state.lX * dt * 0.002;
        else
            topHeight_ = std::clamp(topHeight_ + state.lY * dt * 0.4, kMinTopHeight, kMaxTopHeight);
        return;
    }
    if (left)
        Orbit(state.lX * dt * 0.002, state.lY * dt * 0.0015);
    else
        MoveAway(state.lY * dt * 0.4);
}

void CameraControl::Orbit(double p, double q)
{
    // The turn about the vertical axis by b after the tilt about the x axis by a. A fling tilts a
    // quarter turn at most, so that the camera goes the way the mouse went, not round the back.
    const double a = std::clamp(-q, -kQuarterTurn, kQuarterTurn);
    const double b = -p;
    const double ca = std::cos(a), sa = std::sin(a), cb = std::cos(b), sb = std::sin(b);
    OrbitMatrix = {cb, sb * sa, sb * ca, 0,
                   0, ca, -sa, 0,
                   -sb, cb * sa, cb * ca, 0,
                   0, 0, 0, 1};
    const Vector before = CameraPos;
    CameraPos = Multiply(OrbitMatrix, CameraPos);
    // A tilt past the top, or steeper than the highest place, stops there, on the side where the
    // turn alone takes the camera.
    if (TiltsOverTheTop(before, a) || Elevation(CameraPos) > kMaxElevation)
        PlaceAtTheHighest(cb * before[0] + sb * before[2], -sb * before[0] + cb * before[2]);
    if (CameraPos[1] < kMinHeight)
        CameraPos[1] = kMinHeight;
}

void CameraControl::PlaceAtTheHighest(double towardsX, double towardsZ)
{
    const double across = std::hypot(towardsX, towardsZ);
    if (across <= 0.0)
        return;
    const double r = std::sqrt(CameraPos[0] * CameraPos[0] + CameraPos[1] * CameraPos[1] + CameraPos[2] * CameraPos[2]);
    const double horizontal = r * std::cos(kMaxElevation) / across;
    CameraPos[0] = towardsX * horizontal;
    CameraPos[1] = r * std::sin(kMaxElevation);
    CameraPos[2] = towardsZ * horizontal;
}

void CameraControl::MoveAway(double d)
{
    const double r = std::sqrt(CameraPos[0] * CameraPos[0] + CameraPos[1] * CameraPos[1] + CameraPos[2] * CameraPos[2]);
    // One step may cross a limit; beyond it only steps back towards the range are taken.
    if ((r < kMinDistance && d < 0) || (r > kMaxDistance && d > 0) || r <= 0.0)
        return;
    // A fast drag would otherwise carry the camera through the turtle and under the floor: a step
    // ends at most kOvershoot beyond the range.
    const double distance = std::clamp(r + d, kMinDistance - kOvershoot, kMaxDistance + kOvershoot);
    const double scale = distance / r;
    for (int i = 0; i < 3; ++i)
        CameraPos[static_cast<std::size_t>(i)] *= scale;
}

void CameraControl::SetTopView(bool on)
{
    topView_ = on;
    topHeight_ = kTopHeight;
    topTurn_ = 0.0;
}

CameraPose CameraControl::PlaceAbove() const
{
    // Straight down the scene's up vector would leave the view's own up undefined; a tilt too small
    // to see towards the top of the screen keeps the sheet's +Y there.
    constexpr double kLean = 1e-3;
    const double dx = kLean * std::sin(topTurn_), dz = kLean * std::cos(topTurn_);
    const double n = 1.0 / std::sqrt(1.0 + kLean * kLean);
    return {0.0f, static_cast<float>(topHeight_), 0.0f,
            static_cast<float>(dx * n), static_cast<float>(-n), static_cast<float>(dz * n)};
}

CameraPose CameraControl::PlaceCamera(const TTurtleState& turtle)
{
    if (topView_)
        return PlaceAbove();
    const double h = turtle.Heading;
    const double footX = kSceneUnitsPerSheetUnit * turtle.X;
    const double footZ = kSceneUnitsPerSheetUnit * turtle.Y;
    TurtleMatrix = {std::cos(h), 0, std::sin(h), footX,
                    0, 1, 0, 0,
                    -std::sin(h), 0, std::cos(h), footZ,
                    0, 0, 0, 1};
    const Vector p = Multiply(TurtleMatrix, CameraPos);
    const double vx = footX - p[0], vy = -p[1], vz = footZ - p[2];
    const double n = 1.0 / std::sqrt(vx * vx + vy * vy + vz * vz);
    return {static_cast<float>(p[0]), static_cast<float>(p[1]), static_cast<float>(p[2]),
            static_cast<float>(vx * n), static_cast<float>(vy * n), static_cast<float>(vz * n)};
}
