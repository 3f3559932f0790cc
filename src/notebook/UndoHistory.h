#pragma once

#include "storage/DrawingRecord.h"
#include "storage/ImageDelta.h"
#include "notebook/Notebook.h"
#include "turtle/TurtleState.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

class TurtleSheet;

// What an undo or redo did.
enum class HistoryMove {
    Nothing,    // there was no step to take
    ShowedPage, // the step is on another page: that page came in front, so the next one is seen
    Done,
};

// The steps the child can take back and do again. A step begins before an edit and ends after it;
// a command that runs for many passes of the main loop is one step however far it got. A step
// that changed its page ends with the entry that changed it, which goes into the page's drawing
// record. A step keeps only what changed: the drawing, where the turtle stands, the entries of
// the page's drawing record, and pages added or deleted. The child's tools (pen, width, character) are left as last
// chosen.
class UndoHistory {
public:
    static constexpr std::size_t kMaxSteps = 32;

    UndoHistory(Notebook& notebook, TurtleSheet& sheet);

    // `pageRecord`: the current page's record, for a step that may delete the page.
    void BeginStep(DrawingRecord pageRecord = {});
    // Keeps what the step changed, `done` telling the page's record what it was (a place or a
    // snapshot is filled in from the page), or `whole` being the page's record from now on;
    // false when it changed nothing.
    bool EndStep(const RecordEntry& done = {}, const DrawingRecord* whole = nullptr);
    // Whether the step in progress has changed anything yet.
    bool OpenStepChanged() const;
    // Forgets every step, for a new or opened notebook.
    void Clear();

    bool CanUndo() const;
    bool CanRedo() const;
    HistoryMove Undo();
    HistoryMove Redo();

    // Where the history stands: a number that comes back exactly when the steps taken are taken
    // back, and that no other state of the history has had.
    std::uint64_t Position() const { return undo_.empty() ? base_ : undo_.back().serial; }

    // Memory the history holds, in bytes.
    std::size_t MemoryBytes() const;

private:
    enum class Change { Drawing, PageAdded, PageDeleted };

    struct Step {
        std::uint64_t serial = 0;
        Change change = Change::Drawing;
        // The page drawn on, or the slot of the page added or deleted.
        int page = 0;
        // Drawing: the turtle before and after. Pages: `after` is the page's own turtle.
        TTurtleState before;
        TTurtleState after;
        // Drawing: the page's picture before against after. Pages: the page itself against a
        // blank picture.
        ImageDelta image;
        // Pages: the current page while the page is there, and while it is not.
        int currentWith = 0;
        int currentWithout = 0;
        // Drawing: the page's record entries from `recordFrom` on, as they were on the other
        // side of the step. Page deleted: the page's whole record, when it was kept.
        std::size_t recordFrom = 0;
        DrawingRecord record;
    };

    // The page a step must be seen on before it is taken back or done again; -1 for none.
    int PageToShow(const Step& step, bool undoing) const;
    void Revert(Step& step);
    void Reapply(Step& step);
    // Takes the step's page across the change, the turtle to `place`, and its record along.
    void ShowDrawing(Step& step, const TTurtleState& place);
    void InsertPage(const Step& step, int current);
    // The entries from `from` on that the step puts in place of the page's record's.
    DrawingRecord RecordedTail(RecordEntry done, const Step& step, std::size_t& from) const;

    Notebook& notebook_;
    TurtleSheet& sheet_;
    std::deque<Step> undo_;
    std::vector<Step> redo_;
    std::uint64_t nextSerial_ = 1;
    std::uint64_t base_ = 0;

    // The step in progress: the notebook as it was when it began.
    bool open_ = false;
    int openPage_ = 0;
    int openCount_ = 0;
    TTurtleState openTurtle_;
    DrawingRecord openRecord_;
    std::vector<std::uint8_t> openImage_;
    std::array<const TNotebookPage*, Notebook::kMaxPages> openSlots_{};
};
