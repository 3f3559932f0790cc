#include "fakes/ManualClock.h"
#include "fakes/ScriptedMessageBoxes.h"
#include "dialogs/RecordListDlg.h"
#include "shell/RunProgram.h"
#include "ui_MainForm.h"
#include "win/MessagePump.h"
#include "support/WindowKeys.h"

#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

constexpr std::uint8_t kBlue = 12;
constexpr std::uint8_t kRed = 9;
constexpr std::uint8_t kWhite = 15;

// The program in a display of its own (see CMakeLists.txt), so that its window keeps the
// keyboard: shortcuts and Esc reach only the active window.
class UndoWindowTest : public ::testing::Test {
protected:
    UndoWindowTest()
    {
        clock.StepEveryReading(5);
        boxes.SetDefaultAnswer(win::IDNO); // closing asks whether to keep the changed drawing
        form.StartTimer.stop();
        form.show();
    }

    // The quit request of the closed window is taken here, and forgotten, so that the next
    // test's loop does not end at its first pass.
    ~UndoWindowTest() override
    {
        QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
        QCoreApplication::exec();
        win::PumpMessages();
    }

    Ui::TMainForm& ui() { return form.Controls(); }
    bool Activated() { return TakeKeyboard(form); }
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) { PressKey(form, key, modifiers); }
    bool FloorIsAll(std::uint8_t colour) const
    {
        const std::uint8_t* floor = form.Sheet.FloorBits();
        return std::all_of(floor, floor + kSheetBytes, [colour](std::uint8_t b) { return b == colour; });
    }
    int FloorAt(int column, int row) const { return form.Sheet.FloorBits()[row * kSheetSize + column]; }
    // From the command's start to its end; the state of the motion turns idle only after the
    // end has run, and the window handles events in between.
    bool CommandRunning() const { return form.DXAnimation.Play; }
    bool AtHome() const { return form.Turtle.X == 0.0 && form.Turtle.Y == 0.0 && form.Turtle.Heading == 0.0; }
    void ExpectButtons(bool undo, bool redo, const char* when)
    {
        EXPECT_EQ(ui().UndoBtn->isEnabled(), undo) << when;
        EXPECT_EQ(ui().UndoMenu->isEnabled(), undo) << when;
        EXPECT_EQ(ui().RedoBtn->isEnabled(), redo) << when;
        EXPECT_EQ(ui().RedoMenu->isEnabled(), redo) << when;
    }

    ManualClock clock;
    ScriptedMessageBoxes boxes;
    TMainForm form;
};

TEST_F(UndoWindowTest, CtrlZTwiceTakesBackAFillAndAMoveAndTheButtonsFollow)
{
    enum Stage { Starting, Walking, Filled, Undone, Redone } stage = Starting;
    RunProgram(form, [&] {
        if (!form.LoopRunning())
            return false;
        switch (stage) {
        case Starting:
            if (!Activated())
                return false;
            ExpectButtons(false, false, "at start");
            QTest::mouseClick(ui().ForwardBtn, Qt::LeftButton);
            stage = Walking;
            return false;
        case Walking:
            if (CommandRunning()) {
                ExpectButtons(false, false, "while the turtle walks");
                form.UndoBtnClick();
                EXPECT_TRUE(form.Walker.Busy()) << "no undo during a command";
                return false;
            }
            ExpectButtons(true, false, "after the move");
            EXPECT_EQ(FloorAt(127, 60), kBlue);
            // The fill floods the line under the turtle in another colour.
            form.Sheet.SetPenColor(kRed);
            QTest::mouseClick(ui().FillBtn, Qt::LeftButton);
            stage = Filled;
            return false;
        case Filled:
            EXPECT_EQ(FloorAt(127, 60), kRed);
            Press(Qt::Key_Z, Qt::ControlModifier);
            EXPECT_EQ(FloorAt(127, 60), kBlue) << "the fill is taken back first";
            EXPECT_NEAR(form.Turtle.Y, 100.0, 1e-9);
            ExpectButtons(true, true, "after one undo");
            Press(Qt::Key_Z, Qt::ControlModifier);
            stage = Undone;
            return false;
        case Undone:
            EXPECT_TRUE(FloorIsAll(kWhite));
            EXPECT_EQ(form.Sheet.Sheet().At(127, 60), kWhite);
            EXPECT_TRUE(AtHome());
            EXPECT_EQ(form.StatusText(3), "Y = 0");
            EXPECT_FALSE(form.Document.Modified()) << "back to what there was";
            ExpectButtons(false, true, "with everything taken back");
            Press(Qt::Key_Y, Qt::ControlModifier);
            EXPECT_NEAR(form.Turtle.Y, 100.0, 1e-9);
            EXPECT_EQ(FloorAt(127, 60), kBlue);
            Press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
            stage = Redone;
            return false;
        case Redone:
            EXPECT_EQ(FloorAt(127, 60), kRed);
            ExpectButtons(true, false, "with everything done again");
            return true;
        }
        return true;
    });
    EXPECT_EQ(stage, Redone);
}

TEST_F(UndoWindowTest, EscStopsASquareWhereTheTurtleIsAndOneUndoTakesTheWholeSquareBack)
{
    enum Stage { Starting, Walking, Stopping, Stopped, Undone } stage = Starting;
    int passesAfterEsc = 0;
    RunProgram(form, [&] {
        if (!form.LoopRunning())
            return false;
        switch (stage) {
        case Starting:
            if (!Activated())
                return false;
            QTest::mouseClick(ui().SquareBtn, Qt::LeftButton);
            stage = Walking;
            return false;
        case Walking:
            if (form.Turtle.X < 10.0) // along the second side
                return false;
            QTest::keyPress(form.windowHandle(), Qt::Key_Escape);
            stage = Stopping;
            return false;
        case Stopping:
            // A held key is read within a pass or two.
            if (CommandRunning()) {
                EXPECT_LT(++passesAfterEsc, 5);
                return passesAfterEsc >= 5;
            }
            QTest::keyRelease(form.windowHandle(), Qt::Key_Escape);
            EXPECT_TRUE(form.isEnabled());
            EXPECT_FALSE(form.DXAnimation.Play);
            EXPECT_NEAR(form.Turtle.Y, 50.0, 1e-6);
            EXPECT_GT(form.Turtle.X, 10.0);
            EXPECT_LT(form.Turtle.X, 30.0) << "the turtle stays where it got to";
            EXPECT_EQ(FloorAt(127, 100), kBlue) << "the drawing so far stays";
            EXPECT_EQ(FloorAt(127 + 40, 77), kWhite);
            stage = Stopped;
            return false;
        case Stopped:
            ExpectButtons(true, false, "after the square was stopped");
            Press(Qt::Key_Z, Qt::ControlModifier);
            stage = Undone;
            return false;
        case Undone:
            EXPECT_TRUE(FloorIsAll(kWhite));
            EXPECT_TRUE(AtHome());
            ExpectButtons(false, true, "after the undo");
            return true;
        }
        return true;
    });
    EXPECT_EQ(stage, Undone);
}

TEST_F(UndoWindowTest, F5DrawsThePageAgainAndEscPutsItBackAtOnce)
{
    enum Stage { Starting, Walking, Replaying, Stopping, Stopped } stage = Starting;
    std::vector<std::uint8_t> drawn;
    const auto pageAsDrawn = [&] { return std::equal(drawn.begin(), drawn.end(), form.Sheet.FloorBits()); };
    RunProgram(form, [&] {
        if (!form.LoopRunning())
            return false;
        switch (stage) {
        case Starting: {
            if (!Activated())
                return false;
            const QList<QAction*> edit = ui().EditMenu->actions();
            EXPECT_EQ(edit.value(edit.indexOf(ui().RedoMenu) + 1)->objectName(), "ReplayMenu");
            const QList<QAction*> tools = ui().MainToolBar->actions();
            EXPECT_EQ(tools.value(tools.indexOf(ui().RedoBtn) + 1)->objectName(), "ReplayMenu");
            QTest::mouseClick(ui().ForwardBtn, Qt::LeftButton);
            stage = Walking;
            return false;
        }
        case Walking:
            if (CommandRunning() || form.Walker.Busy())
                return false;
            drawn.assign(form.Sheet.FloorBits(), form.Sheet.FloorBits() + kSheetBytes);
            Press(Qt::Key_F5);
            EXPECT_TRUE(FloorIsAll(kWhite)) << "the page starts as its record does";
            EXPECT_TRUE(AtHome());
            EXPECT_FALSE(ui().UndoBtn->isEnabled());
            stage = Replaying;
            return false;
        case Replaying:
            if (form.Replay.Walking())
                return false;
            EXPECT_TRUE(form.Replay.Matched());
            EXPECT_TRUE(pageAsDrawn());
            EXPECT_NEAR(form.Turtle.Y, 100.0, 1e-9);
            ExpectButtons(true, false, "after the replay");
            EXPECT_TRUE(form.Document.Modified());
            Press(Qt::Key_F5);
            stage = Stopping;
            return false;
        case Stopping:
            if (form.Turtle.Y < 30.0)
                return false;
            QTest::keyPress(form.windowHandle(), Qt::Key_Escape);
            stage = Stopped;
            return false;
        case Stopped: {
            if (form.Replay.Walking())
                return false;
            QTest::keyRelease(form.windowHandle(), Qt::Key_Escape);
            EXPECT_TRUE(pageAsDrawn()) << "Esc puts the page back at once";
            EXPECT_NEAR(form.Turtle.Y, 100.0, 1e-9);
            EXPECT_FALSE(CommandRunning());
            ExpectButtons(true, false, "after a replay stopped");
            form.findChild<QAction*>("RecordListMenu")->trigger();
            const auto* list = form.findChild<RecordListDlg*>();
            EXPECT_TRUE(list && list->Text().contains("Naprzód 100\n"));
            return true;
        }
        }
        return true;
    });
    EXPECT_EQ(stage, Stopped);
}

} // namespace
