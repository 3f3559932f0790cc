#include "notebook/TurtleWalker.h"

#include "turtle/TurtleSheet.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace {

// A record's start keeps its page against a blank one.
void PutPicture(TurtleSheet& sheet, const RecordEntry& entry, bool onBlank)
{
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
    StartNext();
    return true;
}

void TurtleWalker::StartNext()
{
    for (;;) {
        if (run_) {
            if (StepRun())
                return;
            EndRun();
        }
        if (next_ >= entries_.size())
            break;
        const RecordEntry entry = entries_[next_];
        emit EntryStarted(static_cast<int>(next_++));
        if (RunsSteps(entry.Op)) {
            run_ = entry;
            runCursor_.Start(entry);
            runSlices_ = 0;
            continue;
        }
        Begin(entry);
        if (motion_.State != CommandState::Idle) {
            SetBusy(true);
            return;
        }
        emit EntryRan(entry);
    }
    entries_.clear();
    next_ = 0;
    sheet_.RestFloor();
    SetBusy(false);
}

bool TurtleWalker::StepRun()
{
    RecordEntry step;
    while (runCursor_.Next(step)) {
        Begin(step);
        if (motion_.State != CommandState::Idle) {
            SetBusy(true);
            return true;
        }
    }
    return false;
}

void TurtleWalker::EndRun()
{
    const RecordEntry ran = *run_;
    run_.reset();
    runCursor_.Clear();
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
    case RecordOp::Repeat: break; // walked by StartNext
    }
    if (motion_.State != CommandState::Idle) {
        walking_ = entry;
        slices_ = 0;
    }
}

void TurtleWalker::Walk(double turtleMs)
{
    if (!busy_)
        return;
    carried_ += turtleMs;
    while (busy_ && carried_ >= kSliceMs) {
        carried_ -= kSliceMs;
        Slice();
    }
}

void TurtleWalker::WalkEntries(std::size_t count)
{
    for (std::size_t walked = 0; busy_ && walked < count; ++walked)
        for (const std::size_t ended = walksEnded_; busy_ && walksEnded_ == ended;)
            Slice();
}

std::size_t TurtleWalker::InstantEntriesPerPass() const
{
    return std::max<std::size_t>(1, entries_.size() / kInstantPasses);
}

void TurtleWalker::Slice()
{
    motion_.StepCommand(kSliceMs);
    ++slices_;
    // A walk that was stopped the first time stops on the same slice again.
    if (walking_.StoppedAfter != 0 && slices_ == walking_.StoppedAfter)
        motion_.Stop();
    if (run_ && ++runSlices_ == run_->StoppedAfter) {
        motion_.Stop();
        runCursor_.Clear();
    }
    if (motion_.State == CommandState::Idle)
        EndWalk();
}

void TurtleWalker::EndWalk()
{
    ++walksEnded_;
    if (!run_)
        emit EntryRan(walking_);
    StartNext();
}

void TurtleWalker::Stop()
{
    if (!busy_)
        return;
    motion_.Stop();
    entries_.clear();
    next_ = 0;
    carried_ = 0.0;
    ++walksEnded_;
    if (run_) {
        run_->StoppedAfter = runSlices_;
        EndRun();
    } else {
        walking_.StoppedAfter = slices_;
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
    emit BusyChanged(busy);
}
