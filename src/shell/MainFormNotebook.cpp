#include "shell/MainForm.h"

#include "dialogs/NotebookPrint.h"
#include "dialogs/OpenDlg.h"
#include "dialogs/PageExport.h"
#include "dialogs/SaveDlg.h"
#include "shell/Application.h"
#include "shell/ExceptionBox.h"
#include "storage/NotebookFolder.h"
#include "storage/NotebookList.h"
#include "storage/NotebookReader.h"
#include "storage/NotebookWriter.h"
#include "ui_MainForm.h"
#include "win/MessageBox.h"

#include <QFile>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>

#include <algorithm>
#include <vector>

namespace {

const QString kNotebookCaption = QStringLiteral("QEL 3D");

void ShowNotebookRefusal(const QString& text)
{
    win::MessageBox({nullptr, text, kNotebookCaption, win::MB_OK | win::MB_ICONEXCLAMATION});
}

} // namespace

void TMainForm::AssignNotebookCallbacks()
{
    DiskFile.AssignFun(TDiskFile::QuerySave, [this] { return QuerySave(); });
    DiskFile.AssignFun(TDiskFile::QueryReplace, [this] { return QueryReplace(); });
    DiskFile.AssignFun(TDiskFile::FileExists, [this] {
        const QString index = IndexPath(NotebooksFolder(), NotebookName);
        return TDiskFile::CheckExist(QFile::encodeName(index).toStdString()) ? 1 : 0;
    });
    DiskFile.AssignFun(TDiskFile::GetOpenName, [this] {
        OpenDlg->ShowNotebooks(ListSavedNotebooks(NotebooksFolder()));
        return GetNotebookName(*OpenDlg);
    });
    DiskFile.AssignFun(TDiskFile::GetSaveName, [this] { return GetNotebookName(*SaveDlg); });
    DiskFile.AssignFun(TDiskFile::DoNew, [this] {
        StartNewNotebook();
        documentName_.clear();
        NotebookName.clear();
        ShowNotebookName();
        RefreshStatus();
        return win::IDOK;
    });
    DiskFile.AssignFun(TDiskFile::DoLoad, [this] { return OpenNotebook(); });
    DiskFile.AssignFun(TDiskFile::DoSave, [this] { return SaveNotebook(); });
}

void TMainForm::ConnectNotebookHandlers()
{
    connect(ui->NewMenu, &QAction::triggered, this, Guarded([this] { NewBtnClick(); }));
    connect(ui->OpenMenu, &QAction::triggered, this, Guarded([this] { LoadBtnClick(); }));
    connect(ui->SaveMenu, &QAction::triggered, this, Guarded([this] { SaveBtnClick(); }));
    connect(ui->SaveAsMenu, &QAction::triggered, this, Guarded([this] { SaveAsMenuClick(); }));
    connect(ui->PrintMenu, &QAction::triggered, this, Guarded([this] { PrintMenuClick(); }));
    const auto shownPage = [this] { return PageExport({Sheet.FloorBits(), documentName_, Pages.CurrentPage + 1}); };
    connect(ui->SavePictureMenu, &QAction::triggered, this, Guarded([this, shownPage] { shownPage().SaveAs(this); }));
    connect(ui->CopyPictureMenu, &QAction::triggered, this, Guarded([shownPage] { shownPage().CopyToClipboard(); }));
}

int TMainForm::QuerySave()
{
    return win::MessageBox({nullptr, QStringLiteral("Rysunki w zeszycie zostały zmienione. Czy chcesz je zachować?"),
                            kNotebookCaption, win::MB_YESNOCANCEL | win::MB_ICONQUESTION});
}

int TMainForm::QueryReplace()
{
    const int answer = win::MessageBox({nullptr,
                                        QStringLiteral("Zeszyt o nazwie ") + NotebookName
                                            + QStringLiteral(" istnieje. Czy chcesz go zastapić?"),
                                        kNotebookCaption, win::MB_YESNO | win::MB_ICONQUESTION});
    if (answer == win::IDCANCEL)
        ForgetTypedName();
    return answer;
}

template <class NameDialog>
int TMainForm::GetNotebookName(NameDialog& dialog)
{
    for (;;) {
        if (dialog.exec() != QDialog::Accepted) {
            ForgetTypedName();
            return win::IDCANCEL;
        }
        // Spaces around a name would only hide in the file name.
        const QString name = dialog.FileName().trimmed();
        if (IsNotebookName(name)) {
            NotebookName = name;
            return win::IDOK;
        }
        ShowNotebookRefusal(QStringLiteral("Zeszyt nie może mieć takiej nazwy. Nazwa nie może być pusta "
                                           "ani zawierać znaków / i \\."));
    }
}

void TMainForm::ForgetTypedName()
{
    // A name that was neither saved nor opened does not become the notebook's.
    NotebookName = documentName_;
}

void TMainForm::StartNewNotebook()
{
    Pages.ReleaseNotebook();
    Pages.StartNotebook();
    Sheet.ResetTurtle();
    ClearHistory();
}

int TMainForm::SaveNotebook()
{
    const QString folder = NotebooksFolder();
    const NotebookFault fault = NotebookWriter().Save(folder, NotebookName, Pages.Contents());
    if (fault != NotebookFault::None) {
        ShowNotebookRefusal(NotebookFaultText(fault, NotebookName, folder));
        ForgetTypedName();
        return win::IDCANCEL;
    }
    documentName_ = NotebookName;
    // What is on disk now is the notebook: nothing is left to ask about on closing.
    DiskFile.Modified = false;
    ShowNotebookName();
    return win::IDOK;
}

int TMainForm::OpenNotebook()
{
    const QString folder = NotebooksFolder();
    const NotebookReading reading = ReadNotebook(folder, NotebookName);
    if (reading.Fault != NotebookFault::None) {
        ShowNotebookRefusal(NotebookFaultText(reading.Fault, NotebookName, folder, reading.File));
        ForgetTypedName();
        return win::IDCANCEL;
    }
    Pages.Replace(reading.Content);
    // Steps of the notebook that was open cannot be taken back in this one.
    ClearHistory();
    documentName_ = NotebookName;
    ShowNotebookName();
    RefreshStatus();
    return win::IDOK;
}

void TMainForm::ShowNotebookName()
{
    statusPanels_[0]->setText(documentName_.isEmpty() ? QString() : QStringLiteral("Zeszyt: %1").arg(documentName_));
}

void TMainForm::MarkNotebookChanged()
{
    DiskFile.Modified = true;
}

void TMainForm::MarkIfPageChanged(const std::function<void()>& command)
{
    const TTurtleState turtle = Turtle;
    const std::vector<std::uint8_t> floor(Sheet.FloorBits(), Sheet.FloorBits() + kSheetBytes);
    command();
    if (!(Turtle == turtle) || !std::equal(floor.begin(), floor.end(), Sheet.FloorBits()))
        MarkNotebookChanged();
}

void TMainForm::NewBtnClick()
{
    DiskFile.NewFile();
}

void TMainForm::LoadBtnClick()
{
    DiskFile.LoadFile();
}

void TMainForm::SaveBtnClick()
{
    DiskFile.SaveFile(true);
}

void TMainForm::SaveAsMenuClick()
{
    DiskFile.SaveAsFile();
}

void TMainForm::PrintMenuClick()
{
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!PrintNotebook(printer, Pages.Contents(), documentName_))
        ShowNotebookRefusal(QStringLiteral("Nie można wydrukować zeszytu."));
}
