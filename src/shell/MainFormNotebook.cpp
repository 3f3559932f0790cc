#include "shell/MainForm.h"

#include "notebook/OpenDlg.h"
#include "notebook/SaveDlg.h"
#include "shell/Application.h"
#include "win/MessageBox.h"

#include <QFile>

namespace {

const QString kNotebookCaption = QStringLiteral("QEL 3D");

} // namespace

void TMainForm::AssignNotebookCallbacks()
{
    DiskFile.AssignFun(TDiskFile::QuerySave, [this] { return QuerySave(); });
    DiskFile.AssignFun(TDiskFile::QueryReplace, [this] { return QueryReplace(); });
    DiskFile.AssignFun(TDiskFile::FileExists, [this] { return TDiskFile::CheckExist(QFile::encodeName(NotebookName).toStdString()) ? 1 : 0; });
    DiskFile.AssignFun(TDiskFile::GetOpenName, [this] { return GetNotebookName(*OpenDlg); });
    DiskFile.AssignFun(TDiskFile::GetSaveName, [this] { return GetNotebookName(*SaveDlg); });
    DiskFile.AssignFun(TDiskFile::DoNew, [this] {
        StartNewNotebook();
        RefreshStatus();
        return win::IDOK;
    });
    DiskFile.AssignFun(TDiskFile::DoLoad, [this] {
        // Nothing is read: an opened notebook starts fresh under its name.
        StartNewNotebook();
        return win::IDOK;
    });
    // Notebooks are kept in memory only; saving writes nothing.
    DiskFile.AssignFun(TDiskFile::DoSave, [] { return win::IDOK; });
}

int TMainForm::QuerySave()
{
    return win::MessageBox({nullptr, QStringLiteral("Rysunki w zeszycie zostały zmienione. Czy chcesz je zachować?"),
                            kNotebookCaption, win::MB_YESNOCANCEL | win::MB_ICONQUESTION});
}

int TMainForm::QueryReplace()
{
    return win::MessageBox({nullptr,
                            QStringLiteral("Zeszyt o nazwie ") + NotebookName
                                + QStringLiteral(" istnieje. Czy chcesz go zastapić?"),
                            kNotebookCaption, win::MB_YESNO | win::MB_ICONQUESTION});
}

template <class NameDialog>
int TMainForm::GetNotebookName(NameDialog& dialog)
{
    if (dialog.exec() != QDialog::Accepted)
        return win::IDCANCEL;
    NotebookName = dialog.FileName();
    return win::IDOK;
}

void TMainForm::StartNewNotebook()
{
    Pages.ReleaseNotebook();
    Pages.StartNotebook();
    Sheet.ResetTurtle();
    ClearHistory();
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
