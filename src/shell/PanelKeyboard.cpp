#include "shell/PanelKeyboard.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QTextEdit>

#include <algorithm>

PanelKeyboard::PanelKeyboard(QWidget& window, const std::vector<QWidget*>& tabOrder,
                             const std::vector<CommandKey>& keys)
    : QObject(&window), window_(window)
{
    for (QWidget* widget : tabOrder) {
        // A track bar dragged with the mouse would keep the arrows and Home from the turtle.
        widget->setFocusPolicy(Qt::TabFocus);
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            buttons_.push_back(button);
    }
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder[i - 1], tabOrder[i]);

    for (const CommandKey& command : keys) {
        auto* shortcut = new QShortcut(command.key, &window); // the window owns it
        shortcut->setContext(Qt::WindowShortcut);
        // Only what a click could do: a disabled button stays silent. Full view hides the panel
        // but keeps its keys.
        connect(shortcut, &QShortcut::activated, command.button, [button = command.button] {
            if (button->isEnabled())
                button->click();
        });
        shortcuts_.push_back(shortcut);
    }
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { FollowFocus(now); });
    qApp->installEventFilter(this);
}

bool PanelKeyboard::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress && watched->isWidgetType()) {
        TakeKeysOnPress(static_cast<QWidget*>(watched));
    } else if (event->type() == QEvent::Hide && !event->spontaneous() && watched == window_.focusWidget()
               && TakesPlainKeys(window_.focusWidget())) {
        // Full view hides the panel: its track bar must not keep the keys out of sight.
        window_.setFocus(Qt::OtherFocusReason);
    } else if (event->type() == QEvent::KeyPress && std::ranges::find(buttons_, watched) != buttons_.end()) {
        // Space presses a button by itself; Enter does the same here.
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            auto* button = static_cast<QAbstractButton*>(watched);
            if (button->isEnabled())
                button->click();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void PanelKeyboard::TakeKeysOnPress(QWidget* pressed)
{
    QWidget* focus = window_.focusWidget();
    if (!focus || pressed->window() != &window_ || !TakesPlainKeys(focus)
        || focus == pressed || focus->isAncestorOf(pressed))
        return;
    // The pressed button takes the keyboard, unframed, so that Tab goes on from there.
    if (auto* button = qobject_cast<QAbstractButton*>(pressed); button && (button->focusPolicy() & Qt::TabFocus))
        button->setFocus(Qt::MouseFocusReason);
    else
        window_.setFocus(Qt::MouseFocusReason);
}

void PanelKeyboard::FollowFocus(QWidget* focus)
{
    if (focus && focus->window() != &window_)
        return;
    const bool on = !TakesPlainKeys(focus);
    for (QShortcut* shortcut : shortcuts_)
        shortcut->setEnabled(on);
}

bool TakesPlainKeys(const QWidget* widget)
{
    return qobject_cast<const QAbstractSlider*>(widget) || qobject_cast<const QLineEdit*>(widget)
           || qobject_cast<const QAbstractSpinBox*>(widget) || qobject_cast<const QTextEdit*>(widget)
           || qobject_cast<const QPlainTextEdit*>(widget);
}
