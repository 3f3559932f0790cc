// How long Ctrl+O takes to show the open dialog, and what its list costs in memory once every
// picture is in, over a folder of many notebooks or of notebooks whose first page is a hostile
// file. Goals: shown within 200 ms, memory grown by less than 50 MB.

#include "dialogs/OpenDlg.h"
#include "storage/NotebookFolder.h"
#include "storage/NotebookWriter.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <unistd.h>

namespace {

QApplication& Application()
{
    // Without a window system the dialog is drawn off screen.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "bench";
    static char* argv[] = {name, nullptr};
    static QApplication application(argc, argv);
    return application;
}

double ResidentMegabytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0.0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toDouble() * static_cast<double>(::sysconf(_SC_PAGESIZE)) / (1 << 20) : 0.0;
}

// `count` one-page notebooks; their first pages are hard links to one file, `firstPage` when
// given (a file that is no page), a drawn page otherwise.
bool MakeNotebooks(const QString& folder, int count, const QString& firstPage)
{
    NotebookContent content;
    content.Pages.resize(1);
    for (std::size_t i = 0; i < content.Pages[0].Image.size(); ++i)
        content.Pages[0].Image[i] = static_cast<std::uint8_t>(i / 1000 % 16);
    const QString model = QStringLiteral("wzór");
    if (NotebookWriter().Save(folder, model, content).Fault != NotebookFault::None)
        return false;
    const QString page = firstPage.isEmpty() ? PagePath(folder, model, 1) : firstPage;
    for (int i = 0; i < count; ++i) {
        const QString name = QStringLiteral("zeszyt %1").arg(i, 4, 10, QLatin1Char('0'));
        if (!QFile::copy(IndexPath(folder, model), IndexPath(folder, name))
            || ::link(QFile::encodeName(page).constData(), QFile::encodeName(PagePath(folder, name, 1)).constData()) != 0)
            return false;
    }
    return true;
}

// The mark of a picture still being read: what every entry shows right after the list is filled.
qint64 WaitingMark(const QListWidget& list)
{
    return list.item(list.count() - 1)->data(Qt::DecorationRole).value<QIcon>().cacheKey();
}

// Waits until the last notebook's picture has come: the pictures come in list order.
bool WaitForAllPictures(const QListWidget& list, qint64 waitingKey)
{
    QListWidgetItem* last = list.item(list.count() - 1);
    const QDeadlineTimer deadline(120'000);
    while (!deadline.hasExpired()) {
        const QVariant now = last->data(Qt::DecorationRole);
        if (now.typeId() != QMetaType::QIcon || now.value<QIcon>().cacheKey() != waitingKey)
            return true;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return false;
}

void ShowOpenDialog(benchmark::State& state, const char* firstPage)
{
    Application();
    QTemporaryDir dir;
    const QString page = firstPage[0] ? QStringLiteral(QEL_NOTEBOOK_SEEDS "/") + QString::fromUtf8(firstPage) : QString();
    if (!MakeNotebooks(dir.path(), static_cast<int>(state.range(0)), page)) {
        state.SkipWithError("cannot make the notebooks");
        return;
    }
    double growth = 0.0, allPicturesMs = 0.0;
    for (auto _ : state) {
        const double before = ResidentMegabytes();
        QElapsedTimer timer;
        timer.start();
        {
            TOpenDlg dialog;
            dialog.ShowNotebooks(ListSavedNotebooks(dir.path()));
            const auto& list = *dialog.findChild<QListWidget*>(QStringLiteral("NotebookList"));
            // Pictures are put in only by the event loop, so none has come yet.
            const qint64 waiting = WaitingMark(list);
            dialog.show();
            QCoreApplication::processEvents(); // the first painting
            state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) * 1e-9);
            if (!WaitForAllPictures(list, waiting))
                state.SkipWithError("the pictures never came");
            allPicturesMs = std::max(allPicturesMs, static_cast<double>(timer.elapsed()));
            growth = std::max(growth, ResidentMegabytes() - before);
        }
        QCoreApplication::processEvents();
    }
    state.counters["rss_growth_MB"] = growth;
    state.counters["all_pictures_ms"] = allPicturesMs;
}
BENCHMARK_CAPTURE(ShowOpenDialog, drawn_pages, "")->Arg(5000)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ShowOpenDialog, svg_pages, "hostile.svg")->Arg(100)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ShowOpenDialog, text_chunk_pages, "hostile-text-chunks.png")->Arg(100)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ShowOpenDialog, progressive_jpeg_pages, "hostile-progressive.jpg")->Arg(100)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ShowOpenDialog, huge_header_pages, "hostile-huge.png")->Arg(100)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
