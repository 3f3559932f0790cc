#include "shell/DesktopKeys.h"

#include "ui_MainForm.h"

#include <QAction>
#include <QMenuBar>

void AddDesktopKeys(QMainWindow& window, Ui::TMainForm& ui)
{
    ui.ContHelpMenu->setShortcut(Qt::Key_F1);
    ui.ExitMenu->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    ui.SaveAsMenu->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    auto* menuKey = new QAction(&window);
    menuKey->setShortcut(Qt::Key_F10);
    window.addAction(menuKey);
    QMenuBar* bar = ui.MainMenu;
    QObject::connect(menuKey, &QAction::triggered, bar, [bar] {
        if (bar->isVisible() && !bar->actions().isEmpty()) {
            bar->setFocus(Qt::MenuBarFocusReason);
            bar->setActiveAction(bar->actions().first());
        }
    });
}
