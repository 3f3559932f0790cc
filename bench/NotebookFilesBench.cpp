#include "DrawnPage.h"
#include "storage/DrawingRecord.h"
#include "storage/NotebookReader.h"
#include "storage/NotebookWriter.h"
#include "storage/PagePicture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

constexpr int kPages = 8;

NotebookContent EightDrawnPages()
{
    NotebookContent content;
    content.Pages.resize(kPages);
    for (int p = 0; p < kPages; ++p) {
        PageContent& page = content.Pages[static_cast<std::size_t>(p)];
        for (std::size_t i = 0; i < page.Image.size(); ++i)
            page.Image[i] = static_cast<std::uint8_t>((i / 97 + static_cast<std::size_t>(p)) % 16);
    }
    return content;
}

// Eight pages each drawn by a thousand commands, with the records of how, or the pages alone.
NotebookContent EightPagesOfThousandCommands(bool withRecords)
{
    DrawnPage drawn;
    drawn.Draw(1000, true);
    NotebookContent content = drawn.notebook.Contents();
    content.Pages.resize(kPages, content.Pages[0]);
    if (!withRecords)
        for (PageContent& page : content.Pages)
            page.Record = {};
    return content;
}

void SaveNotebook(benchmark::State& state)
{
    QTemporaryDir dir;
    const NotebookContent content = EightDrawnPages();
    for (auto _ : state) {
        if (NotebookWriter().Save(dir.path(), QStringLiteral("DOM"), content).Fault != NotebookFault::None)
            state.SkipWithError("save failed");
    }
}
BENCHMARK(SaveNotebook)->Unit(benchmark::kMicrosecond);

// The same bytes as the pages, each file written, brought to the disk as the save brings its
// files (fsync), and closed; then the folder brought to the disk once.
void WriteEightFilesWithQFile(benchmark::State& state)
{
    QTemporaryDir dir;
    const QByteArray bytes(kSheetBytes, '\x0c');
    for (auto _ : state) {
        for (int p = 1; p <= kPages; ++p) {
            QFile file(QDir(dir.path()).filePath(QStringLiteral("DOM%1.raw").arg(p)));
            if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush()
                || ::fsync(file.handle()) != 0)
                state.SkipWithError("write failed");
        }
        const int folder = ::open(QFile::encodeName(dir.path()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        ::fsync(folder);
        ::close(folder);
    }
}
BENCHMARK(WriteEightFilesWithQFile)->Unit(benchmark::kMicrosecond);

// Eight pages of a thousand commands opened, with their records (1) and without (0).
void OpenNotebook(benchmark::State& state)
{
    QTemporaryDir dir;
    const bool withRecords = state.range(0) != 0;
    NotebookWriter().Save(dir.path(), QStringLiteral("DOM"), EightPagesOfThousandCommands(withRecords));
    for (auto _ : state) {
        const NotebookReading reading = ReadNotebook(dir.path(), QStringLiteral("DOM"));
        if (reading.Fault != NotebookFault::None || (reading.Content.Pages.back().Record.Size() > 1) != withRecords)
            state.SkipWithError("open failed");
        benchmark::DoNotOptimize(reading.Content.Pages.data());
    }
}
BENCHMARK(OpenNotebook)->ArgName("records")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void ReadEightFilesWithQFile(benchmark::State& state)
{
    QTemporaryDir dir;
    const QByteArray bytes(kSheetBytes, '\x0c');
    for (int p = 1; p <= kPages; ++p) {
        QFile file(QDir(dir.path()).filePath(QStringLiteral("DOM%1.raw").arg(p)));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
    }
    for (auto _ : state) {
        for (int p = 1; p <= kPages; ++p) {
            QFile file(QDir(dir.path()).filePath(QStringLiteral("DOM%1.raw").arg(p)));
            if (!file.open(QIODevice::ReadOnly))
                state.SkipWithError("read failed");
            const QByteArray read = file.readAll();
            benchmark::DoNotOptimize(read.data());
        }
    }
}
BENCHMARK(ReadEightFilesWithQFile)->Unit(benchmark::kMicrosecond);

double PeakResidentMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024;
}

// One page read of a file nobody here wrote (the fuzz target's hostile seeds), beside a drawn
// page. Goal: under 100 ms and 50 MB each; the peak of the process is reported.
void ReadPage(benchmark::State& state, const char* seed)
{
    const QString path = QStringLiteral(QEL_NOTEBOOK_SEEDS "/") + QString::fromUtf8(seed);
    std::vector<std::uint8_t> image(kSheetBytes);
    const double before = PeakResidentMegabytes();
    for (auto _ : state) {
        const PageReadFault fault = ReadPagePicture(path, image.data());
        benchmark::DoNotOptimize(fault);
    }
    state.counters["peak_rss_growth_MB"] = PeakResidentMegabytes() - before;
}
BENCHMARK_CAPTURE(ReadPage, drawn_bmp, "valid-page-8bit.bmp")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ReadPage, svg, "hostile.svg")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ReadPage, progressive_jpeg, "hostile-progressive.jpg")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ReadPage, png_with_text_chunks, "hostile-text-chunks.png")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ReadPage, huge_png_header, "hostile-huge.png")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ReadPage, huge_bmp_header, "hostile-huge.bmp")->Unit(benchmark::kMicrosecond);

} // namespace
BENCHMARK_MAIN();
