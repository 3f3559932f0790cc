#pragma once

#include "notebook/NotebookPage.h"
#include "storage/NotebookContent.h"

#include <array>
#include <cstdint>
#include <memory>

class TurtleSheet;

// What became of a page operation: done, or why it was refused (nothing changed then).
enum class PageResult { Done, NotebookFull, OnlyPage, FirstPage, LastPage };

// The refusal's text for the user; empty for Done.
const char* RefusalText(PageResult result);

// The notebook's pages in memory: one to eight, exactly one of them current. The current page's
// true content is the live turtle and the floor image with the sheet; the others keep copies.
class Notebook {
public:
    static constexpr int kMaxPages = kMaxNotebookPages;

    explicit Notebook(TurtleSheet& sheet);

    // Empties every slot without looking at what was there.
    void EmptySlots();
    // One page holding the live turtle and floor image.
    void StartNotebook();
    // Destroys the pages and clears the sheet to the background colour.
    void ReleaseNotebook();

    // A new, empty page behind the current one, or in front of it; it becomes current.
    PageResult NewPage(bool inFront);
    // Drops the current page; the one after it (or the new last one) becomes current.
    PageResult DeletePage();
    PageResult PrevPage();
    PageResult NextPage();
    // Brings another page in front, keeping the current one's drawing and turtle in its slot.
    void GoToPage(int index);
    // Brings the current page onto the sheet, the floor and the turtle, and the panel with them.
    void ShowCurrentPage();

    int CurrentPage() const { return current_; }
    int PageCount() const { return count_; }
    // A page's turtle and drawing: the live ones for the current page, its copies for the others.
    const TTurtleState& TurtleOf(int page) const;
    const std::uint8_t* ImageOf(int page) const;
    // Which page object sits in a slot; tells pages apart across an insertion.
    const TNotebookPage* PageAt(int index) const { return slots_[static_cast<std::size_t>(index)].get(); }
    // How a page was drawn.
    DrawingRecord& RecordOf(int page) { return Slot(page)->Record; }
    const DrawingRecord& RecordOf(int page) const { return slots_[static_cast<std::size_t>(page)]->Record; }
    // A page's record starts anew at the page as it stands.
    void RestartRecord(int page);

    // For taking steps back: puts a page in at `index` (the pages from there move one on), or
    // takes the one there out, and shows the page `current` then is.
    void InsertPage(int index, std::unique_ptr<TNotebookPage> page, int current);
    std::unique_ptr<TNotebookPage> TakePage(int index, int current);

    // The whole notebook, the current page as it stands now.
    NotebookContent Contents() const;
    // An opened notebook's pages take the place of these; its current page is shown.
    void Replace(const NotebookContent& content);
    // Whether every page holds the drawing of `content` and its turtle stands where that one did,
    // on the same background; the child's tools do not count.
    bool SameDrawings(const NotebookContent& content) const;

private:
    std::unique_ptr<TNotebookPage>& Slot(int index) { return slots_[static_cast<std::size_t>(index)]; }
    void StoreCurrent();

    TurtleSheet& sheet_;
    std::array<std::unique_ptr<TNotebookPage>, kMaxPages> slots_;
    int current_ = 0;
    int count_ = 0;
};

// Whether two turtles stand at the same place, heading the same way on the same background: what
// a drawing step changes, apart from the pen, the width and the character, which are the child's tools.
bool SamePlace(const TTurtleState& a, const TTurtleState& b);
// Takes a turtle to another's place, heading and background, keeping its tools.
void TakePlace(TTurtleState& turtle, const TTurtleState& place);
