#include "fakes/ManualClock.h"
#include "fakes/ScriptedMessageBoxes.h"
#include "shell/Application.h"
#include "shell/MainForm.h"
#include "shell/PanelLock.h"
#include "shell/SpokenNotice.h"
#include "ui_MainForm.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <vector>

namespace {

// The real windows, with the workspace prepared as start-up leaves it; a command is started and
// carried to its end by hand, as the main loop would.
class CommandLockTest : public ::testing::Test {
protected:
    CommandLockTest()
    {
        form.StartTimer.stop();
        windows.ShowMainWindow();
        form.ResetWorkspace();
        form.Sheet.UpdateFloor();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
    }

    ~CommandLockTest() override
    {
        // A close posts a quit request; the application's own loop takes it here.
        QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
        QCoreApplication::exec();
    }

    Ui::TMainForm& ui() { return form.Controls(); }

    void StartForward()
    {
        // Walked on by the test instead of the main loop.
        form.Walker.SetDriven(true);
        ASSERT_TRUE(form.Document.Do(EntryOf(RecordOp::Forward, 100)));
    }

    void WalkToTheEnd()
    {
        while (form.Walker.Busy())
            form.Walker.Walk(1000);
    }

    // What the panel, the menu bar and the status bar show, left of the 3D view.
    std::vector<QImage> Look()
    {
        return {form.ClientArea()->grab(QRect(0, 0, ui().DXViewport->x(), ui().MainStatusBar->y())).toImage(),
                ui().MainMenu->grab().toImage(), ui().MainStatusBar->grab().toImage()};
    }

    // Standing still, so that every call walks exactly the turtle time it is given.
    ManualClock clock;
    ScriptedMessageBoxes boxes;
    ApplicationWindows windows;
    TMainForm& form = *MainForm;
};

TEST_F(CommandLockTest, WhileTheTurtleWalksThePanelLooksLockedNamesEscAndACloseStopsTheWalkFirst)
{
    QCursor::setPos(form.frameGeometry().bottomRight() + QPoint(40, 40));
    QTest::qWait(50);
    const std::vector<QImage> before = Look();
    auto* veil = form.findChild<SpokenNotice*>(QStringLiteral("PanelVeil"));
    ASSERT_NE(veil, nullptr);
    EXPECT_FALSE(veil->isVisible());

    StartForward();
    EXPECT_TRUE(veil->isVisible());
    EXPECT_EQ(veil->Text(), PanelLock::CommandHint());
    EXPECT_TRUE(ui().ForwardBtn->isEnabled()) << "locked as one, not control by control";
    EXPECT_NE(Look()[0], before[0]) << "the panel looks locked";

    // A click or a key for another command while the turtle walks changes nothing.
    const double heading = form.Turtle.Heading;
    QTest::mouseClick(ui().RightBtn, Qt::LeftButton);
    QTest::keyClick(form.windowHandle(), Qt::Key_Right);
    QTest::keyClick(form.windowHandle(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(form.Walker.Busy());
    EXPECT_EQ(form.Turtle.Heading, heading);

    form.Walker.Walk(1000);
    const double stoppedAt = form.Turtle.Y;
    boxes.Then(win::IDCANCEL);
    EXPECT_FALSE(form.close());
    EXPECT_EQ(boxes.Shown().size(), 1u) << "the usual question, once the turtle stopped";
    EXPECT_FALSE(form.Walker.Busy());
    EXPECT_EQ(form.Turtle.Y, stoppedAt);
    EXPECT_FALSE(veil->isVisible());

    boxes.Then(win::IDNO);
    EXPECT_TRUE(form.close());
    EXPECT_EQ(boxes.Shown().size(), 2u);
}

TEST_F(CommandLockTest, AReplayTurnsThePlayButtonIntoAStopButtonForItsLength)
{
    QAction* play = form.findChild<QAction*>(QStringLiteral("ReplayMenu"));
    QAction* stop = form.findChild<QAction*>(QStringLiteral("StopMenu"));
    ASSERT_TRUE(play && stop);
    auto* stopButton = ui().MainToolBar->widgetForAction(stop);
    EXPECT_TRUE(play->isVisible());
    EXPECT_FALSE(stop->isVisible());

    StartForward(); // a page with a record to replay
    form.Walker.Walk(100000);
    form.Replay.Play();
    EXPECT_FALSE(play->isVisible());
    ASSERT_TRUE(stop->isVisible());
    EXPECT_EQ(form.findChild<SpokenNotice*>(QStringLiteral("PanelVeil"))->Text(), PanelLock::ReplayHint());
    EXPECT_TRUE(stopButton->isVisible());
    EXPECT_EQ(form.ClientArea()->childAt(stopButton->mapTo(form.ClientArea(), stopButton->rect().center())),
              stopButton)
        << "the veil leaves the stop button free";

    form.Walker.Walk(100000);
    EXPECT_TRUE(play->isVisible());
    EXPECT_FALSE(stop->isVisible());
}

TEST_F(CommandLockTest, AClickedTrackBarTakesTheArrowKeys)
{
    QSlider* const tracks[] = {ui().ForwardTrack, ui().BackwardTrack, ui().RightTrack,
                               ui().LeftTrack,    ui().CircleTrack,   ui().SquareTrack};
    for (QSlider* track : tracks)
        track->setValue(10); // room to go either way
    for (QSlider* track : tracks) {
        SCOPED_TRACE(track->objectName().toStdString());
        QTest::mouseClick(track, Qt::LeftButton, {}, QPoint(8, track->height() / 2));
        ASSERT_EQ(form.focusWidget(), track);
        std::vector<int> values;
        for (QSlider* other : tracks)
            values.push_back(other->value());
        QTest::keyClick(form.focusWidget(), Qt::Key_Right);
        for (std::size_t i = 0; i < std::size(tracks); ++i)
            EXPECT_EQ(tracks[i]->value(), values[i] + (tracks[i] == track ? 1 : 0)) << i;
    }
    // A command takes the keyboard from the window and gives it back to the same track bar.
    StartForward();
    WalkToTheEnd();
    EXPECT_EQ(form.focusWidget(), ui().SquareTrack);
}

} // namespace
