#include "dialogs/HelpCommands.h"

#include "dialogs/AboutDlg.h"
#include "win/HelpViewer.h"

// The viewer tells the user itself when a file is missing; there is nothing more to do here.
void ContHelpMenuClick(QWidget* mainWindow)
{
    win::WinHelpA(mainWindow, kIntroHelpFile, win::HELP_CONTENTS, 0);
}

void TutorBtnClick(QWidget* mainWindow)
{
    win::WinHelpA(mainWindow, kTutorHelpFile, win::HELP_CONTENTS, 0);
}

void AboutMenuClick(TAboutDlg& aboutDlg)
{
    aboutDlg.exec();
}
