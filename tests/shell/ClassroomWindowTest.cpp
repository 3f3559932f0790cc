#include "fakes/ManualClock.h"
#include "fakes/ScriptedMessageBoxes.h"
#include "shell/MainForm.h"
#include "shell/RunProgram.h"
#include "shell/PanelKeyboard.h"
#include "ui_MainForm.h"
#include "win/MessagePump.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

// The whole program with its main loop, driven by keys sent through the window system as a
// keyboard would send them, one step after another.
class ClassroomWindowTest : public ::testing::Test {
protected:
    using Step = std::function<bool()>; // true when done, to go on with the next

    ClassroomWindowTest()
    {
        clock.StepEveryReading(5);
        form.StartTimer.stop();
        form.show();
    }

    ~ClassroomWindowTest() override
    {
        QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
        QCoreApplication::exec();
        win::PumpMessages();
    }

    void Run(std::vector<Step> steps)
    {
        std::size_t next = 0;
        boxes.Then(win::IDNO); // the drawing is not kept
        RunProgram(form, [&] {
            if (!form.LoopRunning())
                return false;
            while (next < steps.size() && steps[next]())
                ++next;
            return next == steps.size();
        });
        EXPECT_EQ(next, steps.size()) << "stuck at step " << next;
    }

    Step Key(Qt::Key key)
    {
        return [this, key] {
            // With no window manager nobody hands the keyboard back after the progress window.
            if (!form.isActiveWindow()) {
                form.activateWindow();
                return false;
            }
            QTest::keyClick(form.windowHandle(), key);
            return true;
        };
    }

    Step Idle()
    {
        return [this] { return !form.Walker.Busy(); };
    }

    Ui::TMainForm& ui() { return form.Controls(); }
    QLabel& Corner() { return *form.findChild<QLabel*>(QStringLiteral("CornerStatus")); }

    ManualClock clock;
    ScriptedMessageBoxes boxes;
    TMainForm form;
};

TEST_F(ClassroomWindowTest, InFullViewTheKeysWorkAsInTheWindowAndTheCornerShowsThePlace)
{
    ui().ForwardTrack->setValue(100);
    bool replayed = false;
    QString cornerSaid;
    Run({
        [this] {
            // A track bar the keyboard went to: full view hides it, and it must not keep the keys.
            ui().ForwardTrack->setFocus(Qt::TabFocusReason);
            return true;
        },
        Key(Qt::Key_F11),
        [this] {
            EXPECT_TRUE(form.isFullScreen());
            EXPECT_TRUE(Corner().isVisible());
            EXPECT_FALSE(ui().ForwardBtn->isVisible());
            EXPECT_GE(Corner().font().pixelSize(), 24);
            return true;
        },
        Key(Qt::Key_Up),
        [this] { return form.Walker.Busy(); },
        Idle(),
        [this] {
            EXPECT_NEAR(form.Turtle.Y, 100.0, 1e-9);
            EXPECT_TRUE(Corner().text().contains(QStringLiteral("Y = 100"))) << Corner().text().toStdString();
            return true;
        },
        Key(Qt::Key_F5),
        [&] { return replayed = form.Replay.Walking(); },
        Idle(),
        Key(Qt::Key_V),
        [this] {
            EXPECT_TRUE(form.Camera.TopView());
            return true;
        },
        Key(Qt::Key_V),
        Key(Qt::Key_Escape),
        [&] {
            EXPECT_FALSE(form.Camera.TopView());
            EXPECT_FALSE(form.isFullScreen());
            EXPECT_FALSE(Corner().isVisible());
            EXPECT_TRUE(ui().ForwardBtn->isVisible());
            EXPECT_FALSE(TakesPlainKeys(QApplication::focusWidget())) << "the panel has the keys";
            cornerSaid = Corner().accessibleName();
            return true;
        },
        Key(Qt::Key_Up),
        [this] { return form.Walker.Busy(); },
        Idle(),
        [&] {
            EXPECT_GT(form.Turtle.Y, 100.0) << "the arrow walked";
            EXPECT_EQ(Corner().accessibleName(), cornerSaid) << "hidden, the corner says nothing";
            return true;
        },
    });
    EXPECT_TRUE(replayed) << "F5 replayed the page";
}

TEST_F(ClassroomWindowTest, TheTopViewIsOneChoiceByKeyMenuAndToolBar)
{
    auto* top = form.findChild<QAction*>(QStringLiteral("TopViewMenu"));
    ASSERT_NE(top, nullptr);
    EXPECT_TRUE(ui().OptionsMenu->actions().contains(top));
    EXPECT_NE(ui().MainToolBar->widgetForAction(top), nullptr);
    CameraPose behind;
    Run({
        [&] {
            behind = form.Camera.PlaceCamera(form.Turtle);
            return true;
        },
        Key(Qt::Key_V),
        [&] {
            EXPECT_TRUE(top->isChecked());
            const CameraPose above = form.Camera.PlaceCamera(form.Turtle);
            EXPECT_LT(above.viewY, -0.999f);
            return true;
        },
        [&] {
            top->trigger(); // the menu item or the tool bar button
            EXPECT_FALSE(form.Camera.TopView());
            const CameraPose back = form.Camera.PlaceCamera(form.Turtle);
            EXPECT_EQ(std::tie(back.x, back.y, back.z), std::tie(behind.x, behind.y, behind.z));
            return true;
        },
    });
}

} // namespace
