#include "turtle/TurtleMotion.h"

#include "turtle/TurtleSheet.h"

#include <cmath>

namespace {

constexpr double kDegreesToRadians = TurtleMotion::kPi * (1.0 / 180.0);

void MovePenTo(SheetCanvas& canvas, double x, double y)
{
    const SheetPixel p = PixelOf(x, y);
    canvas.MoveTo(p.column, p.row);
}

void LineTo(SheetCanvas& canvas, double x, double y)
{
    const SheetPixel p = PixelOf(x, y);
    canvas.LineTo(p.column, p.row);
}

// Keeps a coordinate within the sheet; true when it had gone past the edge.
bool HoldAtEdge(double& coordinate)
{
    if (coordinate > kSheetEdge) {
        coordinate = kSheetEdge;
        return true;
    }
    if (coordinate < -kSheetEdge) {
        coordinate = -kSheetEdge;
        return true;
    }
    return false;
}

// Sines of whole-degree headings are not exact: a walk aimed within a billionth of a whole unit
// ends on that unit, so that the truncated position shows what was aimed at.
double OnWholeUnitIfAlmost(double coordinate)
{
    const double whole = std::round(coordinate);
    return std::fabs(coordinate - whole) < 1e-9 ? whole : coordinate;
}

} // namespace

TurtleMotion::TurtleMotion(TurtleSheet& sheet) : sheet_(sheet) {}

void TurtleMotion::AimMove(double amount)
{
    const TTurtleState& t = sheet_.Turtle();
    targetX_ = OnWholeUnitIfAlmost(t.X + std::sin(t.Heading) * amount);
    targetY_ = OnWholeUnitIfAlmost(t.Y + std::cos(t.Heading) * amount);
    heldAtEdge_ = false;
    CommandAmount = amount;
    State = CommandState::Move;
}

void TurtleMotion::AimTurn(double amount)
{
    targetHeading_ = sheet_.Turtle().Heading + amount;
    CommandAmount = amount;
    State = CommandState::Turn;
}

void TurtleMotion::StartMove(double amount)
{
    CommandStep = 0.0;
    SquareRepeats = -1;
    AimMove(amount);
}

void TurtleMotion::StartTurn(double amount)
{
    CommandStep = 0.0;
    SquareRepeats = -1;
    AimTurn(amount);
}

void TurtleMotion::StartForward(int distance)
{
    StartMove(distance);
}

void TurtleMotion::StartBackward(int distance)
{
    StartMove(-distance);
}

void TurtleMotion::StartRight(int degrees)
{
    StartTurn(degrees * kDegreesToRadians);
}

void TurtleMotion::StartLeft(int degrees)
{
    StartTurn(-degrees * kDegreesToRadians);
}

void TurtleMotion::StartCircle(int radius)
{
    CommandAmount = 0.0;
    CommandStep = radius;
    State = CommandState::Circle;
}

void TurtleMotion::StartSquare(int side)
{
    CommandStep = 0.0;
    SquareSide = side;
    SquareRepeats = 3;
    AimMove(side);
}

void TurtleMotion::StepCommand(std::uint32_t dt)
{
    switch (State) {
    case CommandState::Idle: break;
    case CommandState::Move: StepMove(dt); break;
    case CommandState::Turn: StepTurn(dt); break;
    case CommandState::Circle: StepCircle(dt); break;
    }
}

void TurtleMotion::Stop()
{
    Finish();
}

void TurtleMotion::Finish()
{
    State = CommandState::Idle;
}

void TurtleMotion::StepMove(std::uint32_t dt)
{
    TTurtleState& t = sheet_.Turtle();
    CommandStep += dt * kMoveUnitsPerMs;
    if (CommandStep < 1.0)
        return;
    MovePenTo(sheet_.Canvas(), t.X, t.Y);

    // At least one unit per step, never past the end, backwards at the same speed.
    const double step = std::copysign(std::fmin(CommandStep, std::fabs(CommandAmount)), CommandAmount);
    CommandAmount -= step;
    t.X += std::sin(t.Heading) * step;
    t.Y += std::cos(t.Heading) * step;

    // The turtle stops at the edge of the sheet; the rest of the move is dropped.
    if (HoldAtEdge(t.X))
        heldAtEdge_ = true;
    if (HoldAtEdge(t.Y))
        heldAtEdge_ = true;
    if (heldAtEdge_)
        CommandAmount = 0.0;
    CommandStep = 0.0;

    if (t.PenDown) {
        LineTo(sheet_.Canvas(), t.X, t.Y);
        sheet_.UpdateFloor();
    }
    if (std::fabs(CommandAmount) > 1.0)
        return;

    // The last fraction of a unit is added without drawing: the turtle lands on its target.
    if (!heldAtEdge_) {
        t.X = targetX_;
        t.Y = targetY_;
    }
    if (SquareRepeats < 0)
        Finish();
    else
        AimTurn(kRightAngle);
}

void TurtleMotion::StepTurn(std::uint32_t dt)
{
    TTurtleState& t = sheet_.Turtle();
    double step = dt * kRadiansPerMs;
    if (CommandAmount < 0.0)
        step = -step;
    t.Heading += step;
    CommandAmount -= step;
    if (std::fabs(CommandAmount) > std::fabs(step))
        return;

    // Land exactly on the target heading.
    t.Heading = targetHeading_;
    if (SquareRepeats < 0) {
        Finish();
        return;
    }
    --SquareRepeats;
    if (SquareRepeats >= 0)
        AimMove(SquareSide);
    else
        Finish();
}

void TurtleMotion::StepCircle(std::uint32_t dt)
{
    const TTurtleState& t = sheet_.Turtle();
    const double radius = CommandStep;
    MovePenTo(sheet_.Canvas(), t.X + std::sin(CommandAmount) * radius, t.Y + std::cos(CommandAmount) * radius);
    CommandAmount += dt * kRadiansPerMs;
    LineTo(sheet_.Canvas(), t.X + std::sin(CommandAmount) * radius, t.Y + std::cos(CommandAmount) * radius);
    sheet_.UpdateFloor();
    if (CommandAmount > kFullCircle)
        Finish();
}
