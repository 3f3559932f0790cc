#include "fakes/ManualClock.h"
#include "win/MessagePump.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

TEST(MessagePump, DispatchesPendingMessagesAndReportsNoQuit)
{
    int delivered = 0;
    QTimer::singleShot(0, [&] { ++delivered; });
    QMetaObject::invokeMethod(QCoreApplication::instance(), [&] { ++delivered; }, Qt::QueuedConnection);
    const win::PumpResult result = win::PumpMessages();
    EXPECT_EQ(delivered, 2);
    EXPECT_FALSE(result.quit);
}

TEST(MessagePump, AQuitRequestIsReportedOnceWithItsExitCode)
{
    win::PostQuitMessage(3);
    const win::PumpResult result = win::PumpMessages();
    EXPECT_TRUE(result.quit);
    EXPECT_EQ(result.exitCode, 3);
    EXPECT_FALSE(win::PumpMessages().quit);
}

TEST(MessagePump, AQuitTakenByAnotherLoopIsReportedByTheNextPump)
{
    win::PostQuitMessage(0);
    QCoreApplication::processEvents(); // a handler's own processing, between two pumps
    EXPECT_TRUE(win::PumpMessages().quit);
}

TEST(MessagePump, TheApplicationsOwnLoopEndsOnAQuitRequest)
{
    QTimer::singleShot(0, [] { win::PostQuitMessage(5); });
    QTimer failsafe;
    failsafe.setSingleShot(true);
    QObject::connect(&failsafe, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    failsafe.start(5000);
    EXPECT_EQ(QCoreApplication::exec(), 5);
    // The pump reports the request to its next caller too; a later test must not take it for its own.
    EXPECT_TRUE(win::PumpMessages().quit);
}

TEST(MessagePump, AWaitingPumpSleepsUntilAMessageAndReportsTheSleepAlone)
{
    ManualClock clock;
    QObject receiver;
    int delivered = 0;
    bool sleepTakesTime = true;
    // Time passes while the pump sleeps, until a message comes whose handling takes time too.
    QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, &receiver, [&] {
        if (!sleepTakesTime)
            return;
        clock.Advance(250);
        QMetaObject::invokeMethod(&receiver, [&] {
            ++delivered;
            clock.Advance(40);
        }, Qt::QueuedConnection);
    });
    EXPECT_EQ(win::PumpMessages(true).waited, 250u);
    EXPECT_EQ(delivered, 1);

    sleepTakesTime = false;
    QMetaObject::invokeMethod(&receiver, [&] { ++delivered; }, Qt::QueuedConnection);
    EXPECT_EQ(win::PumpMessages(true).waited, 0u) << "a pending message ends the wait at once";
    EXPECT_EQ(delivered, 2);
    EXPECT_EQ(win::PumpMessages().waited, 0u);
}

TEST(MessagePump, OnlyAMessageEndsAWait)
{
    ManualClock clock;
    // The window's update request that a shown frame leaves behind is handled before the wait.
    class Window final : public QObject {
    public:
        int updates = 0;
        bool event(QEvent* event) override
        {
            updates += event->type() == QEvent::UpdateRequest;
            return QObject::event(event);
        }
    } window;
    QCoreApplication::postEvent(&window, new QEvent(QEvent::UpdateRequest));
    QObject receiver;
    int sleeps = 0;
    int delivered = 0;
    QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, &receiver, [&] {
        clock.Advance(100);
        if (++sleeps == 1) // the display's own traffic wakes the loop with nothing for the program
            QAbstractEventDispatcher::instance()->wakeUp();
        else if (sleeps == 2)
            QMetaObject::invokeMethod(&receiver, [&] { ++delivered; }, Qt::QueuedConnection);
    });
    EXPECT_EQ(win::PumpMessages(true).waited, 200u);
    EXPECT_EQ(sleeps, 2);
    EXPECT_EQ(delivered, 1);
    EXPECT_EQ(window.updates, 1);
}

} // namespace
