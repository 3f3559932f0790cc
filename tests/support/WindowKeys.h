#pragma once

#include <QTest>
#include <QWidget>
#include <QWindow>

// Keys given to a window as a child gives them. The window takes the keyboard back first: a
// progress window had it, and with no window manager nobody hands it back.
inline bool TakeKeyboard(QWidget& window)
{
    if (!window.isActiveWindow())
        window.activateWindow();
    return window.isActiveWindow();
}

inline void PressKey(QWidget& window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(window.windowHandle(), key, modifiers);
}
