#include "SilentPanel.h"
#include "notebook/Notebook.h"
#include "storage/RecoveryCopy.h"
#include "storage/RecoveryCopyWorker.h"
#include "turtle/TurtleSheet.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

namespace {

NotebookContent EightPages()
{
    NotebookContent content;
    content.Pages.resize(kMaxNotebookPages);
    for (std::size_t p = 0; p < content.Pages.size(); ++p)
        for (std::size_t i = 0; i < kSheetBytes; ++i)
            content.Pages[p].Image[i] = static_cast<std::uint8_t>((i / 97 + p) % 16);
    return content;
}

// What the window's thread does for a copy after a change: takes the eight pages and hands them
// to the worker, which writes meanwhile.
void HandOverEightPages(benchmark::State& state)
{
    TTurtleState turtle;
    SilentPanel panel;
    TurtleSheet sheet(turtle, panel);
    Notebook notebook(sheet);
    notebook.StartNotebook();
    while (notebook.PageCount() < kMaxNotebookPages)
        notebook.NewPage(false);
    QTemporaryDir root;
    std::error_code trouble;
    RecoveryCopyWorker worker(RecoveryCopy::Create(root.path(), trouble), [](std::error_code) {});
    for (auto _ : state)
        worker.Keep(notebook.Contents(), QStringLiteral("DOM"));
    worker.Finish();
}
BENCHMARK(HandOverEightPages)->Unit(benchmark::kMicrosecond);

// The worker's write after a walk changed one page of eight.
void WriteEightPagesOneChanged(benchmark::State& state)
{
    NotebookContent content = EightPages();
    QTemporaryDir root;
    std::error_code trouble;
    const auto copy = RecoveryCopy::Create(root.path(), trouble);
    std::uint8_t colour = 0;
    for (auto _ : state) {
        content.Pages[3].Image[100] = ++colour;
        if (copy->Write(content, QStringLiteral("DOM")))
            state.SkipWithError("write failed");
    }
    copy->Remove();
}
BENCHMARK(WriteEightPagesOneChanged)->Unit(benchmark::kMillisecond);

// Start-up's look through the copies 5,000 killed programs left before they wrote anything, and
// 20 that hold a notebook. Each run needs them anew, so it runs once.
void LookThrough5000StaleCopies(benchmark::State& state)
{
    QTemporaryDir root;
    for (int i = 0; i < 5000; ++i) {
        const QString folder = root.filePath(QStringLiteral("%1-%2").arg(i + 1000).arg(1700000000000LL + i));
        QDir().mkpath(folder);
        ::close(::open(QFile::encodeName(folder + QStringLiteral("/blokada")).constData(), O_WRONLY | O_CREAT, 0600));
        if (i % 250 == 0) {
            QDir().mkpath(folder + QStringLiteral("/1"));
            QFile current(folder + QStringLiteral("/biezacy"));
            current.open(QIODevice::WriteOnly);
            current.write("1");
        }
    }
    ::sync();
    for (auto _ : state) {
        const LeftCopies left = RecoveryCopy::Left(root.path());
        if (left.Older != 19)
            state.SkipWithError("the copies that hold a notebook were not all found");
    }
}
BENCHMARK(LookThrough5000StaleCopies)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
