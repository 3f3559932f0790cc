#include "dialogs/HelpCommands.h"

#include "dialogs/AboutDlg.h"
#include "win/HelpViewer.h"
#include "win/WindowTexts.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWidget>

namespace {

// The help file in the language the program speaks.
QByteArray HelpFile(const char* file)
{
    return QCoreApplication::translate("HelpCommands", file).toUtf8();
}

// The help shown last, which an open help window keeps showing in the language chosen later.
const char* shownHelp = nullptr;

// The viewer tells the user itself when a file is missing; there is nothing more to do here.
void ShowHelp(QWidget* mainWindow, const char* file)
{
    shownHelp = file;
    static QPointer<QWidget> following;
    if (mainWindow && following != mainWindow) {
        following = mainWindow;
        win::FollowLanguage(*mainWindow, [mainWindow] {
            const auto* help = mainWindow->findChild<QWidget*>(QStringLiteral("HelpWindow"));
            if (help && help->isVisible() && shownHelp)
                win::WinHelpA(mainWindow, HelpFile(shownHelp).constData(), win::HELP_CONTENTS, 0);
        });
    }
    win::WinHelpA(mainWindow, HelpFile(file).constData(), win::HELP_CONTENTS, 0);
}

} // namespace

void ContHelpMenuClick(QWidget* mainWindow)
{
    ShowHelp(mainWindow, kIntroHelpFile);
}

void TutorBtnClick(QWidget* mainWindow)
{
    ShowHelp(mainWindow, kTutorHelpFile);
}

void AboutMenuClick(TAboutDlg& aboutDlg)
{
    aboutDlg.exec();
}
