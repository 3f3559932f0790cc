#include "storage/NotebookReader.h"
#include "storage/NotebookWriter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int kPages = 8;

NotebookContent EightDrawnPages()
{
    NotebookContent content;
    content.Pages.resize(kPages);
    for (int p = 0; p < kPages; ++p) {
        std::vector<std::uint8_t>& image = content.Pages[static_cast<std::size_t>(p)].Image;
        for (std::size_t i = 0; i < image.size(); ++i)
            image[i] = static_cast<std::uint8_t>((i / 97 + static_cast<std::size_t>(p)) % 16);
    }
    return content;
}

void SaveNotebook(benchmark::State& state)
{
    QTemporaryDir dir;
    const NotebookContent content = EightDrawnPages();
    for (auto _ : state) {
        if (NotebookWriter().Save(dir.path(), QStringLiteral("DOM"), content) != NotebookFault::None)
            state.SkipWithError("save failed");
    }
}
BENCHMARK(SaveNotebook)->Unit(benchmark::kMicrosecond);

// The same bytes as the pages, each file written and closed.
void WriteEightFilesWithQFile(benchmark::State& state)
{
    QTemporaryDir dir;
    const QByteArray bytes(kSheetBytes, '\x0c');
    for (auto _ : state) {
        for (int p = 1; p <= kPages; ++p) {
            QFile file(QDir(dir.path()).filePath(QStringLiteral("DOM%1.raw").arg(p)));
            if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
                state.SkipWithError("write failed");
        }
    }
}
BENCHMARK(WriteEightFilesWithQFile)->Unit(benchmark::kMicrosecond);

void OpenNotebook(benchmark::State& state)
{
    QTemporaryDir dir;
    NotebookWriter().Save(dir.path(), QStringLiteral("DOM"), EightDrawnPages());
    for (auto _ : state) {
        const NotebookReading reading = ReadNotebook(dir.path(), QStringLiteral("DOM"));
        if (reading.Fault != NotebookFault::None)
            state.SkipWithError("open failed");
        benchmark::DoNotOptimize(reading.Content.Pages.data());
    }
}
BENCHMARK(OpenNotebook)->Unit(benchmark::kMicrosecond);

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

} // namespace
BENCHMARK_MAIN();
