#include "fakes/ManualClock.h"
#include "fakes/ScriptedMessageBoxes.h"
#include "shell/RunProgram.h"
#include "win/MessagePump.h"
#include "support/WindowKeys.h"

#include <QDockWidget>
#include <QPlainTextEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The program in a display of its own, so that its window keeps the keyboard.
class ProgramWindowTest : public ::testing::Test {
protected:
    ProgramWindowTest()
    {
        clock.StepEveryReading(5);
        boxes.SetDefaultAnswer(win::IDNO);
        form.StartTimer.stop();
        form.show();
    }
    ~ProgramWindowTest() override
    {
        QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
        QCoreApplication::exec();
        win::PumpMessages();
    }

    bool Activated() { return TakeKeyboard(form); }
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) { PressKey(form, key, modifiers); }
    QPlainTextEdit* Text() { return form.findChild<QPlainTextEdit*>(QStringLiteral("ProgramText")); }
    // The text typed key by key into the pane, which has the keyboard; letters without Polish
    // marks, as a keyboard without them types.
    void Type(const QString& text)
    {
        Text()->setFocus();
        Text()->selectAll();
        Press(Qt::Key_Delete);
        const QStringList lines = text.split(u'\n');
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (i > 0)
                QTest::keyClick(Text(), Qt::Key_Return);
            QTest::keyClicks(Text(), lines[i]);
        }
    }
    QString Status() const { return form.StatusText(0); }
    const DrawingRecord& Record() const { return form.Document.Pages().RecordOf(form.Document.Pages().CurrentPage()); }

    ManualClock clock;
    ScriptedMessageBoxes boxes;
    TMainForm form;
};

TEST_F(ProgramWindowTest, TypedProgramRunsWithF9StepsWithF8AndStopsWithEsc)
{
    enum Stage { Starting, Mistaken, Running, Stepping, Stepped, Walking, Stopping, Done } stage = Starting;
    int passes = 0;
    RunProgram(form, [&] {
        if (!form.LoopRunning())
            return false;
        switch (stage) {
        case Starting:
            if (!Activated())
                return false;
            Press(Qt::Key_T, Qt::ControlModifier);
            EXPECT_TRUE(form.findChild<QDockWidget*>(QStringLiteral("ProgramPane"))->isVisible());
            EXPECT_TRUE(Text()->hasFocus()) << "opened by the child, the text takes the keys";
            // Letters typed in the pane are text, not the panel's command keys.
            Type(QStringLiteral("naprzud 50"));
            EXPECT_EQ(Text()->toPlainText(), QStringLiteral("naprzud 50"));
            EXPECT_FALSE(form.Walker.Busy());
            Press(Qt::Key_F9);
            stage = Mistaken;
            return false;
        case Mistaken:
            EXPECT_FALSE(form.Walker.Busy()) << "nothing runs while the text has a mistake";
            EXPECT_EQ(Record().Size(), 1u);
            EXPECT_TRUE(Status().contains(QStringLiteral("„naprzud”"))) << Status().toStdString();
            EXPECT_TRUE(Status().contains(QStringLiteral("„naprzód”"))) << Status().toStdString();
            form.Loop.Speed().SetPace(TurtlePace::Instant);
            Type(QStringLiteral("powtorz 4 [np 50 pw 90]"));
            Press(Qt::Key_F9);
            stage = Running;
            return false;
        case Running:
            if (form.Walker.Busy())
                return false;
            EXPECT_NEAR(form.Turtle.X, 0.0, 1e-9);
            EXPECT_NEAR(form.Turtle.Y, 0.0, 1e-9);
            EXPECT_TRUE(form.StatusText(4).contains(QStringLiteral("360.0"))) << form.StatusText(4).toStdString();
            if (Text()->toPlainText() != QStringLiteral("powtórz 4 [naprzód 50 prawo 90]\n"))
                return ++passes > 1000;
            Type(QStringLiteral("np 30\npw 90\nnp 20"));
            Press(Qt::Key_F8);
            stage = Stepping;
            return false;
        case Stepping:
            if (form.Walker.Busy())
                return false;
            // The first step walked from the page's start, the rest of the text still there.
            EXPECT_NEAR(form.Turtle.Y, 30.0, 1e-9);
            EXPECT_NEAR(form.Turtle.X, 0.0, 1e-9);
            EXPECT_EQ(Text()->toPlainText(), QStringLiteral("np 30\npw 90\nnp 20"));
            Press(Qt::Key_F8);
            stage = Stepped;
            return false;
        case Stepped:
            if (form.Walker.Busy())
                return false;
            EXPECT_EQ(Record().Size(), 3u);
            form.Loop.Speed().SetPace(TurtlePace::Slow);
            Type(QStringLiteral("np 100"));
            Press(Qt::Key_F9);
            stage = Walking;
            return false;
        case Walking:
            if (form.Turtle.Y < 10.0)
                return false;
            QTest::keyPress(form.windowHandle(), Qt::Key_Escape);
            stage = Stopping;
            return false;
        case Stopping:
            if (form.Walker.Busy())
                return ++passes > 100000;
            QTest::keyRelease(form.windowHandle(), Qt::Key_Escape);
            EXPECT_LT(form.Turtle.Y, 100.0) << "the walk stopped where it got to";
            EXPECT_EQ(Record().Size(), 2u);
            EXPECT_NE(Record().HeadAt(Record().Size() - 1).StoppedAfter, 0u);
            stage = Done;
            return true;
        case Done: return true;
        }
        return true;
    });
    EXPECT_EQ(stage, Done);
}

} // namespace
