#include "fakes/ManualClock.h"
#include "fakes/ScriptedMessageBoxes.h"
#include "shell/MainForm.h"

#include <QEvent>
#include <QOpenGLWidget>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

// Counts the paint events of one widget from the moment it is watched.
class PaintCounter final : public QObject {
public:
    void Watch(QWidget& widget) { widget.installEventFilter(this); }
    int frames = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        frames += event->type() == QEvent::Paint;
        return false;
    }
};

// The program on a display of its own, so that no other window passing over it asks for frames.
TEST(RestingWindow, AWindowLeftAloneDrawsNoFrames)
{
    ManualClock clock;
    clock.StepEveryReading(5);
    ScriptedMessageBoxes boxes;
    TMainForm form;
    form.StartTimer.stop();
    form.show();
    // No timer of the test's own ticks while the window rests: any event would wake the loop. So
    // the test looks only until the loop runs (start-up may be slow on a busy machine), lets it
    // settle, then watches it for a second.
    PaintCounter view;
    int looks = 0;
    std::function<void()> watchOnceRunning = [&] {
        if (!form.LoopRunning()) {
            if (++looks < 600)
                QTimer::singleShot(100, watchOnceRunning);
            else
                form.close();
            return;
        }
        QTimer::singleShot(2500, [&] {
            auto* surface = form.findChild<QOpenGLWidget*>();
            ASSERT_NE(surface, nullptr);
            view.Watch(*surface);
            QTimer::singleShot(1000, [&] { form.close(); });
        });
    };
    QTimer::singleShot(100, watchOnceRunning);
    form.StartTimerTimer();
    ASSERT_LT(looks, 600) << "the main loop never ran";
    // A resting loop draws nothing; one running flat out draws hundreds of frames a second, dozens
    // even on a machine busy enough that the last of start-up's own events still bring a few.
    EXPECT_LE(view.frames, 20);
}

} // namespace
