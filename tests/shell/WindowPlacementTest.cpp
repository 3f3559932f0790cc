#include "shell/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

TEST(WindowPlacement, CentresOnTheAnchorAndShiftsIntoTheArea)
{
    const struct {
        QSize frame;
        QRect anchor;
        QRect expected;
    } cases[] = {
        {{200, 100}, {100, 100, 600, 400}, {300, 250, 200, 100}}, // fits: centred
        {{560, 520}, {700, 600, 560, 400}, {700, 480, 560, 520}}, // would hang below the area
        {{560, 520}, {-300, -200, 400, 300}, {0, 0, 560, 520}},   // would hang off the top left
        {{1500, 1200}, {0, 0, 1280, 1000}, {0, 0, 1500, 1200}},   // too large: title bar inside
    };
    for (const auto& c : cases)
        EXPECT_EQ(PlaceWithin(c.frame, c.anchor, {0, 0, 1280, 1000}), c.expected) << c.anchor.x();
}

// A main window of 400 × 300 shown under the placement's care.
class PlacedMainWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        main.resize(400, 300);
        main.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    }

    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    QWidget main;
    const WindowPlacement placement{main};
};

TEST_F(PlacedMainWindow, AWindowOpenedBesideAMainWindowInTheCornerStaysOnTheScreen)
{
    EXPECT_LE((main.frameGeometry().center() - available.center()).manhattanLength(), 2);

    main.move(available.right() - 420, available.bottom() - 320);
    QWidget help(&main, Qt::Window);
    help.resize(560, 520);
    help.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&help));
    EXPECT_TRUE(available.contains(help.frameGeometry())) << help.frameGeometry().y();
    EXPECT_EQ(help.frameGeometry().right(), main.frameGeometry().left() - 1) << "beside it, where there is room";
}

TEST(WindowPlacement, AWindowLeftOpenGoesBesideTheAnchorOnTheSideWithMoreRoom)
{
    const QRect available(0, 0, 1280, 1000);
    const struct {
        const char* name;
        QSize frame;
        QRect anchor;
        QRect expected;
    } cases[] = {
        {"room on the right", {400, 500}, {100, 100, 600, 400}, {700, 100, 400, 500}},
        {"room on the left", {400, 500}, {700, 100, 500, 400}, {300, 100, 400, 500}},
        {"too little room either side: kept on the screen", {560, 520}, {300, 100, 700, 400}, {0, 100, 560, 520}},
        {"taller than the room below: lifted", {400, 900}, {100, 300, 600, 400}, {700, 100, 400, 900}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PlaceBeside(c.frame, c.anchor, available), c.expected) << c.name;
}

TEST_F(PlacedMainWindow, AWindowShownAgainIsCentredAgainUnlessTheProgramMovedIt)
{
    const WId mainWindow = main.winId();

    QWidget dialog(&main, Qt::Window);
    dialog.setWindowModality(Qt::ApplicationModal); // a window left open would go beside it
    dialog.resize(200, 100);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    dialog.hide();
    main.move(available.topLeft());
    dialog.show();
    EXPECT_LE((dialog.frameGeometry().center() - main.frameGeometry().center()).manhattanLength(), 4)
        << "centred on where the main window is now";

    dialog.hide();
    const QPoint chosen = available.topLeft() + QPoint(30, 40);
    dialog.move(chosen);
    dialog.show();
    EXPECT_EQ(dialog.pos(), chosen) << "a place the program chose is kept";
    EXPECT_EQ(main.winId(), mainWindow);
}

} // namespace
