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
    // Brings the current page onto the sheet, the floor and the turtle, and the panel with them.
    void ShowCurrentPage();

    TNotebookPage* Current() { return Pages[static_cast<std::size_t>(CurrentPage)].get(); }
    // A line was drawn on the current page.
    void MarkCurrentDrawn();

    // The whole notebook, the current page as it stands now.
    NotebookContent Contents();
    // An opened notebook's pages take the place of these; its current page is shown.
    void Replace(const NotebookContent& content);

    std::array<std::unique_ptr<TNotebookPage>, kMaxPages> Pages;
    std::int32_t CurrentPage = 0;
    std::int32_t PageCount = 0;

private:
    std::unique_ptr<TNotebookPage>& Slot(int index) { return Pages[static_cast<std::size_t>(index)]; }
    void StoreCurrent();

    TurtleSheet& sheet_;
};
