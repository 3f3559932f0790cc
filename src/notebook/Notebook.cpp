#include "notebook/Notebook.h"

#include "turtle/TurtleSheet.h"

#include <QCoreApplication>

#include <cstring>

const char* RefusalText(PageResult result)
{
    switch (result) {
    case PageResult::NotebookFull: return QT_TRANSLATE_NOOP("Notebook", "Zeszyt może posiadać maksymalnie 8 stron.");
    case PageResult::OnlyPage:
        return QT_TRANSLATE_NOOP("Notebook", "To jest ostatnia strona. Nie można usunąć wszystkich stron.");
    case PageResult::FirstPage: return QT_TRANSLATE_NOOP("Notebook", "To jest pierwsza strona w zeszycie.");
    case PageResult::LastPage: return QT_TRANSLATE_NOOP("Notebook", "To jest ostatnia strona w zeszycie.");
    case PageResult::Done: break;
    }
    return "";
}

QString RefusalMessage(PageResult result)
{
    return QCoreApplication::translate("Notebook", RefusalText(result));
}

bool SamePlace(const TTurtleState& a, const TTurtleState& b)
{
    return a.X == b.X && a.Y == b.Y && a.Heading == b.Heading && a.BGColor == b.BGColor;
}

void TakePlace(TTurtleState& turtle, const TTurtleState& place)
{
    turtle.X = place.X;
    turtle.Y = place.Y;
    turtle.Heading = place.Heading;
    turtle.BGColor = place.BGColor;
}

Notebook::Notebook(TurtleSheet& sheet) : sheet_(sheet) {}

void Notebook::EmptySlots()
{
    for (auto& page : slots_)
        page.reset();
}

void Notebook::StartNotebook()
{
    count_ = 1;
    current_ = 0;
    Slot(0) = std::make_unique<TNotebookPage>();
    StoreCurrent();
    RestartRecord(0);
}

void Notebook::ReleaseNotebook()
{
    for (int i = 0; i < count_; ++i)
        Slot(i).reset();
    sheet_.ClearSheet();
}

void Notebook::StoreCurrent()
{
    Slot(current_)->Store(sheet_.Turtle(), sheet_.FloorBits());
}

PageResult Notebook::NewPage(bool inFront)
{
    if (count_ >= kMaxPages)
        return PageResult::NotebookFull;
    const int insertAt = inFront ? current_ : current_ + 1;
    StoreCurrent();
    ++count_;
    // Pages behind the insertion point move one slot on.
    for (int i = count_ - 1; i > insertAt; --i)
        Slot(i) = std::move(Slot(i - 1));
    current_ = insertAt;
    Slot(current_) = std::make_unique<TNotebookPage>();

    sheet_.ResetTurtle();
    // A new page looks like a cleared one: the background's own colour.
    sheet_.FillFloorImage(sheet_.BackgroundIndex());
    StoreCurrent();
    RestartRecord(current_);
    sheet_.UpdateSheetFromFloor();
    return PageResult::Done;
}

PageResult Notebook::DeletePage()
{
    if (count_ <= 1)
        return PageResult::OnlyPage;
    TakePage(current_, current_ + 1 < count_ ? current_ : current_ - 1);
    return PageResult::Done;
}

PageResult Notebook::PrevPage()
{
    if (current_ <= 0)
        return PageResult::FirstPage;
    GoToPage(current_ - 1);
    return PageResult::Done;
}

PageResult Notebook::NextPage()
{
    if (current_ >= count_ - 1)
        return PageResult::LastPage;
    GoToPage(current_ + 1);
    return PageResult::Done;
}

void Notebook::GoToPage(int index)
{
    StoreCurrent();
    current_ = index;
    ShowCurrentPage();
}

void Notebook::ShowCurrentPage()
{
    Slot(current_)->Restore(sheet_.Turtle(), sheet_.FloorBits());
    sheet_.UpdateSheetFromFloor();
    sheet_.FloorChanged();
    sheet_.RestFloor();
    // The panel and the sheet's pen follow the page's own record.
    sheet_.ApplyTurtle();
}

void Notebook::RestartRecord(int page)
{
    RecordOf(page) = StartedRecord(ImageOf(page), TurtleOf(page));
}

const TTurtleState& Notebook::TurtleOf(int page) const
{
    return page == current_ ? sheet_.Turtle() : slots_[static_cast<std::size_t>(page)]->Turtle;
}

const std::uint8_t* Notebook::ImageOf(int page) const
{
    return page == current_ ? sheet_.FloorBits() : slots_[static_cast<std::size_t>(page)]->Image.get();
}

void Notebook::InsertPage(int index, std::unique_ptr<TNotebookPage> page, int current)
{
    StoreCurrent();
    for (int i = count_; i > index; --i)
        Slot(i) = std::move(Slot(i - 1));
    Slot(index) = std::move(page);
    ++count_;
    current_ = current;
    ShowCurrentPage();
}

std::unique_ptr<TNotebookPage> Notebook::TakePage(int index, int current)
{
    StoreCurrent();
    std::unique_ptr<TNotebookPage> page = std::move(Slot(index));
    --count_;
    for (int i = index; i < count_; ++i)
        Slot(i) = std::move(Slot(i + 1));
    current_ = current;
    ShowCurrentPage();
    return page;
}

NotebookContent Notebook::Contents() const
{
    NotebookContent content;
    content.CurrentPage = current_;
    content.Pages.resize(static_cast<std::size_t>(count_));
    for (int i = 0; i < count_; ++i) {
        PageContent& page = content.Pages[static_cast<std::size_t>(i)];
        page.Turtle = TurtleOf(i);
        std::memcpy(page.Image.data(), ImageOf(i), kSheetBytes);
        page.Record = RecordOf(i);
    }
    return content;
}

void Notebook::Replace(const NotebookContent& content)
{
    EmptySlots();
    count_ = static_cast<int>(content.Pages.size());
    current_ = content.CurrentPage;
    for (int i = 0; i < count_; ++i) {
        const PageContent& page = content.Pages[static_cast<std::size_t>(i)];
        Slot(i) = std::make_unique<TNotebookPage>();
        Slot(i)->Store(page.Turtle, page.Image.data());
        // A page kept without its record replays as it stands.
        Slot(i)->Record = page.Record.Empty() ? StartedRecord(page.Image.data(), page.Turtle) : page.Record;
    }
    ShowCurrentPage();
}

bool Notebook::SameDrawings(const NotebookContent& content) const
{
    if (static_cast<int>(content.Pages.size()) != count_)
        return false;
    for (int i = 0; i < count_; ++i) {
        const PageContent& page = content.Pages[static_cast<std::size_t>(i)];
        if (!SamePlace(TurtleOf(i), page.Turtle) || std::memcmp(ImageOf(i), page.Image.data(), kSheetBytes) != 0)
            return false;
    }
    return true;
}
