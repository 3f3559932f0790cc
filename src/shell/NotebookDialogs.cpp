#include "shell/NotebookDialogs.h"

#include "dialogs/OpenDlg.h"
#include "dialogs/SaveDlg.h"
#include "shell/Application.h"
#include "storage/NotebookFault.h"
#include "storage/NotebookFolder.h"
#include "storage/NotebookList.h"
#include "win/MessageBox.h"

#include <QCoreApplication>

namespace {

// The context this file's texts are translated in.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(NotebookDialogs)
};

const QString kNotebookCaption = QStringLiteral("QEL 3D");

template <class NameDialog>
bool AskWith(NameDialog& dialog, QString& name)
{
    const bool accepted = dialog.exec() == QDialog::Accepted;
    name = dialog.FileName();
    return accepted;
}

} // namespace

void ShowNotebookRefusal(const QString& text)
{
    win::MessageBox({nullptr, text, kNotebookCaption, win::MB_OK | win::MB_ICONEXCLAMATION});
}

int NotebookDialogs::AskToSave()
{
    return win::MessageBox({nullptr,
                            Texts::tr("Rysunki w zeszycie zostały zmienione. Czy chcesz je zachować?"),
                            kNotebookCaption, win::MB_YESNOCANCEL | win::MB_ICONQUESTION});
}

bool NotebookDialogs::AskName(NameQuestion question, QString& name)
{
    // Saving starts from the notebook's own name, or the one just refused; opening from whatever
    // was typed there last, which the edit keeps.
    if (question == NameQuestion::Save) {
        if (!name.isEmpty())
            SaveDlg->SetFileName(name);
        return AskWith(*SaveDlg, name);
    }
    OpenDlg->ShowNotebooks(ListSavedNotebooks(NotebooksFolder()));
    return AskWith(*OpenDlg, name);
}

int NotebookDialogs::AskToReplace(const QString& name, bool openElsewhere)
{
    const QString open = openElsewhere
                             ? Texts::tr(" Jest teraz otwarty w innej kopii programu.")
                             : QString();
    const QString text =
        Texts::tr("Zeszyt o nazwie %1 istnieje.%2 Czy chcesz go zastapić?");
    return win::MessageBox({nullptr, text.arg(name, open), kNotebookCaption, win::MB_YESNO | win::MB_ICONQUESTION});
}

int NotebookDialogs::AskToSaveOverOtherCopy(const QString& name)
{
    // The other copy's drawings are lost by a careless Enter: it saves under another name.
    return win::MessageBox({nullptr, SavedElsewhereQuestion(name), kNotebookCaption,
                            win::MB_YESNOCANCEL | win::MB_ICONQUESTION | win::MB_DEFBUTTON2,
                            0,
                            {Texts::tr("&Zastąp"), Texts::tr("&Zapisz jako…"), Texts::tr("&Anuluj")}});
}

void NotebookDialogs::ShowRefusal(const QString& text)
{
    ShowNotebookRefusal(text);
}
