#pragma once

#include <QApplication>
#include <QDeadlineTimer>
#include <QOpenGLFunctions>
#include <QOpenGLWidget>
#include <QWidget>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <ctime>

// What the render benchmarks share: the application they need, a shown window, and the least a
// frame can cost on it — a surface that only clears, repainted and presented.
namespace bench {

inline constexpr int kWidth = 400;
inline constexpr int kHeight = 300;

// OpenGL needs a window system; without one the benchmarks say so and stop.
inline bool HaveDisplay()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

inline QApplication& Application()
{
    static int argc = 1;
    static char name[] = "bench";
    static char* argv[] = {name, nullptr};
    static QApplication application(argc, argv);
    return application;
}

inline void ShowWindow(QWidget& window)
{
    window.resize(kWidth, kHeight);
    window.show();
    const QDeadlineTimer deadline(2000);
    while (!(window.windowHandle() && window.windowHandle()->isExposed()) && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

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

// The first passes on a new context compile the rasteriser's shaders for what they draw: paid once,
// not per pass, so every benchmark runs these before it measures.
inline constexpr int kWarmUpPasses = 10;

// The whole process's CPU time so far, in seconds, the rasteriser's threads included.
inline double ProcessCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// The passes a benchmark ran, per second of wall time and per second of the whole process's
// CPU time: on a shared machine the wall time drifts with the others' load, the CPU time much
// less. Made just before the measured loop.

class PassCount {
public:
    void Report(benchmark::State& state) const
    {
        const auto passes = static_cast<double>(state.iterations());
        state.counters["passes"] = benchmark::Counter(passes, benchmark::Counter::kIsRate);
        state.counters["passes_per_cpu_s"] = passes / (ProcessCpuSeconds() - start_);
    }

private:
    double start_ = ProcessCpuSeconds();
};

// The bare loop: clear and present the same 400 × 300 window, and pump.
inline void BareClearPass(benchmark::State& state)
{
    if (!HaveDisplay()) {
        state.SkipWithError("needs a display");
        return;
    }
    Application();
    QWidget window;
    auto* surface = new ClearingWidget(&window); // the window owns it
    surface->setGeometry(0, 0, kWidth, kHeight);
    ShowWindow(window);
    const auto pass = [surface] {
        surface->repaint();
        QCoreApplication::processEvents();
    };
    for (int i = 0; i < kWarmUpPasses; ++i)
        pass();
    const PassCount count;
    for (auto _ : state)
        pass();
    count.Report(state);
}

} // namespace bench
