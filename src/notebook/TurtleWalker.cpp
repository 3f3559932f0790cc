#include "notebook/TurtleWalker.h"

#include "turtle/TurtleSheet.h"
#include "win/TickClock.h"

#include <algorithm>
#include <utility>
#include <array>
#include <cstring>
#include <limits>

namespace {

// A record's start keeps its page against a blank one.
void PutPicture(TurtleSheet& sheet, const RecordEntry& entry, bool onBlank)
{
    // The picture goes onto the floor as the drawing so far left it.
    sheet.FlushFloor();
    if (onBlank)
        std::memset(sheet.FloorBits(), 0, kSheetBytes);
    if (entry.Picture)
        entry.Picture->ApplyTo(sheet.FloorBits());
    sheet.UpdateSheetFromFloor();
    sheet.FloorChanged();
}

void PlaceTurtle(TTurtleState& turtle, double x, double y, double heading)
{
    turtle.X = x;
    turtle.Y = y;
    turtle.Heading = heading;
}

} // namespace

TurtleWalker::TurtleWalker(TurtleSheet& sheet) : sheet_(sheet), motion_(sheet) {}

bool TurtleWalker::Run(std::vector<RecordEntry> entries)
{
    if (busy_)
        return false;
    if (!driven_ && std::ranges::any_of(entries, [](const RecordEntry& e) { return MayWalk(e.Op); }))
        return false;
    entries_ = std::move(entries);
    next_ = 0;
    carried_ = 0.0;
    stepsBegun_ = 0;
    slicesWalked_ = 0;
    // Undriven, nothing would walk on what a budget left: the entries, none walking, go at once.
    Advance(false, driven_ ? kPassBudgetMs : std::numeric_limits<std::uint32_t>::max());
    return true;
}

void TurtleWalker::Walk(double turtleMs)
{
    if (!busy_)
        return;
    carried_ += turtleMs;
    Advance(false, kPassBudgetMs);
}

void TurtleWalker::WalkFor(std::uint32_t budgetMs)
{
    if (busy_)
        Advance(true, budgetMs);
}

bool TurtleWalker::CaughtUp() const
{
    return caughtUp_;
}

bool TurtleWalker::HasWork() const
{
    return motion_.State != CommandState::Idle || run_ || next_ < entries_.size();
}

void TurtleWalker::Advance(bool anyTime, std::uint32_t budgetMs)
{
    caughtUp_ = true;
    if (!HasWork()) {
        EndAll();
        return;
    }
    // The floor takes the rows the units drew once, at the end, or before anyone hears of them.
    sheet_.HoldFloor(true);
    const std::uint32_t start = win::GetTickCount();
    while (Unit(anyTime)) {
        if (win::GetTickCount() - start >= budgetMs) {
            caughtUp_ = false;
            break;
        }
    }
    sheet_.HoldFloor(false);
    if (HasWork())
        SetBusy(true);
}

bool TurtleWalker::Unit(bool anyTime)
{
    if (motion_.State != CommandState::Idle) {
        if (!anyTime) {
            if (carried_ < kSliceMs)
                return false;
            carried_ -= kSliceMs;
        }
        Slice();
    } else if (run_) {
        TakeRunStep();
    } else {
        TakeEntry();
    }
    if (HasWork())
        return true;
    EndAll();
    return false;
}

void TurtleWalker::TakeEntry()
{
    const RecordEntry entry = entries_[next_];
    sheet_.FlushFloor();
    emit EntryStarted(static_cast<int>(next_++));
    if (RunsSteps(entry.Op)) {
        run_ = entry;
        runCursor_.Start(entry);
        runSlices_ = 0;
        runUnits_ = 0;
        runLastSliced_ = false;
        // A run stopped before its first step stops there again.
        if (entry.StoppedAfter == kStoppedInUnits)
            runCursor_.Clear();
        return;
    }
    ++stepsBegun_;
    Begin(entry);
    if (motion_.State == CommandState::Idle) {
        sheet_.FlushFloor();
        emit EntryRan(entry);
    }
}

void TurtleWalker::TakeRunStep()
{
    RecordEntry step;
    if (!runCursor_.Next(step)) {
        EndRun();
        return;
    }
    ++stepsBegun_;
    Begin(step);
    if (motion_.State == CommandState::Idle)
        CountRunUnit(false);
}

void TurtleWalker::EndRun()
{
    const RecordEntry ran = *run_;
    run_.reset();
    runCursor_.Clear();
    sheet_.FlushFloor();
    emit EntryRan(ran);
}

void TurtleWalker::Begin(const RecordEntry& entry)
{
    TTurtleState& turtle = sheet_.Turtle();
    switch (entry.Op) {
    case RecordOp::Start:
        PutPicture(sheet_, entry, true);
        sheet_.SetBGColor(entry.Amount);
        PlaceTurtle(turtle, entry.X, entry.Y, entry.Heading);
        break;
    case RecordOp::Forward: motion_.StartForward(entry.Amount); break;
    case RecordOp::Backward: motion_.StartBackward(entry.Amount); break;
    case RecordOp::Right: motion_.StartRight(entry.Amount); break;
    case RecordOp::Left: motion_.StartLeft(entry.Amount); break;
    case RecordOp::Circle: motion_.StartCircle(entry.Amount); break;
    case RecordOp::Square: motion_.StartSquare(entry.Amount); break;
    case RecordOp::Place: PlaceTurtle(turtle, entry.X, entry.Y, entry.Heading); break;
    case RecordOp::Home: PlaceTurtle(turtle, 0.0, 0.0, 0.0); break;
    case RecordOp::Fill: sheet_.FillUnderTurtle(); break;
    case RecordOp::PenUp: sheet_.SetPenDown(false); break;
    case RecordOp::PenDown: sheet_.SetPenDown(true); break;
    case RecordOp::PenColor: sheet_.SetPenColor(entry.Amount); break;
    case RecordOp::PenWidth: sheet_.SetPenWidth(entry.Amount); break;
    case RecordOp::PenMode: turtle.PenMode = entry.Amount; break;
    case RecordOp::Snapshot:
        PutPicture(sheet_, entry, false);
        sheet_.SetBGColor(entry.Amount);
        break;
    case RecordOp::Background:
        sheet_.SetBGColor(entry.Amount);
        sheet_.ClearSheet();
        break;
    case RecordOp::Clear: sheet_.ClearSheet(); break;
    case RecordOp::Own:
    case RecordOp::Repeat: break; // walked from the run's cursor
    }
    if (motion_.State != CommandState::Idle) {
        walking_ = entry;
        slices_ = 0;
        // A walk stopped before its first slice stops there again.
        if (entry.StoppedAfter == kStoppedInUnits)
            motion_.Stop();
    }
}

void TurtleWalker::Slice()
{
    motion_.StepCommand(kSliceMs);
    edgeReached_ = edgeReached_ || motion_.HeldAtEdge();
    ++slices_;
    ++slicesWalked_;
    // A walk that was stopped the first time stops on the same slice again.
    if (walking_.StoppedAfter != 0 && slices_ == (walking_.StoppedAfter & ~kStoppedInUnits))
        motion_.Stop();
    if (run_) {
        CountRunUnit(true);
    } else if (motion_.State == CommandState::Idle) {
        sheet_.FlushFloor();
        emit EntryRan(walking_);
    }
}

void TurtleWalker::CountRunUnit(bool slice)
{
    ++runUnits_;
    runSlices_ += slice ? 1 : 0;
    runLastSliced_ = slice;
    const std::uint32_t stopped = run_->StoppedAfter;
    const bool inUnits = (stopped & kStoppedInUnits) != 0;
    const bool stopsHere = inUnits ? runUnits_ == (stopped & ~kStoppedInUnits) : slice && runSlices_ == stopped;
    // A run that was stopped the first time stops after the same unit again.
    if (stopped != 0 && stopsHere) {
        motion_.Stop();
        runCursor_.Clear();
    }
}

std::uint32_t TurtleWalker::RunStopPoint() const
{
    // Slices alone tell a stop on the way of a walk; a stop between steps counts them too.
    if (runLastSliced_ || runUnits_ >= kStoppedInUnits)
        return runSlices_;
    return kStoppedInUnits | static_cast<std::uint32_t>(runUnits_);
}

void TurtleWalker::EndAll()
{
    entries_.clear();
    next_ = 0;
    sheet_.HoldFloor(false);
    sheet_.RestFloor();
    SetBusy(false);
}

void TurtleWalker::Stop()
{
    if (!busy_)
        return;
    const bool walking = motion_.State != CommandState::Idle;
    motion_.Stop();
    entries_.clear();
    next_ = 0;
    carried_ = 0.0;
    if (run_) {
        run_->StoppedAfter = RunStopPoint();
        EndRun();
    } else if (walking) {
        walking_.StoppedAfter = slices_ > 0 ? slices_ : kStoppedInUnits;
        sheet_.FlushFloor();
        emit EntryRan(walking_);
    }
    sheet_.RestFloor();
    SetBusy(false);
}

void TurtleWalker::SetBusy(bool busy)
{
    if (busy == busy_)
        return;
    busy_ = busy;
    if (!busy)
        carried_ = 0.0;
    if (!busy && std::exchange(edgeReached_, false))
        emit ReachedEdge();
    emit BusyChanged(busy);
}
