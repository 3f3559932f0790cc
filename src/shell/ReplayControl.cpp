#include "shell/ReplayControl.h"

#include "dialogs/RecordListDlg.h"
#include "shell/ExceptionBox.h"
#include "shell/MainForm.h"
#include "ui_MainForm.h"

#include <QAction>
#include <QIcon>

ReplayControl::ReplayControl(TMainForm& form) : form_(form), replay_(form.Sheet)
{
    connect(&replay_, &PageReplay::EntryReached, this, [this](int entry) {
        if (list_)
            list_->ShowCurrent(entry);
    });
    connect(&replay_, &PageReplay::Finished, this, [this] { Ended(); });
}

ReplayControl::~ReplayControl() = default;

void ReplayControl::AddActions()
{
    Ui::TMainForm& ui = form_.Controls();
    auto* play = new QAction(QIcon(QStringLiteral(":/play.svg")), QStringLiteral("&Odtwórz stronę"), &form_);
    play->setObjectName(QStringLiteral("ReplayMenu"));
    play->setShortcut(Qt::Key_F5);
    play->setToolTip(QStringLiteral("Odtwórz stronę"));
    play->setStatusTip(QStringLiteral("Żółw rysuje stronę jeszcze raz, tak jak powstała"));
    auto* list = new QAction(QStringLiteral("&Jak powstał rysunek"), &form_);
    list->setObjectName(QStringLiteral("RecordListMenu"));
    list->setStatusTip(QStringLiteral("Pokazuje po kolei, jak powstał rysunek na stronie"));
    const QList<QAction*> editActions = ui.EditMenu->actions();
    const qsizetype redo = editActions.indexOf(ui.RedoMenu);
    QAction* afterRedo = redo + 1 < editActions.size() ? editActions[redo + 1] : nullptr;
    ui.EditMenu->insertAction(afterRedo, play);
    ui.EditMenu->insertAction(afterRedo, list);
    const QList<QAction*> tools = ui.MainToolBar->actions();
    const qsizetype redoButton = tools.indexOf(ui.RedoBtn);
    ui.MainToolBar->insertAction(redoButton + 1 < tools.size() ? tools[redoButton + 1] : nullptr, play);
    connect(play, &QAction::triggered, this, Guarded([this] { Play(); }));
    connect(list, &QAction::triggered, this, Guarded([this] { ShowList(); }));
}

void ReplayControl::Play()
{
    // Only the main loop walks a replay to its end, as it does a command.
    if (!form_.LoopRunning() || form_.Motion.State != CommandState::Idle || replay_.Running())
        return;
    const Notebook& pages = form_.Document.Pages();
    const DrawingRecord& record = pages.RecordOf(pages.CurrentPage());
    if (list_)
        list_->ShowRecord(record);
    form_.BeginCommand();
    replay_.Start(record);
}

void ReplayControl::ShowList()
{
    if (!list_)
        list_ = new RecordListDlg(&form_);
    const Notebook& pages = form_.Document.Pages();
    list_->ShowRecord(pages.RecordOf(pages.CurrentPage()));
    list_->show();
    list_->raise();
}

void ReplayControl::Ended()
{
    if (list_)
        list_->ShowCurrent(-1);
    // The page is back as it was; the window is given back as after a command, which leaves
    // the document as it stands.
    form_.EndCommand();
}
