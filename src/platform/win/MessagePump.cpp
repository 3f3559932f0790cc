#include "win/MessagePump.h"

#include "win/TickClock.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

namespace win {

namespace {

const QEvent::Type kQuitMessage = static_cast<QEvent::Type>(QEvent::registerEventType());

class QuitMessageEvent final : public QEvent {
public:
    explicit QuitMessageEvent(int code) : QEvent(kQuitMessage), exitCode(code) {}
    const int exitCode;
};

// Watches the application for quit requests: our own queued ones, and Qt's own (the session
// ending, QCoreApplication::quit). While a pump waits, it also notes when the first message
// comes, which ends the wait.
class QuitWatcher final : public QObject {
public:
    PumpResult seen;

    void BeginWait()
    {
        waiting_ = true;
        woke_ = false;
    }
    bool Woke() const { return woke_; }
    // The tick at which the first message came, or now when none went through the application.
    std::uint32_t EndWait()
    {
        waiting_ = false;
        return woke_ ? wokeAt_ : GetTickCount();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (waiting_) {
            waiting_ = false;
            woke_ = true;
            wokeAt_ = GetTickCount();
        }
        if (watched != QCoreApplication::instance())
            return false;
        if (event->type() == kQuitMessage) {
            const int code = static_cast<QuitMessageEvent*>(event)->exitCode;
            seen = {true, code};
            QCoreApplication::exit(code);
            return true;
        }
        if (event->type() == QEvent::Quit)
            seen = {true, 0};
        return false;
    }

private:
    bool waiting_ = false;
    bool woke_ = false;
    std::uint32_t wokeAt_ = 0;
};

QuitWatcher& Watcher()
{
    static QuitWatcher* watcher = [] {
        auto* w = new QuitWatcher;
        w->setParent(QCoreApplication::instance());
        QCoreApplication::instance()->installEventFilter(w);
        return w;
    }();
    return *watcher;
}

} // namespace

void PostQuitMessage(int exitCode)
{
    Watcher();
    QCoreApplication::postEvent(QCoreApplication::instance(), new QuitMessageEvent(exitCode));
}

PumpResult PumpMessages(bool waitForMessage)
{
    // A quit request taken by some other processing since the last pump counts too.
    QuitWatcher& watcher = Watcher();
    std::uint32_t waited = 0;
    if (waitForMessage) {
        // Returns at once when something is pending; otherwise sleeps until a message comes
        // and handles it.
        // A frame just shown leaves Qt's own update request for the window behind: it belongs to
        // that frame, and is no message.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
        const std::uint32_t start = GetTickCount();
        watcher.BeginWait();
        // The display's own traffic (a shown frame's completion) wakes Qt's loop with nothing for
        // the program; only a message ends the wait.
        do
            QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
        while (!watcher.Woke());
        waited = watcher.EndWait() - start;
    }
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    PumpResult result = watcher.seen;
    result.waited = waited;
    watcher.seen = {};
    return result;
}

} // namespace win
