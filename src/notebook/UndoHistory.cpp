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

void UndoHistory::Record()
{
    CloseOpen();
    open_ = true;
    openPage_ = notebook_.CurrentPage;
    openCount_ = notebook_.PageCount;
    openTurtle_ = sheet_.Turtle();
    std::memcpy(openImage_.data(), sheet_.FloorBits(), kSheetBytes);
    for (std::size_t i = 0; i < openSlots_.size(); ++i)
        openSlots_[i] = notebook_.Pages[i].get();
    openDirty_ = DirtyFlags();
}

void UndoHistory::Clear()
{
    open_ = false;
    undo_.clear();
    redo_.clear();
}

bool UndoHistory::CanUndo() const
{
    return !undo_.empty() || OpenChangedSomething();
}

bool UndoHistory::CanRedo() const
{
    return !redo_.empty() && !OpenChangedSomething();
}

bool UndoHistory::Undo()
{
    CloseOpen();
    if (undo_.empty())
        return false;
    redo_.push_back(std::move(undo_.back()));
    undo_.pop_back();
    Revert(redo_.back());
    return true;
}

bool UndoHistory::Redo()
{
    CloseOpen();
    if (redo_.empty())
        return false;
    undo_.push_back(std::move(redo_.back()));
    redo_.pop_back();
    Reapply(undo_.back());
    return true;
}

std::size_t UndoHistory::MemoryBytes() const
{
    std::size_t bytes = sizeof *this + openImage_.capacity() + redo_.capacity() * sizeof(Step);
    for (const Step& step : undo_)
        bytes += sizeof step + step.image.Bytes();
    for (const Step& step : redo_)
        bytes += step.image.Bytes();
    return bytes;
}

bool UndoHistory::OpenChangedSomething() const
{
    if (!open_)
        return false;
    if (notebook_.PageCount != openCount_)
        return true;
    return !(TurtleOf(openPage_) == openTurtle_) || std::memcmp(ImageOf(openPage_), openImage_.data(), kSheetBytes) != 0;
}

bool UndoHistory::CloseOpen()
{
    if (!open_)
        return false;
    open_ = false;
    Step step;
    step.dirtyBefore = openDirty_;
    step.dirtyAfter = DirtyFlags();
    const int count = notebook_.PageCount;
    if (count == openCount_ + 1) {
        step.change = Change::PageAdded;
        for (int i = 0; i < count; ++i)
            if (std::ranges::find(openSlots_, notebook_.Pages[static_cast<std::size_t>(i)].get()) == openSlots_.end())
                step.page = i;
        step.after = TurtleOf(step.page);
        step.image = ImageDelta::Between(kBlank.data(), ImageOf(step.page), kSheetBytes);
        step.currentWith = step.page;
        step.currentWithout = openPage_;
    } else if (count == openCount_ - 1) {
        // Only the current page can be deleted.
        step.change = Change::PageDeleted;
        step.page = openPage_;
        step.after = openTurtle_;
        step.image = ImageDelta::Between(kBlank.data(), openImage_.data(), kSheetBytes);
        step.currentWith = openPage_;
        step.currentWithout = std::min(openPage_, count - 1);
    } else if (count == openCount_) {
        step.page = openPage_;
        step.before = openTurtle_;
        step.after = TurtleOf(step.page);
        step.image = ImageDelta::Between(openImage_.data(), ImageOf(step.page), kSheetBytes);
        if (step.image.Empty() && step.before == step.after)
            return false;
    } else {
        // The pages were replaced behind the history's back: nothing kept fits them any more.
        Clear();
        return false;
    }
    undo_.push_back(std::move(step));
    if (undo_.size() > kMaxSteps)
        undo_.pop_front();
    redo_.clear();
    return true;
}

void UndoHistory::Revert(const Step& step)
{
    switch (step.change) {
    case Change::Drawing: ShowDrawing(step, step.before, step.dirtyBefore); break;
    case Change::PageAdded: RemovePage(step.page, step.currentWithout, step.dirtyBefore); break;
    case Change::PageDeleted: InsertPage(step, step.currentWith, step.dirtyBefore); break;
    }
}

void UndoHistory::Reapply(const Step& step)
{
    switch (step.change) {
    case Change::Drawing: ShowDrawing(step, step.after, step.dirtyAfter); break;
    case Change::PageAdded: InsertPage(step, step.currentWith, step.dirtyAfter); break;
    case Change::PageDeleted: RemovePage(step.page, step.currentWithout, step.dirtyAfter); break;
    }
}

void UndoHistory::ShowDrawing(const Step& step, const TTurtleState& turtle, const PageFlags& dirty)
{
    if (notebook_.CurrentPage != step.page) {
        StoreLive();
        notebook_.CurrentPage = step.page;
        notebook_.Current()->Restore(sheet_.Turtle(), sheet_.FloorBits());
    }
    step.image.ApplyTo(sheet_.FloorBits());
    sheet_.Turtle() = turtle;
    SetDirty(dirty);
    sheet_.UpdateSheetFromFloor();
    sheet_.FloorChanged();
    sheet_.ApplyTurtle();
}

void UndoHistory::InsertPage(const Step& step, int current, const PageFlags& dirty)
{
    StoreLive();
    auto page = std::make_unique<TNotebookPage>();
    page->Turtle = step.after;
    std::memset(page->Image.get(), 0, kSheetBytes);
    step.image.ApplyTo(page->Image.get());
    for (int i = notebook_.PageCount; i > step.page; --i)
        Slot(i) = std::move(Slot(i - 1));
    Slot(step.page) = std::move(page);
    ++notebook_.PageCount;
    ShowPages(current, dirty);
}

void UndoHistory::RemovePage(int index, int current, const PageFlags& dirty)
{
    StoreLive();
    --notebook_.PageCount;
    for (int i = index; i < notebook_.PageCount; ++i)
        Slot(i) = std::move(Slot(i + 1));
    Slot(notebook_.PageCount).reset();
    ShowPages(current, dirty);
}

void UndoHistory::ShowPages(int current, const PageFlags& dirty)
{
    notebook_.CurrentPage = current;
    SetDirty(dirty);
    notebook_.ShowCurrentPage();
}

std::unique_ptr<TNotebookPage>& UndoHistory::Slot(int index)
{
    return notebook_.Pages[static_cast<std::size_t>(index)];
}

const TTurtleState& UndoHistory::TurtleOf(int page) const
{
    return page == notebook_.CurrentPage ? sheet_.Turtle() : notebook_.Pages[static_cast<std::size_t>(page)]->Turtle;
}

const std::uint8_t* UndoHistory::ImageOf(int page) const
{
    return page == notebook_.CurrentPage ? sheet_.FloorBits() : notebook_.Pages[static_cast<std::size_t>(page)]->Image.get();
}

UndoHistory::PageFlags UndoHistory::DirtyFlags() const
{
    PageFlags flags{};
    for (int i = 0; i < notebook_.PageCount; ++i)
        flags[static_cast<std::size_t>(i)] = notebook_.Pages[static_cast<std::size_t>(i)]->Dirty;
    return flags;
}

void UndoHistory::SetDirty(const PageFlags& flags)
{
    for (int i = 0; i < notebook_.PageCount; ++i)
        Slot(i)->Dirty = flags[static_cast<std::size_t>(i)];
}

// The current page's copy takes the live turtle and picture, so that every page is in its slot.
void UndoHistory::StoreLive()
{
    notebook_.Current()->Store(sheet_.Turtle(), sheet_.FloorBits());
}
