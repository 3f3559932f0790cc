#include "BareGLLoop.h"
#include "shell/MainForm.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTimer>

#include <ctime>

namespace {

constexpr int kSettleMs = 2000;
constexpr int kMeasureMs = 3000;

// CPU seconds of the whole process, every thread counted (the GL driver draws in threads of
// its own).
double ProcessCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// CPU time per wall second, in per cent of one core.
struct IdleMeter {
    double cpuStart = 0.0;
    QElapsedTimer wall;
    double percent = 0.0;

    void Start()
    {
        cpuStart = ProcessCpuSeconds();
        wall.start();
    }
    void Stop()
    {
        const double seconds = static_cast<double>(wall.nsecsElapsed()) * 1e-9;
        percent = 100.0 * (ProcessCpuSeconds() - cpuStart) / seconds;
    }
};

// An event loop that sleeps while nothing happens, as the application's own does; whatever the
// closed window left queued is handled before the next measurement.
void RunUntil(const bool& done)
{
    while (!done)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QCoreApplication::processEvents();
}

void Report(benchmark::State& state, const IdleMeter& meter)
{
    state.SetIterationTime(kMeasureMs / 1000.0);
    state.counters["cpu_percent"] = meter.percent;
}

// The program's main window, started as the program starts it and left alone.
void MainWindowIdle(benchmark::State& state)
{
    if (!bench::HaveDisplay()) {
        state.SkipWithError("needs a display");
        return;
    }
    bench::Application();
    QDir::setCurrent(QStringLiteral(QEL_DATA_DIR));
    for (auto _ : state) {
        TMainForm form;
        form.show();
        IdleMeter meter;
        bool looping = false;
        bool done = false;
        QTimer::singleShot(TMainForm::kStartDelayMs + kSettleMs, [&] {
            looping = form.LoopRunning();
            meter.Start();
        });
        QTimer::singleShot(TMainForm::kStartDelayMs + kSettleMs + kMeasureMs, [&] {
            meter.Stop();
            done = true;
            form.close();
        });
        // The start timer's handler runs the main loop in here until the window closes.
        RunUntil(done);
        if (!looping) {
            state.SkipWithError("the program did not start");
            return;
        }
        Report(state, meter);
    }
}
BENCHMARK(MainWindowIdle)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

// A bare Qt window of the main window's size with an OpenGL surface where the 3D view is, left
// alone.
void BareGLWindowIdle(benchmark::State& state)
{
    if (!bench::HaveDisplay()) {
        state.SkipWithError("needs a display");
        return;
    }
    bench::Application();
    for (auto _ : state) {
        QWidget window;
        window.resize(625, 444);
        auto* surface = new bench::ClearingWidget(&window); // the window owns it
        surface->setGeometry(220, 48, bench::kWidth, bench::kHeight);
        window.show();
        IdleMeter meter;
        bool done = false;
        QTimer::singleShot(kSettleMs, [&] { meter.Start(); });
        QTimer::singleShot(kSettleMs + kMeasureMs, [&] {
            meter.Stop();
            done = true;
        });
        RunUntil(done);
        Report(state, meter);
    }
}
BENCHMARK(BareGLWindowIdle)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
