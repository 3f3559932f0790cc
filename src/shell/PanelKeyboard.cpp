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

PanelKeyboard::PanelKeyboard(QWidget& window, const std::vector<QWidget*>& tabOrder,
                             const std::vector<CommandKey>& keys)
    : QObject(&window), window_(window)
{
    for (QWidget* widget : tabOrder) {
        // A button clicked with the mouse leaves the keyboard where it was (in a track bar, say).
        const bool button = qobject_cast<QAbstractButton*>(widget) != nullptr;
        widget->setFocusPolicy(button ? Qt::TabFocus : Qt::StrongFocus);
        if (button)
            widget->installEventFilter(this);
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
}

bool PanelKeyboard::eventFilter(QObject* watched, QEvent* event)
{
    // Space presses a button by itself; Enter does the same here.
    if (event->type() == QEvent::KeyPress) {
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
