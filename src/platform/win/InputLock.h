#pragma once

#include <QPointer>

class QWidget;

namespace win {

// Takes a window's input away and gives it back. While locked the window and its controls report
// themselves disabled, as its handlers expect, but keep their look: Qt would paint a disabled
// window grey, while the system's own disabled windows look as they did (a busy cursor tells that
// the window waits). A control disabled for a reason of its own stays grey, and the control that
// had the keyboard gets it back when the lock ends.
class InputLock {
public:
    explicit InputLock(QWidget& window);

    void Lock();
    void Unlock();

private:
    QWidget& window_;
    QPointer<QWidget> focus_;
};

// Makes the application's style one that paints locked windows as enabled; done once by the
// windows' shared look, before any window is locked.
void KeepLookWhileLocked();

} // namespace win
