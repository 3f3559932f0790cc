#include "shell/ViewLayout.h"

#include "engine/DXCore.h"
#include "engine/DXViewport.h"
#include "shell/CornerStatus.h"
#include "shell/PanelKeyboard.h"

#include <QAction>
#include <QEvent>
#include <QLayout>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QToolBar>

#include <algorithm>

ViewLayout::ViewLayout(const Parts& parts)
    : QObject(&parts.window), parts_(parts), firstClient_(parts.client.size()),
      firstView_(parts.view.geometry()), firstStatusTop_(parts.statusBar.y()),
      fullViewKey_(new QAction(&parts.window)), leaveKey_(new QAction(&parts.window))
{
    for (const QWidget* widget : parts_.underView)
        firstUnderView_.push_back(widget->pos());
    // The layout's own size is the smallest; the window may grow from there.
    if (QLayout* layout = parts_.window.layout())
        layout->setSizeConstraint(QLayout::SetDefaultConstraint);
    parts_.client.setMinimumSize(firstClient_);
    parts_.client.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    parts_.window.setMinimumSize(0, 0);
    parts_.window.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    parts_.client.installEventFilter(this);

    fullViewKey_->setShortcut(Qt::Key_F11);
    leaveKey_->setShortcut(Qt::Key_Escape);
    leaveKey_->setEnabled(false);
    for (QAction* key : {fullViewKey_, leaveKey_})
        parts_.window.addAction(key);
    connect(fullViewKey_, &QAction::triggered, this, [this] { SetFullView(!fullView_); });
    connect(leaveKey_, &QAction::triggered, this, [this] { SetFullView(false); });

    follow_.setSingleShot(true);
    follow_.setInterval(0);
    connect(&follow_, &QTimer::timeout, this, &ViewLayout::FollowView);
}

void ViewLayout::SetFullView(bool on)
{
    if (on == fullView_)
        return;
    fullView_ = on;
    leaveKey_->setEnabled(on);
    if (on) {
        wasMaximised_ = parts_.window.isMaximized();
        focus_ = parts_.window.focusWidget();
        for (QObject* child : parts_.client.children()) {
            auto* widget = qobject_cast<QWidget*>(child);
            if (!widget || widget == &parts_.view || widget == parts_.core.RenderForm.get() || widget->isHidden())
                continue;
            hidden_.emplace_back(widget);
            widget->hide();
        }
        KeepKeys();
        if (QMenuBar* menu = parts_.window.menuBar())
            menu->hide();
        parts_.window.showFullScreen();
        if (const QScreen* screen = parts_.window.screen())
            parts_.corner.FitScreen(screen->geometry().height());
        parts_.corner.move(0, 0);
        parts_.corner.show();
        parts_.corner.raise();
    } else {
        parts_.corner.hide();
        for (const QPointer<QWidget>& widget : hidden_)
            if (widget)
                widget->show();
        hidden_.clear();
        if (QMenuBar* menu = parts_.window.menuBar())
            menu->show();
        if (wasMaximised_)
            parts_.window.showMaximized();
        else
            parts_.window.showNormal();
        // A track bar does not get the keys back: the panel keeps them.
        if (focus_ && !TakesPlainKeys(focus_))
            focus_->setFocus(Qt::OtherFocusReason);
    }
    Arrange();
}

void ViewLayout::KeepKeys()
{
    // A shortcut works only while one of its action's widgets is shown; the window always is.
    std::vector<QAction*> actions;
    const auto take = [&actions](const QList<QAction*>& list) { actions.insert(actions.end(), list.begin(), list.end()); };
    if (QMenuBar* bar = parts_.window.menuBar())
        for (QAction* menu : bar->actions())
            if (menu->menu())
                take(menu->menu()->actions());
    for (QToolBar* bar : parts_.window.findChildren<QToolBar*>())
        take(bar->actions());
    for (QAction* action : actions)
        if (!action->shortcuts().isEmpty() && !parts_.window.actions().contains(action))
            parts_.window.addAction(action);
}

bool ViewLayout::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &parts_.client && event->type() == QEvent::Resize)
        Arrange();
    return QObject::eventFilter(watched, event);
}

void ViewLayout::Arrange()
{
    const QSize size = parts_.client.size();
    if (fullView_) {
        parts_.view.setGeometry(QRect(QPoint(0, 0), size));
    } else {
        const QSize gained(std::max(0, size.width() - firstClient_.width()),
                           std::max(0, size.height() - firstClient_.height()));
        parts_.view.setGeometry(firstView_.adjusted(0, 0, gained.width(), gained.height()));
        parts_.toolBar.resize(size.width(), parts_.toolBar.height());
        for (std::size_t i = 0; i < parts_.underView.size(); ++i) {
            QWidget* widget = parts_.underView[i];
            widget->move(firstUnderView_[i] + QPoint(0, gained.height()));
            widget->resize(firstView_.width() + gained.width() - (widget->x() - firstView_.x()), widget->height());
        }
        parts_.statusBar.setGeometry(0, firstStatusTop_ + gained.height(), size.width(), parts_.statusBar.height());
    }
    follow_.start();
}

void ViewLayout::FollowView()
{
    const TDXViewport& view = parts_.view;
    parts_.core.ResizeViewport(view.Width(), view.Height());
}
