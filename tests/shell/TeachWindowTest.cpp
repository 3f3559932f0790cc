#include "fakes/ManualClock.h"
#include "fakes/ScriptedMessageBoxes.h"
#include "shell/OwnCommandDlg.h"
#include "shell/RunProgram.h"
#include "shell/TeachBar.h"
#include "ui_MainForm.h"
#include "win/MessagePump.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <cmath>

namespace {

// The program in a display of its own, so that its window keeps the keyboard.
class TeachWindowTest : public ::testing::Test {
protected:
    TeachWindowTest()
    {
        clock.StepEveryReading(5);
        boxes.SetDefaultAnswer(win::IDNO);
        form.StartTimer.stop();
        form.show();
        form.Teach.Commands().Replace({});
    }
    ~TeachWindowTest() override
    {
        QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
        QCoreApplication::exec();
        win::PumpMessages();
    }

    bool Activated()
    {
        if (!form.isActiveWindow())
            form.activateWindow();
        return form.isActiveWindow();
    }
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(form.windowHandle(), key, modifiers);
    }
    template <class T>
    T* Child(const char* name)
    {
        return form.findChild<T*>(QString::fromLatin1(name));
    }
    // The name dialog, answered once it is open: each name in turn until one is taken.
    void AnswerNameDialog(QStringList names)
    {
        QTimer::singleShot(0, [names] {
            auto* dialog = qobject_cast<OwnCommandDlg*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            for (const QString& name : names) {
                dialog->findChild<QLineEdit*>(QStringLiteral("OwnNameEdit"))->setText(name);
                dialog->accept();
            }
        });
    }
    QString LastBox() const { return boxes.Shown().empty() ? QString() : boxes.Shown().back().text; }

    ManualClock clock;
    ScriptedMessageBoxes boxes;
    TMainForm form;
};

TEST_F(TeachWindowTest, TeachingBokByShowingThenKeyOneRunsItAsOneStep)
{
    enum Stage { Starting, Forward, Turn, Taught, Running, Ran } stage = Starting;
    const double quarter = std::acos(0.0);
    RunProgram(form, [&] {
        if (!form.LoopRunning() || form.Walker.Busy())
            return false;
        auto* bar = Child<TeachBar>("TeachBar");
        auto* button = Child<QToolButton>("OwnCommandBtn1");
        switch (stage) {
        case Starting:
            if (!Activated())
                return false;
            EXPECT_FALSE(button->isVisible());
            Press(Qt::Key_N);
            EXPECT_TRUE(bar->isVisible());
            EXPECT_EQ(bar->Text(), QStringLiteral("Uczę żółwia: 0 poleceń"));
            QTest::mouseClick(Child<QPushButton>("TeachDoneBtn"), Qt::LeftButton);
            EXPECT_TRUE(LastBox().contains(QStringLiteral("żadnego polecenia"))) << LastBox().toStdString();
            EXPECT_TRUE(bar->isVisible()) << "teaching goes on";
            EXPECT_FALSE(form.close()) << "answered: not now";
            EXPECT_TRUE(LastBox().contains(QStringLiteral("Żółw jeszcze się uczy"))) << LastBox().toStdString();
            EXPECT_TRUE(bar->isVisible());
            Press(Qt::Key_Up);
            stage = Forward;
            return false;
        case Forward:
            EXPECT_EQ(bar->Text(), QStringLiteral("Uczę żółwia: 1 polecenie"));
            Press(Qt::Key_Right);
            stage = Turn;
            return false;
        case Turn: {
            EXPECT_EQ(bar->Text(), QStringLiteral("Uczę żółwia: 2 polecenia"));
            const std::size_t boxesBefore = boxes.Shown().size();
            AnswerNameDialog({QStringLiteral("Naprzód"), QStringLiteral("Bok")});
            QTest::mouseClick(Child<QPushButton>("TeachDoneBtn"), Qt::LeftButton);
            EXPECT_EQ(boxes.Shown().size(), boxesBefore + 1);
            EXPECT_TRUE(LastBox().contains(QStringLiteral("przycisk żółwia"))) << LastBox().toStdString();
            EXPECT_FALSE(bar->isVisible());
            stage = Taught;
            return false;
        }
        case Taught:
            form.Loop.Speed().SetPace(TurtlePace::Fast);
            EXPECT_TRUE(button->isVisible());
            EXPECT_EQ(button->text(), QStringLiteral("Bok")) << "the name under the picture";
            EXPECT_EQ(button->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
            EXPECT_EQ(button->accessibleName(), QStringLiteral("Moje polecenie Bok, 1 raz"));
            Child<QSlider>("OwnCommandTrack1")->setValue(4);
            EXPECT_EQ(button->accessibleName(), QStringLiteral("Moje polecenie Bok, 4 razy"));
            EXPECT_TRUE(button->toolTip().contains(QStringLiteral("Naprzód 100, W prawo 90")));
            Press(Qt::Key_1);
            stage = Running;
            return false;
        case Running:
            // Four sides of a square, back where it began and a whole turn further.
            EXPECT_NEAR(form.Turtle.X, 0.0, 1e-9);
            EXPECT_NEAR(form.Turtle.Y, 100.0, 1e-9);
            EXPECT_NEAR(form.Turtle.Heading, 5 * quarter, 1e-9);
            Press(Qt::Key_Z, Qt::ControlModifier);
            EXPECT_NEAR(form.Turtle.Heading, quarter, 1e-9) << "one step took the whole run back";
            EXPECT_TRUE(form.Document.CanUndo()) << "the taught steps stay";
            // The command run last is renamed from the Edit menu, with a button that says so.
            QTimer::singleShot(0, [] {
                auto* dialog = qobject_cast<OwnCommandDlg*>(QApplication::activeModalWidget());
                ASSERT_NE(dialog, nullptr);
                EXPECT_EQ(dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->text(),
                          QStringLiteral("Zmień nazwę"));
                dialog->findChild<QLineEdit*>(QStringLiteral("OwnNameEdit"))->setText(QStringLiteral("Ramka"));
                dialog->accept();
            });
            form.findChild<QAction*>(QStringLiteral("ChosenCommand0"))->trigger();
            EXPECT_EQ(button->text(), QStringLiteral("Ramka"));
            stage = Ran;
            return true;
        case Ran: return true;
        }
        return true;
    });
    EXPECT_EQ(stage, Ran);
}

} // namespace
