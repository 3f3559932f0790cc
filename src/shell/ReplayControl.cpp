#include "shell/ReplayControl.h"

#include "dialogs/AnimationExport.h"
#include "dialogs/RecordListDlg.h"
#include "notebook/NotebookDocument.h"
#include "shell/ExceptionBox.h"
#include "turtle/TurtleSheet.h"

#include <QAction>
#include <QIcon>
#include <QMenu>
#include <QToolBar>

ReplayControl::ReplayControl(QWidget& window, TurtleSheet& sheet, TurtleWalker& walker, const NotebookDocument& document)
    : window_(window), sheet_(sheet), document_(document), replay_(sheet, walker)
{
    connect(&replay_, &PageReplay::EntryReached, this, [this](int entry) {
        if (list_)
            list_->ShowCurrent(entry);
    });
    connect(&replay_, &PageReplay::Finished, this, [this] {
        if (list_)
            list_->ShowCurrent(-1);
    });
}

ReplayControl::~ReplayControl() = default;

namespace {

// Puts an action before the one after `after` in a list of actions, or at its end.
QAction* Following(const QList<QAction*>& actions, QAction* after)
{
    const qsizetype at = actions.indexOf(after);
    return at >= 0 && at + 1 < actions.size() ? actions[at + 1] : nullptr;
}

} // namespace

void ReplayControl::AddActions(QMenu& editMenu, QAction* redo, QToolBar& toolBar, QAction* redoButton)
{
    auto* play = new QAction(QIcon(QStringLiteral(":/play.svg")), QStringLiteral("&Odtwórz stronę"), &window_);
    play->setObjectName(QStringLiteral("ReplayMenu"));
    play->setShortcut(Qt::Key_F5);
    play->setToolTip(QStringLiteral("Odtwórz stronę"));
    play->setStatusTip(QStringLiteral("Żółw rysuje stronę jeszcze raz, tak jak powstała"));
    auto* list = new QAction(QStringLiteral("&Jak powstał rysunek"), &window_);
    list->setObjectName(QStringLiteral("RecordListMenu"));
    list->setStatusTip(QStringLiteral("Pokazuje po kolei, jak powstał rysunek na stronie"));
    QAction* afterRedo = Following(editMenu.actions(), redo);
    editMenu.insertAction(afterRedo, play);
    editMenu.insertAction(afterRedo, list);
    toolBar.insertAction(Following(toolBar.actions(), redoButton), play);
    connect(play, &QAction::triggered, this, Guarded([this] { Play(); }));
    connect(list, &QAction::triggered, this, Guarded([this] { ShowList(); }));
}

void ReplayControl::Play()
{
    const Notebook& pages = document_.Pages();
    const DrawingRecord& record = pages.RecordOf(pages.CurrentPage());
    if (list_)
        list_->ShowRecord(record);
    // The walker takes a replay only while the main loop walks it on and the turtle rests.
    replay_.Start(record);
}

void ReplayControl::ShowList()
{
    if (!list_)
        list_ = new RecordListDlg(&window_, Guarded([this] { SaveAnimation(); }));
    const Notebook& pages = document_.Pages();
    list_->ShowRecord(pages.RecordOf(pages.CurrentPage()));
    list_->show();
    list_->raise();
}

void ReplayControl::SaveAnimation()
{
    const Notebook& pages = document_.Pages();
    const int page = pages.CurrentPage();
    const AnimationExport animation({sheet_.FloorBits(), document_.Name(), page + 1}, pages.RecordOf(page),
                                    sheet_.Turtle());
    QWidget* parent = list_ && list_->isActiveWindow() ? static_cast<QWidget*>(list_) : &window_;
    if (const QString path = animation.SaveAs(parent); !path.isEmpty() && animationSaved_)
        animationSaved_(path);
}
