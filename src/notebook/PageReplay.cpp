#include "notebook/PageReplay.h"

#include "notebook/Notebook.h"
#include "notebook/TurtleWalker.h"
#include "turtle/TurtleSheet.h"

#include <cstring>

PageReplay::PageReplay(TurtleSheet& sheet, TurtleWalker& walker)
    : sheet_(sheet), walker_(walker), savedImage_(kSheetBytes)
{
    connect(&walker_, &TurtleWalker::EntryStarted, this, [this](int index) {
        if (running_)
            emit EntryReached(index);
    });
    connect(&walker_, &TurtleWalker::EntryRan, this, [this] {
        if (running_)
            ++ran_;
    });
    connect(&walker_, &TurtleWalker::BusyChanged, this, [this](bool busy) {
        if (running_ && !busy)
            End();
    });
}

bool PageReplay::Start(const DrawingRecord& record)
{
    if (running_ || walker_.Busy() || record.Empty())
        return false;
    std::vector<RecordEntry> entries = record.Entries();
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
    entries_ = entries.size();
    ran_ = 0;
    if (!walker_.Run(std::move(entries))) {
        running_ = false;
        sheet_.Turtle() = savedTurtle_;
        sheet_.ApplyTurtle();
        return false;
    }
    // A record that needs no walk is done already.
    if (!walker_.Busy())
        End();
    return true;
}

void PageReplay::End()
{
    matched_ = ran_ == entries_ && std::memcmp(sheet_.FloorBits(), savedImage_.data(), kSheetBytes) == 0
               && SamePlace(sheet_.Turtle(), savedTurtle_);
    running_ = false;
    std::memcpy(sheet_.FloorBits(), savedImage_.data(), kSheetBytes);
    sheet_.Turtle() = savedTurtle_;
    sheet_.UpdateSheetFromFloor();
    sheet_.FloorChanged();
    sheet_.RestFloor();
    sheet_.ApplyTurtle();
    emit Finished();
}
