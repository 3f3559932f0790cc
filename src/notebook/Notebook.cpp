#include "notebook/Notebook.h"

#include "turtle/TurtleSheet.h"

#include <algorithm>

const char* RefusalText(PageResult result)
{
    switch (result) {
    case PageResult::NotebookFull: return "Zeszyt może posiadać maksymalnie 8 stron.";
    case PageResult::OnlyPage: return "To jest ostatnia strona. Nie można usunąć wszystkich stron.";
    case PageResult::FirstPage: return "To jest pierwsza strona w zeszycie.";
    case PageResult::LastPage: return "To jest ostatnia strona w zeszycie.";
    case PageResult::Done: break;
    }
    return "";
}

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
    Slot(0) = std::make_unique<TNotebookPage>();
    StoreCurrent();
}

void Notebook::ReleaseNotebook()
{
    for (int i = 0; i < PageCount; ++i)
        Slot(i).reset();
    sheet_.ClearSheet();
}

void Notebook::StoreCurrent()
{
    Current()->Store(sheet_.Turtle(), sheet_.FloorBits());
}

PageResult Notebook::NewPage(bool inFront)
{
    if (PageCount >= kMaxPages)
        return PageResult::NotebookFull;
    const int insertAt = inFront ? CurrentPage : CurrentPage + 1;
    StoreCurrent();
    ++PageCount;
    // Pages behind the insertion point move one slot on.
    for (int i = PageCount - 1; i > insertAt; --i) {
        Slot(i) = std::move(Slot(i - 1));
        Slot(i)->Dirty = true;
    }
    CurrentPage = insertAt;
    Slot(CurrentPage) = std::make_unique<TNotebookPage>();

    sheet_.ResetTurtle();
    // A new page looks like a cleared one: the background's own colour.
    sheet_.FillFloorImage(sheet_.BackgroundIndex());
    StoreCurrent();
    sheet_.UpdateSheetFromFloor();
    return PageResult::Done;
}

PageResult Notebook::DeletePage()
{
    if (PageCount <= 1)
        return PageResult::OnlyPage;
    --PageCount;
    Slot(CurrentPage).reset();
    for (int i = CurrentPage + 1; i <= PageCount; ++i) {
        Slot(i - 1) = std::move(Slot(i));
        Slot(i - 1)->Dirty = true;
    }
    if (CurrentPage >= PageCount)
        --CurrentPage;
    ShowCurrentPage();
    return PageResult::Done;
}

PageResult Notebook::PrevPage()
{
    if (CurrentPage <= 0)
        return PageResult::FirstPage;
    StoreCurrent();
    --CurrentPage;
    ShowCurrentPage();
    return PageResult::Done;
}

PageResult Notebook::NextPage()
{
    if (CurrentPage >= PageCount - 1)
        return PageResult::LastPage;
    StoreCurrent();
    ++CurrentPage;
    ShowCurrentPage();
    return PageResult::Done;
}

void Notebook::ShowCurrentPage()
{
    Current()->Restore(sheet_.Turtle(), sheet_.FloorBits());
    sheet_.UpdateSheetFromFloor();
    sheet_.FloorChanged();
    // The panel and the sheet's pen follow the page's own record.
    sheet_.ApplyTurtle();
}

void Notebook::MarkCurrentDrawn()
{
    if (TNotebookPage* page = Current())
        page->Dirty = true;
}

NotebookContent Notebook::Contents()
{
    StoreCurrent();
    NotebookContent content;
    content.CurrentPage = CurrentPage;
    content.Pages.resize(static_cast<std::size_t>(PageCount));
    for (int i = 0; i < PageCount; ++i) {
        PageContent& page = content.Pages[static_cast<std::size_t>(i)];
        page.Turtle = Slot(i)->Turtle;
        std::copy_n(Slot(i)->Image.get(), kSheetBytes, page.Image.data());
    }
    return content;
}

void Notebook::Replace(const NotebookContent& content)
{
    EmptySlots();
    PageCount = static_cast<std::int32_t>(content.Pages.size());
    CurrentPage = content.CurrentPage;
    for (int i = 0; i < PageCount; ++i) {
        const PageContent& page = content.Pages[static_cast<std::size_t>(i)];
        Slot(i) = std::make_unique<TNotebookPage>();
        Slot(i)->Store(page.Turtle, page.Image.data());
    }
    ShowCurrentPage();
}
