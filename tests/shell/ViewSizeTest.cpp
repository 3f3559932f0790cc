#include "fakes/ManualClock.h"
#include "fakes/ScriptedMessageBoxes.h"
#include "rm/Frame.h"
#include "shell/MainForm.h"
#include "shell/RunProgram.h"
#include "ui_MainForm.h"
#include "win/MessagePump.h"

#include <QOpenGLWidget>
#include <QStatusBar>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// Where a scene point shows in the 3D view: the camera frame's place and axes, a view that
// reaches 0.5 from its centre across its shorter side at distance 1.
QPointF ShownAt(const rm::Frame3& camera, const QSize& view, rm::D3DVECTOR point)
{
    const rm::Matrix4 eye = camera.WorldTransform();
    const rm::D3DVECTOR d{point.x - eye.At(0, 3), point.y - eye.At(1, 3), point.z - eye.At(2, 3)};
    const float x = rm::Dot(d, eye.Axis(0)), y = rm::Dot(d, eye.Axis(1)), z = rm::Dot(d, eye.Axis(2));
    const auto width = static_cast<float>(view.width()), height = static_cast<float>(view.height());
    const float shorter = std::min(width, height);
    return {width / 2.0f + x / z * shorter, height / 2.0f - y / z * shorter};
}

// The floor point under the middle of a sheet pixel.
rm::D3DVECTOR FloorPoint(double column, double row)
{
    return {10.0f * static_cast<float>(column - 127.0 + 0.5), 0.0f, 10.0f * static_cast<float>(127.0 - row - 0.5)};
}

struct WindowSize {
    const char* name;
    QSize client; // the client area under the menu bar
};

class ViewSize : public ::testing::TestWithParam<WindowSize> {
protected:
    ViewSize()
    {
        clock.StepEveryReading(5);
        form.StartTimer.stop();
        form.show();
    }

    ~ViewSize() override
    {
        QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
        QCoreApplication::exec();
        win::PumpMessages();
    }

    Ui::TMainForm& ui() { return form.Controls(); }

    void GrowTo(QSize client)
    {
        form.resize(form.size() + client - form.ClientArea()->size());
        QTRY_COMPARE(form.ClientArea()->size(), client);
    }

    ManualClock clock;
    ScriptedMessageBoxes boxes;
    TMainForm form;
};

// The view takes every pixel the window gains; the panel stays, the status bar and the hints
// stay under the view, and the picture is drawn at the view's new size.
TEST_P(ViewSize, TheViewTakesTheRoomTheWindowGains)
{
    const QSize client = GetParam().client;
    const QRect forward = ui().ForwardBtn->geometry();
    GrowTo(client);
    const QSize gained = client - QSize(625, 426);
    EXPECT_EQ(ui().DXViewport->geometry(), QRect(220, 48, 400 + gained.width(), 300 + gained.height()));
    EXPECT_EQ(ui().ForwardBtn->geometry(), forward);
    EXPECT_EQ(ui().MainStatusBar->geometry(), QRect(0, client.height() - 19, client.width(), 19));
    EXPECT_EQ(ui().Label2->geometry().bottom() + 1, ui().MainStatusBar->y() - 18);
    EXPECT_EQ(ui().MainToolBar->width(), client.width());

    boxes.Then(win::IDNO);
    RunProgram(form, [&] {
        if (!form.LoopRunning())
            return false;
        auto* view = form.DXCore.RenderForm->findChild<QOpenGLWidget*>();
        if (!view || view->size() != ui().DXViewport->size())
            return false;
        EXPECT_EQ(form.DXCore.RenderForm->geometry(), ui().DXViewport->geometry());
        EXPECT_EQ(view->grabFramebuffer().size(), view->size() * view->devicePixelRatio());
        return true;
    });
}

// A thin line across the far half of the sheet, seen from the start camera, shows along its whole
// length: no stretch of it vanishes between the texels the screen's pixels happen to hit.
TEST_P(ViewSize, AThinLineAtTheStartCameraHasNoGap)
{
    GrowTo(GetParam().client);
    const struct {
        QPoint from, to;
    } lines[] = {{{20, 30}, {235, 38}}, {{30, 90}, {225, 84}}, {{60, 10}, {200, 20}}};
    int passes = 0;
    boxes.Then(win::IDNO);
    RunProgram(form, [&] {
        if (!form.LoopRunning())
            return false;
        if (passes++ == 0) {
            SheetCanvas& canvas = form.Sheet.Canvas();
            canvas.SetPenColor(0);
            canvas.SetPenWidth(1);
            for (const auto& line : lines) {
                canvas.MoveTo(line.from.x(), line.from.y());
                canvas.LineTo(line.to.x(), line.to.y());
            }
            form.Sheet.UpdateFloor();
            return false;
        }
        auto* view = form.DXCore.RenderForm->findChild<QOpenGLWidget*>();
        if (passes < 5 || !view || view->size() != ui().DXViewport->size())
            return false;
        const QImage shown = view->grabFramebuffer();
        const qreal scale = view->devicePixelRatio();
        for (const auto& line : lines) {
            const QPointF from = ShownAt(*form.DXCamera.CameraFrame, view->size(), FloorPoint(line.from.x(), line.from.y())) * scale;
            const QPointF to = ShownAt(*form.DXCamera.CameraFrame, view->size(), FloorPoint(line.to.x(), line.to.y())) * scale;
            // Along the line, away from its ends, no two columns side by side lack a pixel
            // clearly darker than the white sheet: where its pixels step a row, they may touch
            // at their corners only.
            int gaps = 0;
            int light = 0;
            for (int x = qRound(from.x()) + 3; x <= qRound(to.x()) - 3; ++x) {
                const double y = from.y() + (to.y() - from.y()) * (x - from.x()) / (to.x() - from.x());
                int darkest = 255;
                for (int dy = -3; dy <= 3; ++dy)
                    darkest = std::min(darkest, qGray(shown.pixel(x, qRound(y) + dy)));
                light = darkest > 200 ? light + 1 : 0;
                gaps += light == 2 ? 1 : 0;
            }
            EXPECT_EQ(gaps, 0) << "line from " << line.from.x() << "," << line.from.y() << " in a " << shown.width()
                               << " x " << shown.height() << " view";
        }
        return true;
    });
}

INSTANTIATE_TEST_SUITE_P(Window, ViewSize,
                         ::testing::Values(WindowSize{"Default", {625, 426}}, WindowSize{"Large", {1280, 980}}),
                         [](const auto& test) { return std::string(test.param.name); });

} // namespace
