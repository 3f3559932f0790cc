#include "rm/Frame.h"
#include "rm/gl/GLDevice.h"

#include <QApplication>
#include <QOpenGLFunctions>
#include <QOpenGLWidget>
#include <QDeadlineTimer>
#include <QWindow>
#include <QWidget>

#include <benchmark/benchmark.h>

namespace {

constexpr int kWidth = 400;
constexpr int kHeight = 300;

// OpenGL needs a window system; without one both benchmarks say so and stop.
bool HaveDisplay()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

QApplication& Application()
{
    static int argc = 1;
    static char name[] = "render_bench";
    static char* argv[] = {name, nullptr};
    static QApplication application(argc, argv);
    return application;
}

class WindowClipper final : public ddraw::Clipper {
public:
    explicit WindowClipper(QWidget* window) : window_(window) {}
    win::HRESULT SetHWnd(std::uint32_t, win::HWND window) override
    {
        window_ = window;
        return ddraw::DD_OK;
    }
    win::HWND GetHWnd() const override { return window_; }

private:
    win::HWND window_;
};

// The same window with a surface that only clears: what showing a frame costs at the least.
class ClearingWidget final : public QOpenGLWidget {
public:
    explicit ClearingWidget(QWidget* parent) : QOpenGLWidget(parent) {}

protected:
    void paintGL() override
    {
        QOpenGLFunctions* gl = context()->functions();
        gl->glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
        gl->glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }
};

void ShownWindow(QWidget& window)
{
    window.resize(kWidth, kHeight);
    window.show();
    const QDeadlineTimer deadline(2000);
    while (!(window.windowHandle() && window.windowHandle()->isExposed()) && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

// One frame pass of the engine with nothing in the scene: clear, render, update, pump.
void RenderEmptyScenePass(benchmark::State& state)
{
    if (!HaveDisplay()) {
        state.SkipWithError("needs a display");
        return;
    }
    Application();
    QWidget window;
    ShownWindow(window);
    auto clipper = rm::MakePtr<WindowClipper>(&window);
    rm::Ptr<rm::Device3> device;
    rm::Ptr<rm::Viewport2> viewport;
    auto scene = rm::MakePtr<rm::Frame3>();
    auto camera = rm::MakePtr<rm::Frame3>();
    scene->AddChild(camera.get());
    scene->SetSceneBackgroundRGB(1.0f, 1.0f, 1.0f);
    if (rm::gl::CreateDevice(clipper.get(), nullptr, kWidth, kHeight, device) != rm::D3DRM_OK ||
        rm::gl::CreateViewport(device.get(), camera.get(), 0, 0, kWidth, kHeight, viewport) != rm::D3DRM_OK) {
        state.SkipWithError("no device");
        return;
    }
    for (auto _ : state) {
        viewport->Clear(rm::D3DRMCLEAR_ALL);
        viewport->Render(scene.get());
        if (device->Update() != rm::D3DRM_OK) {
            state.SkipWithError("update failed");
            break;
        }
        QCoreApplication::processEvents();
    }
    state.counters["passes"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(RenderEmptyScenePass)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BareClearPass(benchmark::State& state)
{
    if (!HaveDisplay()) {
        state.SkipWithError("needs a display");
        return;
    }
    Application();
    QWidget window;
    auto* surface = new ClearingWidget(&window); // the window owns it
    surface->setGeometry(0, 0, kWidth, kHeight);
    ShownWindow(window);
    for (auto _ : state) {
        surface->repaint();
        QCoreApplication::processEvents();
    }
    state.counters["passes"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BareClearPass)->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
