#include "notebook/UndoHistory.h"

#include "turtle/TurtleSheet.h"

#include <algorithm>
#include <cstring>
#include <memory>

namespace {

// Pages are kept against an all-zero picture, which leaves runs of one colour as runs.
const std::array<std::uint8_t, kSheetBytes> kBlank{};

} // namespace

UndoHistory::UndoHistory(Notebook& notebook, TurtleSheet& sheet)
    : notebook_(notebook), sheet_(sheet), openImage_(kSheetBytes)
{
}

void UndoHistory::BeginStep(DrawingRecord pageRecord)
{
    EndStep();
    open_ = true;
    openRecord_ = std::move(pageRecord);
    openPage_ = notebook_.CurrentPage();
    openCount_ = notebook_.PageCount();
    openTurtle_ = sheet_.Turtle();
    std::memcpy(openImage_.data(), sheet_.FloorBits(), kSheetBytes);
    for (int i = 0; i < Notebook::kMaxPages; ++i)
        openSlots_[static_cast<std::size_t>(i)] = i < openCount_ ? notebook_.PageAt(i) : nullptr;
}

void UndoHistory::Clear()
{
    open_ = false;
    undo_.clear();
    redo_.clear();
    // The cleared history stands nowhere it has stood before.
    base_ = nextSerial_++;
}

bool UndoHistory::CanUndo() const
{
    return !undo_.empty();
}

bool UndoHistory::CanRedo() const
{
    return !redo_.empty();
}

HistoryMove UndoHistory::Undo()
{
    EndStep();
    if (undo_.empty())
        return HistoryMove::Nothing;
    if (const int page = PageToShow(undo_.back(), true); page >= 0) {
        notebook_.GoToPage(page);
        return HistoryMove::ShowedPage;
    }
    redo_.push_back(std::move(undo_.back()));
    undo_.pop_back();
    Revert(redo_.back());
    return HistoryMove::Done;
}

HistoryMove UndoHistory::Redo()
{
    EndStep();
    if (redo_.empty())
        return HistoryMove::Nothing;
    if (const int page = PageToShow(redo_.back(), false); page >= 0) {
        notebook_.GoToPage(page);
        return HistoryMove::ShowedPage;
    }
    undo_.push_back(std::move(redo_.back()));
    redo_.pop_back();
    Reapply(undo_.back());
    return HistoryMove::Done;
}

int UndoHistory::PageToShow(const Step& step, bool undoing) const
{
    // A page that is not there yet shows itself as it comes back.
    const bool pageExists = step.change == Change::Drawing || (step.change == Change::PageAdded) == undoing;
    return pageExists && step.page != notebook_.CurrentPage() ? step.page : -1;
}

std::size_t UndoHistory::MemoryBytes() const
{
    std::size_t bytes = sizeof *this + openImage_.capacity() + redo_.capacity() * sizeof(Step);
    for (const Step& step : undo_)
        bytes += sizeof step + step.image.Bytes() + step.record.MemoryBytes();
    for (const Step& step : redo_)
        bytes += step.image.Bytes() + step.record.MemoryBytes();
    return bytes;
}

bool UndoHistory::OpenStepChanged() const
{
    if (!open_)
        return false;
    if (notebook_.PageCount() != openCount_)
        return true;
    return !SamePlace(notebook_.TurtleOf(openPage_), openTurtle_)
           || std::memcmp(notebook_.ImageOf(openPage_), openImage_.data(), kSheetBytes) != 0;
}

bool UndoHistory::EndStep(const RecordEntry& done, const DrawingRecord* whole)
{
    if (!open_)
        return false;
    open_ = false;
    Step step;
    const int count = notebook_.PageCount();
    if (count == openCount_ + 1) {
        step.change = Change::PageAdded;
        for (int i = 0; i < count; ++i)
            if (std::ranges::find(openSlots_, notebook_.PageAt(i)) == openSlots_.end())
                step.page = i;
        step.after = notebook_.TurtleOf(step.page);
        step.image = ImageDelta::Between(kBlank.data(), notebook_.ImageOf(step.page), kSheetBytes);
        step.currentWith = step.page;
        step.currentWithout = openPage_;
    } else if (count == openCount_ - 1) {
        // Only the current page can be deleted.
        step.change = Change::PageDeleted;
        step.record = std::move(openRecord_);
        step.page = openPage_;
        step.after = openTurtle_;
        step.image = ImageDelta::Between(kBlank.data(), openImage_.data(), kSheetBytes);
        step.currentWith = openPage_;
        step.currentWithout = notebook_.CurrentPage();
    } else if (count == openCount_) {
        step.page = openPage_;
        step.before = openTurtle_;
        step.after = notebook_.TurtleOf(step.page);
        step.image = ImageDelta::Between(openImage_.data(), notebook_.ImageOf(step.page), kSheetBytes);
        if (step.image.Empty() && SamePlace(step.before, step.after))
            return false;
        const DrawingRecord tail = whole ? *whole : RecordedTail(done, step, step.recordFrom);
        if (whole)
            step.recordFrom = 0;
        step.record = notebook_.RecordOf(step.page).Splice(step.recordFrom, tail);
    } else {
        // The pages were replaced behind the history's back: nothing kept fits them any more.
        Clear();
        return false;
    }
    step.serial = nextSerial_++;
    undo_.push_back(std::move(step));
    if (undo_.size() > kMaxSteps) {
        base_ = undo_.front().serial;
        undo_.pop_front();
    }
    redo_.clear();
    return true;
}

DrawingRecord UndoHistory::RecordedTail(RecordEntry done, const Step& step, std::size_t& from) const
{
    const std::uint8_t* after = notebook_.ImageOf(step.page);
    // A page wiped starts its record anew.
    if (done.Op == RecordOp::Start || done.Op == RecordOp::Clear || done.Op == RecordOp::Background) {
        from = 0;
        return StartedRecord(after, step.after);
    }
    const DrawingRecord& record = notebook_.RecordOf(step.page);
    from = record.Size();
    DrawingRecord tail;
    AddToolEntries(tail, record.Tools(), step.before);
    if (done.Op == RecordOp::Snapshot) {
        done.Amount = step.after.BGColor;
        done.Picture = std::make_shared<const ImageDelta>(ImageDelta::Between(openImage_.data(), after, kSheetBytes));
        tail.Append(done);
        if (SamePlace(step.before, step.after))
            return tail;
        // Whatever moved the turtle with the picture is told as a place.
        done = EntryOf(RecordOp::Place);
    }
    if (done.Op == RecordOp::Place) {
        done.X = step.after.X;
        done.Y = step.after.Y;
        done.Heading = step.after.Heading;
    }
    tail.Append(done);
    return tail;
}

void UndoHistory::Revert(Step& step)
{
    switch (step.change) {
    case Change::Drawing: ShowDrawing(step, step.before); break;
    case Change::PageAdded: notebook_.TakePage(step.page, step.currentWithout); break;
    case Change::PageDeleted: InsertPage(step, step.currentWith); break;
    }
}

void UndoHistory::Reapply(Step& step)
{
    switch (step.change) {
    case Change::Drawing: ShowDrawing(step, step.after); break;
    case Change::PageAdded: InsertPage(step, step.currentWith); break;
    case Change::PageDeleted: notebook_.TakePage(step.page, step.currentWithout); break;
    }
}

void UndoHistory::ShowDrawing(Step& step, const TTurtleState& place)
{
    step.record = notebook_.RecordOf(step.page).Splice(step.recordFrom, step.record);
    step.image.ApplyTo(sheet_.FloorBits());
    TakePlace(sheet_.Turtle(), place);
    sheet_.UpdateSheetFromFloor();
    sheet_.FloorChanged();
    sheet_.RestFloor();
    sheet_.ApplyTurtle();
}

void UndoHistory::InsertPage(const Step& step, int current)
{
    auto page = std::make_unique<TNotebookPage>();
    page->Turtle = step.after;
    std::memset(page->Image.get(), 0, kSheetBytes);
    step.image.ApplyTo(page->Image.get());
    // A page coming back keeps its record, or replays as it stands.
    page->Record = step.record.Empty() ? StartedRecord(page->Image.get(), page->Turtle) : step.record;
    notebook_.InsertPage(step.page, std::move(page), current);
}
