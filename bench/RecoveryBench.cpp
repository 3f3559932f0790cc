#include "storage/RecoveryCopy.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// One recovery write of a full notebook, as the program makes after a change when it rests.
void WriteRecoveryCopyOfEightPages(benchmark::State& state)
{
    NotebookContent content;
    content.Pages.resize(kMaxNotebookPages);
    for (std::size_t p = 0; p < content.Pages.size(); ++p)
        for (std::size_t i = 0; i < kSheetBytes; ++i)
            content.Pages[p].Image[i] = static_cast<std::uint8_t>((i / 97 + p) % 16);
    QTemporaryDir root;
    const auto copy = RecoveryCopy::Create(root.path());
    for (auto _ : state) {
        if (!copy->Write(content, QStringLiteral("DOM")))
            state.SkipWithError("write failed");
    }
    copy->Remove();
}
BENCHMARK(WriteRecoveryCopyOfEightPages)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
