#pragma once

#include "notebook/NotebookPage.h"

#include <array>
#include <cstdint>
#include <memory>

class TurtleSheet;

// The notebook's pages in memory: one to eight, exactly one of them current.
class Notebook {
public:
    static constexpr int kMaxPages = 8;

    explicit Notebook(TurtleSheet& sheet);

    // Empties every slot without looking at what was there.
    void EmptySlots();
    // One page holding the live turtle and floor image.
    void StartNotebook();
    // Destroys the pages and clears the sheet to the background colour.
    void ReleaseNotebook();

    TNotebookPage* Current() { return Pages[static_cast<std::size_t>(CurrentPage)].get(); }
    // A line was drawn on the current page.
    void MarkCurrentDrawn();

    std::array<std::unique_ptr<TNotebookPage>, kMaxPages> Pages;
    std::int32_t CurrentPage = 0;
    std::int32_t PageCount = 0;

private:
    TurtleSheet& sheet_;
};
