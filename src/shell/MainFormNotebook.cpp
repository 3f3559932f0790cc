#include "shell/MainForm.h"

#include "dialogs/NotebookPrint.h"
#include "shell/ExceptionBox.h"
#include "ui_MainForm.h"
#include "win/MessageBox.h"

#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>

namespace {

// How long the status bar says that the notebook was saved.
constexpr int kSavedMessageMs = 3000;

} // namespace

void TMainForm::ConnectNotebookHandlers()
{
    connect(&Document, &NotebookDocument::Changed, this, [this] { ShowDocument(); });
    connect(ui->NewMenu, &QAction::triggered, this, Guarded([this] { NewBtnClick(); }));
    connect(ui->OpenMenu, &QAction::triggered, this, Guarded([this] { LoadBtnClick(); }));
    connect(ui->SaveMenu, &QAction::triggered, this, Guarded([this] { SaveBtnClick(); }));
    connect(ui->SaveAsMenu, &QAction::triggered, this, Guarded([this] { SaveAsMenuClick(); }));
    connect(ui->PrintMenu, &QAction::triggered, this, Guarded([this] { PrintMenuClick(); }));
}

void TMainForm::ShowDocument()
{
    UpdateUndoActions();
    ShowNotebookName();
    RefreshStatus();
}

void TMainForm::ShowNotebookName()
{
    const QString& name = Document.Name();
    QString text = name.isEmpty() ? QString() : QStringLiteral("Zeszyt: %1").arg(name);
    // A mark while there is something a save would keep.
    if (Document.Modified())
        text = (text.isEmpty() ? QStringLiteral("Zeszyt bez nazwy") : text) + QStringLiteral(" *");
    statusPanels_[0]->setText(text);
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
        ui->MainStatusBar->showMessage(QStringLiteral("Zeszyt %1 został zapisany.").arg(Document.Name()), kSavedMessageMs);
}

void TMainForm::SaveAsMenuClick()
{
    Document.SaveAs();
}

void TMainForm::PrintMenuClick()
{
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!PrintNotebook(printer, Document.Pages().Contents(), Document.Name()))
        ShowNotebookRefusal(QStringLiteral("Nie można wydrukować zeszytu."));
}
