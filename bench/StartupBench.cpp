// The program's window from its start until its main loop runs, with no recovery copies left
// and among 5,000 stale ones that killed programs left before they wrote anything (goal: within
// 1.1× the start without them). Each start has its copies made anew, out of the time measured.

#include "BareGLLoop.h"
#include "shell/MainForm.h"
#include "storage/RecoveryCopy.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <fcntl.h>
#include <unistd.h>

namespace {

void LeaveStaleCopies(const QString& root, int count)
{
    QDir(root).removeRecursively();
    QDir().mkpath(root);
    for (int i = 0; i < count; ++i) {
        const QString folder = QDir(root).filePath(QStringLiteral("%1-%2").arg(i + 1000).arg(1700000000000LL + i));
        QDir().mkpath(folder);
        ::close(::open(QFile::encodeName(folder + QStringLiteral("/blokada")).constData(), O_WRONLY | O_CREAT, 0600));
    }
    ::sync();
}

// Milliseconds from making the window until its main loop runs; negative when it never does.
double StartMs()
{
    QElapsedTimer clock;
    clock.start();
    TMainForm form;
    form.show();
    double started = -1.0;
    bool done = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (form.LoopRunning() && started < 0) {
            started = static_cast<double>(clock.nsecsElapsed()) * 1e-6;
            done = true;
            form.close();
        } else if (clock.elapsed() > 60'000) {
            done = true;
            form.close();
        }
    });
    poll.start(1);
    while (!done)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QCoreApplication::processEvents();
    return started;
}

void Start(benchmark::State& state, int staleCopies)
{
    if (!bench::HaveDisplay()) {
        state.SkipWithError("needs a display");
        return;
    }
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toUtf8());
    bench::Application();
    QDir::setCurrent(QStringLiteral(QEL_DATA_DIR));
    for (auto _ : state) {
        LeaveStaleCopies(RecoveryRoot(), staleCopies);
        const double ms = StartMs();
        if (ms < 0) {
            state.SkipWithError("the program did not start");
            return;
        }
        state.SetIterationTime(ms / 1000.0);
    }
}

void StartWithNoLeftCopies(benchmark::State& state)
{
    Start(state, 0);
}
BENCHMARK(StartWithNoLeftCopies)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);

void StartAmong5000StaleCopies(benchmark::State& state)
{
    Start(state, 5000);
}
BENCHMARK(StartAmong5000StaleCopies)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
