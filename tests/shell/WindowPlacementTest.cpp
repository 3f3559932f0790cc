#include "shell/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(WindowPlacement, CentresOnTheAnchorAndShiftsIntoTheArea)
{
    const QRect area(0, 0, 1280, 1000);
    const struct {
        QSize frame;
        QRect anchor;
        QRect expected;
    } cases[] = {
        {{200, 100}, {100, 100, 600, 400}, {300, 250, 200, 100}},  // fits: centred
        {{560, 520}, {700, 600, 560, 400}, {700, 480, 560, 520}},  // would hang below the area
        {{560, 520}, {-300, -200, 400, 300}, {0, 0, 560, 520}},    // would hang off the top left
        {{1500, 1200}, {0, 0, 1280, 1000}, {0, 0, 1500, 1200}},   // too large: title bar inside
    };
    for (const auto& c : cases)
        EXPECT_EQ(PlaceWithin(c.frame, c.anchor, area), c.expected) << c.anchor.x() << "," << c.anchor.y();
    EXPECT_EQ(PlaceWithin({100, 100}, {0, 0, 100, 100}, {50, 30, 1000, 800}), QRect(50, 30, 100, 100))
        << "an area that does not start at the origin";
}

TEST(WindowPlacement, EveryShownWindowLandsOnTheScreenAroundTheMainWindow)
{
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    QWidget main;
    main.resize(400, 300);
    const WindowPlacement placement(main);
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    EXPECT_LE((main.frameGeometry().center() - available.center()).manhattanLength(), 2);

    // Moved by the user to the bottom right corner: a tall window opened now must still fit.
    main.move(available.right() - 420, available.bottom() - 320);
    QTest::qWait(50);
    auto help = std::make_unique<QWidget>(&main, Qt::Window);
    help->resize(560, 520);
    help->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(help.get()));
    EXPECT_TRUE(available.contains(help->frameGeometry())) << help->frameGeometry().y();

    // Back in the middle, a window opened again is centred on it.
    help->hide();
    main.move(available.center() - QPoint(200, 150));
    QTest::qWait(50);
    help->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(help.get()));
    EXPECT_LE((help->frameGeometry().center() - main.frameGeometry().center()).manhattanLength(), 2);

    // A window the program placed itself stays there.
    QWidget bar(nullptr, Qt::Tool | Qt::FramelessWindowHint);
    bar.resize(300, 18);
    bar.move(available.topLeft() + QPoint(10, 20));
    bar.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&bar));
    EXPECT_EQ(bar.pos(), available.topLeft() + QPoint(10, 20));
}

} // namespace
