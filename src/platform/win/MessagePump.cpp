#include "win/MessagePump.h"

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

// Watches the application object for quit requests: our own queued ones, and Qt's own
// (the session ending, QCoreApplication::quit).
class QuitWatcher final : public QObject {
public:
    PumpResult seen;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
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

PumpResult PumpMessages()
{
    // A quit request taken by some other processing since the last pump counts too.
    QuitWatcher& watcher = Watcher();
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    const PumpResult result = watcher.seen;
    watcher.seen = {};
    return result;
}

} // namespace win
