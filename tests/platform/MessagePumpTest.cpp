#include "win/MessagePump.h"

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

} // namespace
