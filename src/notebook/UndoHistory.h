#pragma once

#include "notebook/ImageDelta.h"
#include "notebook/Notebook.h"
#include "turtle/TurtleState.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <vector>

class TurtleSheet;

// The steps the child can take back and do again. Every action that may change a page's drawing,
// the turtle or the pages calls Record once as it starts; what it changed is worked out when the
// next action starts or when it is taken back, so a command that runs for many passes of the main
// loop is one step however far it got. A step keeps only what changed.
class UndoHistory {
public:
    static constexpr std::size_t kMaxSteps = 32;

    UndoHistory(Notebook& notebook, TurtleSheet& sheet);

    void Record();
    // Forgets every step, for a new or opened notebook.
    void Clear();

    bool CanUndo() const;
    bool CanRedo() const;
    // Puts the page the step was made on in front, with its drawing, turtle and panel as they
    // were; a page that was added goes again, one that was deleted comes back at its place.
    // False when there was nothing to take back.
    bool Undo();
    bool Redo();

    // Memory the history holds, in bytes.
    std::size_t MemoryBytes() const;

private:
    using PageFlags = std::array<bool, Notebook::kMaxPages>;
    enum class Change { Drawing, PageAdded, PageDeleted };

    struct Step {
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
        PageFlags dirtyBefore{};
        PageFlags dirtyAfter{};
    };

    // The action being recorded has ended: keeps what it changed; false when it changed nothing.
    bool CloseOpen();
    bool OpenChangedSomething() const;
    void Revert(const Step& step);
    void Reapply(const Step& step);
    // Brings the step's page in front and takes its picture across the change, to `turtle`.
    void ShowDrawing(const Step& step, const TTurtleState& turtle, const PageFlags& dirty);
    void InsertPage(const Step& step, int current, const PageFlags& dirty);
    void RemovePage(int index, int current, const PageFlags& dirty);
    void ShowPages(int current, const PageFlags& dirty);

    std::unique_ptr<TNotebookPage>& Slot(int index);
    // A page's turtle and picture: the live ones for the current page, its copies for the others.
    const TTurtleState& TurtleOf(int page) const;
    const std::uint8_t* ImageOf(int page) const;
    PageFlags DirtyFlags() const;
    void SetDirty(const PageFlags& flags);
    void StoreLive();

    Notebook& notebook_;
    TurtleSheet& sheet_;
    std::deque<Step> undo_;
    std::vector<Step> redo_;

    // The action in progress: the notebook as it was when it started.
    bool open_ = false;
    int openPage_ = 0;
    int openCount_ = 0;
    TTurtleState openTurtle_;
    std::vector<std::uint8_t> openImage_;
    std::array<const TNotebookPage*, Notebook::kMaxPages> openSlots_{};
    PageFlags openDirty_{};
};
