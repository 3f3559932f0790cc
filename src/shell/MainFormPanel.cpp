#include "shell/MainForm.h"

#include "dialogs/ShapeDlg.h"
#include "shell/Application.h"
#include "shell/ExceptionBox.h"
#include "turtle/SheetColors.h"
#include "ui_MainForm.h"
#include "win/KeyState.h"
#include "win/MessageBox.h"

#include <QCursor>
#include <QMouseEvent>

namespace {

constexpr int kStripCellWidth = 16;
constexpr int kColorRowHeight = 12;
constexpr unsigned kNotebookRefusalStyle = win::MB_OK | win::MB_ICONEXCLAMATION;

// Where the cursor is now, in a picture's own coordinates.
QPoint CursorIn(const QWidget* picture)
{
    return picture->mapFromGlobal(QCursor::pos());
}

bool ShiftHeld()
{
    return (win::GetAsyncKeyState(win::VK_SHIFT) & 0x8000) != 0;
}

} // namespace

void TMainForm::ConnectPanelHandlers()
{
    ui->ColorImage->installEventFilter(this);
    ui->WidthImage->installEventFilter(this);
    connect(ui->PenBtn, &QAbstractButton::clicked, this, Guarded([this] { PenBtnClick(); }));
    connect(ui->FillBtn, &QAbstractButton::clicked, this, Guarded([this] { FillBtnClick(); }));
    connect(ui->ShowBtn, &QAbstractButton::clicked, this, Guarded([this] { ShowBtnClick(); }));
    connect(ui->ClearBtn, &QAbstractButton::clicked, this, Guarded([this] { ClearBtnClick(); }));
    connect(ui->HomeBtn, &QAbstractButton::clicked, this, Guarded([this] { HomeBtnClick(); }));
    connect(ui->ShapeBtn, &QAbstractButton::clicked, this, Guarded([this] { ShapeBtnClick(); }));
    connect(ui->NewPageBtn, &QAbstractButton::clicked, this, Guarded([this] { NewPageBtnClick(); }));
    connect(ui->DelPageBtn, &QAbstractButton::clicked, this, Guarded([this] { DelPageBtnClick(); }));
    connect(ui->PrevPageBtn, &QAbstractButton::clicked, this, Guarded([this] { PrevPageBtnClick(); }));
    connect(ui->NextPageBtn, &QAbstractButton::clicked, this, Guarded([this] { NextPageBtnClick(); }));
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::MouseButtonRelease)
        return QMainWindow::eventFilter(watched, event);
    const auto* release = static_cast<QMouseEvent*>(event);
    if (watched == ui->ColorImage) {
        const QPoint p = CursorIn(ui->ColorImage);
        RunGuarded([&] { ColorImageMouseUp(release->modifiers(), p.x(), p.y()); });
        return true;
    }
    if (watched == ui->WidthImage && ui->WidthImage->rect().contains(release->position().toPoint())) {
        const QPoint p = CursorIn(ui->WidthImage);
        RunGuarded([&] { WidthImageClick(p.x()); });
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TMainForm::ColorImageMouseUp(Qt::KeyboardModifiers shift, int x, int y)
{
    const int cell = (x - 1) / kStripCellWidth + (y > kColorRowHeight ? 8 : 0);
    const int n = CellToColor(cell);
    if (shift.testFlag(Qt::ShiftModifier)) {
        // Choosing a background wipes the sheet in it.
        Document.Do(EntryOf(RecordOp::Background, n));
    } else {
        Sheet.SetPenColor(n);
    }
}

void TMainForm::WidthImageClick(int x)
{
    Sheet.SetPenWidth((x - 1) / kStripCellWidth + 1);
}

void TMainForm::PenBtnClick()
{
    Turtle.PenDown = ui->PenBtn->isChecked();
}

void TMainForm::ShowBtnClick()
{
    Turtle.Hidden = !ui->ShowBtn->isChecked();
}

void TMainForm::FillBtnClick()
{
    Document.Do(EntryOf(RecordOp::Fill));
}

void TMainForm::ClearBtnClick()
{
    Document.Do(EntryOf(RecordOp::Clear));
}

void TMainForm::HomeBtnClick()
{
    Document.Do(EntryOf(RecordOp::Home));
}

void TMainForm::ShapeBtnClick()
{
    ShapeDlg->SelectedShape = Turtle.Shape;
    if (ShapeDlg->exec() != QDialog::Accepted || ShapeDlg->SelectedShape == Turtle.Shape)
        return;
    // The chosen character walks from now on; one that cannot be read leaves the current one.
    const std::int32_t previous = Turtle.Shape;
    Turtle.Shape = ShapeDlg->SelectedShape;
    if (LoadCharacterReporting(CharacterAnimation))
        return;
    Turtle.Shape = previous;
    LoadCharacterReporting(CharacterAnimation);
}

bool TMainForm::PageDone(PageResult result)
{
    if (result == PageResult::Done) {
        RefreshStatus();
        return true;
    }
    win::MessageBox({nullptr, RefusalMessage(result), QStringLiteral("QEL 3D"), kNotebookRefusalStyle});
    return false;
}

void TMainForm::NewPageBtnClick()
{
    // Shift puts the new page in front of the current one.
    PageDone(Document.NewPage(ShiftHeld()));
}

void TMainForm::DelPageBtnClick()
{
    PageDone(Document.DeletePage());
}

void TMainForm::PrevPageBtnClick()
{
    PageDone(Document.TurnPage(false));
}

void TMainForm::NextPageBtnClick()
{
    PageDone(Document.TurnPage(true));
}
