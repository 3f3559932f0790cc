#include "notebook/PageReplay.h"

#include "notebook/Notebook.h"
#include "notebook/RecordSteps.h"
#include "turtle/TurtleSheet.h"

#include <cstring>

PageReplay::PageReplay(TurtleSheet& sheet) : sheet_(sheet), motion_(sheet, *this), savedImage_(kSheetBytes) {}

void PageReplay::Start(const DrawingRecord& record)
{
    Stop();
    if (record.Empty())
        return;
    record_ = record;
    std::memcpy(savedImage_.data(), sheet_.FloorBits(), kSheetBytes);
    savedTurtle_ = sheet_.Turtle();
    // The tools start as a new turtle's; the record says what was chosen since.
    TTurtleState& turtle = sheet_.Turtle();
    const TTurtleState fresh;
    turtle.PenDown = fresh.PenDown;
    turtle.PenColor = fresh.PenColor;
    turtle.PenWidth = fresh.PenWidth;
    turtle.PenMode = fresh.PenMode;
    sheet_.ApplyTurtle();
    running_ = true;
    matched_ = false;
    time_ = 0;
    next_ = 0;
    // The page empties to its start at once.
    BeginNext();
}

void PageReplay::Step(std::uint32_t dt)
{
    if (!running_)
        return;
    time_ += dt;
    for (;;) {
        if (motion_.State != CommandState::Idle) {
            if (time_ < kRecordSliceMs)
                return;
            time_ -= kRecordSliceMs;
            motion_.StepCommand(kRecordSliceMs);
            if (motion_.State == CommandState::Idle)
                EndEntry(sheet_, entry_);
            continue;
        }
        if (!BeginNext()) {
            End();
            return;
        }
    }
}

bool PageReplay::BeginNext()
{
    if (next_ == record_.Size())
        return false;
    emit EntryReached(static_cast<int>(next_));
    entry_ = record_.At(next_++);
    if (!BeginEntry(sheet_, motion_, entry_))
        EndEntry(sheet_, entry_);
    return true;
}

void PageReplay::End()
{
    matched_ = std::memcmp(sheet_.FloorBits(), savedImage_.data(), kSheetBytes) == 0
               && SamePlace(sheet_.Turtle(), savedTurtle_);
    PutPageBack();
}

void PageReplay::Stop()
{
    if (!running_)
        return;
    motion_.Stop();
    matched_ = false;
    PutPageBack();
}

void PageReplay::PutPageBack()
{
    running_ = false;
    std::memcpy(sheet_.FloorBits(), savedImage_.data(), kSheetBytes);
    sheet_.Turtle() = savedTurtle_;
    sheet_.UpdateSheetFromFloor();
    sheet_.FloorChanged();
    sheet_.ApplyTurtle();
    emit Finished();
}
