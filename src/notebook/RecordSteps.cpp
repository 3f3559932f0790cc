#include "notebook/RecordSteps.h"

#include "turtle/TurtleMotion.h"
#include "turtle/TurtleSheet.h"

#include <cstring>

bool BeginEntry(TurtleSheet& sheet, TurtleMotion& motion, const RecordEntry& entry)
{
    TTurtleState& turtle = sheet.Turtle();
    switch (entry.Op) {
    case RecordOp::Start:
        std::memset(sheet.FloorBits(), 0, kSheetBytes);
        sheet.SetBGColor(entry.Amount);
        turtle.X = turtle.Y = turtle.Heading = 0.0;
        break;
    case RecordOp::Forward: motion.StartForward(entry.Amount); return true;
    case RecordOp::Backward: motion.StartBackward(entry.Amount); return true;
    case RecordOp::Right: motion.StartRight(entry.Amount); return true;
    case RecordOp::Left: motion.StartLeft(entry.Amount); return true;
    case RecordOp::Circle: motion.StartCircle(entry.Amount); return true;
    case RecordOp::Square: motion.StartSquare(entry.Amount); return true;
    case RecordOp::Place: break;
    case RecordOp::Home: turtle.X = turtle.Y = turtle.Heading = 0.0; break;
    case RecordOp::Fill: sheet.FillUnderTurtle(); break;
    case RecordOp::PenUp: sheet.SetPenDown(false); break;
    case RecordOp::PenDown: sheet.SetPenDown(true); break;
    case RecordOp::PenColor: sheet.SetPenColor(entry.Amount); break;
    case RecordOp::PenWidth: sheet.SetPenWidth(entry.Amount); break;
    case RecordOp::PenMode: turtle.PenMode = entry.Amount; break;
    case RecordOp::Snapshot: sheet.SetBGColor(entry.Amount); break;
    }
    return false;
}

void EndEntry(TurtleSheet& sheet, const RecordEntry& entry)
{
    if (!ChangesPage(entry.Op))
        return;
    if (entry.Picture || entry.Op == RecordOp::Start) {
        if (entry.Picture)
            entry.Picture->ApplyTo(sheet.FloorBits());
        sheet.UpdateSheetFromFloor();
        sheet.FloorChanged();
    }
    ApplyNudge(sheet.Turtle(), entry.Nudge);
}

void WalkToEnd(TurtleMotion& motion)
{
    while (motion.State != CommandState::Idle)
        motion.StepCommand(kRecordSliceMs);
}
