#include "shell/MainForm.h"

#include "dialogs/NotebookPrint.h"
#include "dialogs/PageExport.h"
#include "shell/ExceptionBox.h"
#include "shell/SavedFileNotice.h"
#include "shell/WindowTitle.h"
#include "ui_MainForm.h"
#include "win/MessageBox.h"

#include <QPrintDialog>
#include <QPrinter>

void TMainForm::ConnectNotebookHandlers()
{
    connect(&Document, &NotebookDocument::Changed, this, [this] { ShowDocument(); });
    connect(&Document, &NotebookDocument::Notice, this, [this](const QString& text) { status_->ShowNotice(text); });
    connect(ui->NewMenu, &QAction::triggered, this, Guarded([this] { NewBtnClick(); }));
    connect(ui->OpenMenu, &QAction::triggered, this, Guarded([this] { LoadBtnClick(); }));
    connect(ui->SaveMenu, &QAction::triggered, this, Guarded([this] { SaveBtnClick(); }));
    connect(ui->SaveAsMenu, &QAction::triggered, this, Guarded([this] { SaveAsMenuClick(); }));
    connect(ui->PrintMenu, &QAction::triggered, this, Guarded([this] { PrintMenuClick(); }));
    const auto shownPage = [this] {
        return PageExport({Sheet.FloorBits(), Document.Name(), Document.Pages().CurrentPage() + 1}, FloorImage.Smooth().Edges());
    };
    connect(ui->SavePictureMenu, &QAction::triggered, this, Guarded([this, shownPage] {
        if (const QString path = shownPage().SaveAs(this); !path.isEmpty())
            status_->ShowNotice(SavedPictureNotice(path));
    }));
    connect(ui->SaveAnimationMenu, &QAction::triggered, this, Guarded([this] { Replay.SaveAnimation(); }));
    Replay.OnAnimationSaved([this](const QString& path) {
        status_->ShowNotice(SavedAnimationNotice(path));
    });
    connect(ui->CopyPictureMenu, &QAction::triggered, this, Guarded([shownPage] { shownPage().CopyToClipboard(); }));
}

void TMainForm::ShowDocument()
{
    UpdateUndoActions();
    status_->ShowNotebook(Document.Name(), Document.Modified());
    setWindowTitle(MainWindowTitle(Document.Name()));
    setWindowModified(Document.Modified());
    RefreshStatus();
}

void TMainForm::NewBtnClick()
{
    Document.New();
}

void TMainForm::LoadBtnClick()
{
    Document.Open();
}

void TMainForm::SaveBtnClick()
{
    if (Document.Save() == win::IDOK)
        status_->ShowSaved(Document.Name());
}

void TMainForm::SaveAsMenuClick()
{
    Document.SaveAs();
}

void TMainForm::PrintMenuClick()
{
    QPrinter printer;
    SuggestPrintFile(printer, Document.Name());
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!PrintNotebook(printer, Document.Pages().Contents(), Document.Name(), FloorImage.Smooth().Edges()))
        ShowNotebookRefusal(tr("Nie można wydrukować zeszytu."));
}
