#include "fakes/ManualClock.h"
#include "fakes/ScriptedMessageBoxes.h"
#include "shell/Application.h"
#include "shell/MainForm.h"
#include "shell/OwnCommandDlg.h"
#include "shell/PanelKeyboard.h"
#include "shell/PanelLock.h"
#include "shell/SpokenNotice.h"
#include "ui_MainForm.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QSlider>
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
        // On a display of its own, where the window alone takes the keyboard.
        form.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
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

// How the keyboard goes with the mouse: Tab alone brings it into a track bar, which then keeps
// its arrows; a click on a track bar, a command button or the view leaves the command keys to the
// panel, and ↑ walks the turtle.
struct PanelKeyboardCase {
    const char* name;
    void (*act)(Ui::TMainForm& ui);
    // The track bar that has the keys afterwards, or none: the panel's keys walk.
    QSlider* Ui::TMainForm::*keeps;
};

class PanelKeyboardTest : public CommandLockTest, public ::testing::WithParamInterface<PanelKeyboardCase> {};

const PanelKeyboardCase kPanelKeyboardCases[] = {
    {"a_clicked_track_bar", [](Ui::TMainForm& ui) { QTest::mouseClick(ui.ForwardTrack, Qt::LeftButton, {}, QPoint(8, ui.ForwardTrack->height() / 2)); },
     nullptr},
    {"a_tabbed_track_bar", [](Ui::TMainForm& ui) { ui.SquareTrack->setFocus(Qt::TabFocusReason); }, &Ui::TMainForm::SquareTrack},
    {"a_tabbed_track_bar_then_another_clicked",
     [](Ui::TMainForm& ui) {
         ui.SquareTrack->setFocus(Qt::TabFocusReason);
         QTest::mouseClick(ui.CircleTrack, Qt::LeftButton, {}, QPoint(8, ui.CircleTrack->height() / 2));
     },
     nullptr},
    {"a_tabbed_track_bar_then_a_command_button_clicked",
     [](Ui::TMainForm& ui) {
         ui.SquareTrack->setFocus(Qt::TabFocusReason);
         QTest::mouseClick(ui.HomeBtn, Qt::LeftButton);
     },
     nullptr},
    {"a_tabbed_track_bar_then_the_view_clicked",
     [](Ui::TMainForm& ui) {
         ui.SquareTrack->setFocus(Qt::TabFocusReason);
         QTest::mouseClick(ui.DXViewport->window()->childAt(ui.DXViewport->mapTo(ui.DXViewport->window(), ui.DXViewport->rect().center())),
                           Qt::LeftButton);
     },
     nullptr},
};

TEST_P(PanelKeyboardTest, OnlyTabBringsTheKeysIntoATrackBar)
{
    for (QSlider* track : {ui().ForwardTrack, ui().SquareTrack, ui().CircleTrack})
        track->setValue(6);
    GetParam().act(ui());
    QSlider* keeps = GetParam().keeps ? ui().*GetParam().keeps : nullptr;
    if (keeps)
        EXPECT_EQ(QApplication::focusWidget(), keeps);
    else
        EXPECT_FALSE(TakesPlainKeys(QApplication::focusWidget())) << "the panel has the keys";
    form.Walker.SetDriven(true);
    const double y = form.Turtle.Y;
    const std::vector<int> values = {ui().ForwardTrack->value(), ui().SquareTrack->value(), ui().CircleTrack->value()};
    QTest::keyClick(form.windowHandle(), Qt::Key_Home);
    QTest::keyClick(form.windowHandle(), Qt::Key_Up);
    if (keeps) {
        EXPECT_FALSE(form.Walker.Busy());
        EXPECT_EQ(keeps->value(), keeps->minimum() + 1) << "Home, then one up";
    } else {
        EXPECT_TRUE(form.Walker.Busy()) << "the arrow walks the turtle";
        WalkToTheEnd();
        EXPECT_GT(form.Turtle.Y, y);
        EXPECT_EQ(values, std::vector<int>({ui().ForwardTrack->value(), ui().SquareTrack->value(), ui().CircleTrack->value()}))
            << "Home went to the turtle, not to a track bar";
    }
}

INSTANTIATE_TEST_SUITE_P(Keyboard, PanelKeyboardTest, ::testing::ValuesIn(kPanelKeyboardCases),
                         [](const auto& instance) { return std::string(instance.param.name); });

// The teaching bar and the own commands' row are framed as the panel is, and the new command's
// pictures are one choice the arrows move and Enter takes.
TEST_F(CommandLockTest, TheTeachingControlsAreFramedAndThePicturesFollowTheArrows)
{
    form.Teach.Begin();
    auto* done = form.findChild<QPushButton*>(QStringLiteral("TeachDoneBtn"));
    ASSERT_NE(done, nullptr);
    done->setFocus(Qt::TabFocusReason);
    const auto* frame = ui().ClientArea->findChild<QWidget*>(QStringLiteral("FocusFrame"));
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(frame->isVisible());
    EXPECT_TRUE(frame->geometry().contains(QRect(done->mapTo(ui().ClientArea, QPoint(0, 0)), done->size())));
    EXPECT_EQ(form.findChild<QSlider*>(QStringLiteral("OwnCommandTrack1"))->focusPolicy(), Qt::TabFocus);
    form.Teach.Cancel();

    OwnCommandDlg dialog(&form, [](const QString&) { return QString(); });
    dialog.SetName(QStringLiteral("Bok"));
    std::vector<int> chosen;
    QTimer::singleShot(0, &dialog, [&] {
        // Modal, as the window shows it: the main window's command keys are out of reach.
        auto* first = dialog.findChild<QToolButton*>(QStringLiteral("OwnPicture0"));
        first->setFocus(Qt::TabFocusReason);
        for (const Qt::Key key : {Qt::Key_Right, Qt::Key_Down, Qt::Key_Left}) {
            QTest::keyClick(dialog.focusWidget(), key);
            chosen.push_back(dialog.Picture());
        }
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Return);
    });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_EQ(chosen, std::vector<int>({1, 7, 6}));
    EXPECT_EQ(dialog.Picture(), 6);
}

} // namespace
