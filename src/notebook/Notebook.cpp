#include "notebook/Notebook.h"

#include "turtle/TurtleSheet.h"

Notebook::Notebook(TurtleSheet& sheet) : sheet_(sheet) {}

void Notebook::EmptySlots()
{
    for (auto& page : Pages)
        page.reset();
}

void Notebook::StartNotebook()
{
    PageCount = 1;
    CurrentPage = 0;
    Pages[0] = std::make_unique<TNotebookPage>();
    Pages[0]->Store(sheet_.Turtle(), sheet_.FloorBits());
}

void Notebook::ReleaseNotebook()
{
    for (int i = 0; i < PageCount; ++i)
        Pages[static_cast<std::size_t>(i)].reset();
    sheet_.ClearSheet();
}

void Notebook::MarkCurrentDrawn()
{
    if (TNotebookPage* page = Current())
        page->Dirty = true;
}
