#include "dialogs/HelpCommands.h"

#include "dialogs/AboutDlg.h"
#include "win/HelpViewer.h"

#include <QCoreApplication>

namespace {

// The help file in the language the program speaks.
QByteArray HelpFile(const char* file)
{
    return QCoreApplication::translate("HelpCommands", file).toUtf8();
}

} // namespace

// The viewer tells the user itself when a file is missing; there is nothing more to do here.
void ContHelpMenuClick(QWidget* mainWindow)
{
    win::WinHelpA(mainWindow, HelpFile(kIntroHelpFile).constData(), win::HELP_CONTENTS, 0);
}

void TutorBtnClick(QWidget* mainWindow)
{
    win::WinHelpA(mainWindow, HelpFile(kTutorHelpFile).constData(), win::HELP_CONTENTS, 0);
}

void AboutMenuClick(TAboutDlg& aboutDlg)
{
    aboutDlg.exec();
}
