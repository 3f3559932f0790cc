#pragma once

#include <cstdint>
#include <numbers>

class TurtleSheet;

enum class CommandState : std::int32_t { Idle = 0, Move = 1, Circle = 2, Turn = 3 };

// The animated turtle commands. A command is started by one of the Start operations and then
// advanced by StepCommand in slices of turtle time until State is Idle again: moves at 30 sheet
// units a second, turns and circles at one radian a second.
class TurtleMotion {
public:
    static constexpr double kMoveUnitsPerMs = 0.03;
    static constexpr double kRadiansPerMs = 0.001;
    static constexpr double kPi = std::numbers::pi;
    static constexpr double kRightAngle = 1.5707963267948966;
    static constexpr double kFullCircle = 6.283185307179586;

    explicit TurtleMotion(TurtleSheet& sheet);

    void StartForward(int distance);
    void StartBackward(int distance);
    void StartRight(int degrees);
    void StartLeft(int degrees);
    void StartCircle(int radius);
    void StartSquare(int side);

    void StepCommand(std::uint32_t dt);
    // Ends a running command where the turtle got to.
    void Stop();
    // The move under way ran into the sheet's edge and stopped there.
    bool HeldAtEdge() const { return heldAtEdge_; }

    CommandState State = CommandState::Idle;
    double CommandAmount = 0.0;
    double CommandStep = 0.0;
    double SquareSide = 0.0;
    std::int32_t SquareRepeats = -1;

private:
    void StartMove(double amount);
    void StartTurn(double amount);
    void AimMove(double amount);
    void AimTurn(double amount);
    void StepMove(std::uint32_t dt);
    void StepTurn(std::uint32_t dt);
    void StepCircle(std::uint32_t dt);
    void Finish();

    TurtleSheet& sheet_;
    // Where the running move or turn ends, worked out once at its start: the steps of the walk
    // do not add up exactly to the amount.
    double targetX_ = 0.0;
    double targetY_ = 0.0;
    double targetHeading_ = 0.0;
    bool heldAtEdge_ = false;
};
