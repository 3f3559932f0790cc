#include "BareGLLoop.h"
#include "SilentPanel.h"
#include "engine/DXAnimation.h"
#include "engine/DXCamera.h"
#include "engine/DXCore.h"
#include "engine/DXInput.h"
#include "engine/DXLight.h"
#include "engine/DXScene.h"
#include "engine/DXViewport.h"
#include "shell/MainLoopPass.h"
#include "shell/SceneSetup.h"
#include "shell/TextureFloor.h"
#include "storage/OwnCommand.h"
#include "turtle/CameraControl.h"
#include "notebook/TurtleWalker.h"
#include "turtle/TurtleSheet.h"

#include <QDir>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <memory>
#include <vector>

namespace {

struct NoWindow final : LoopWindow {
    bool MouseInViewport() const override { return false; }
    void RefreshStatus() override {}
};

// The engine as the main window sets it up, a 400 × 300 view, and the program's own main-loop
// pass over it.
struct Engine {
    Engine()
    {
        window.resize(620, 360);
        viewport.setGeometry(0, 0, bench::kWidth, bench::kHeight);
        SetUpScene(scene, camera, directional, ambient);
        SetUpCore(core, viewport, scene);
        character.DXScene = &scene;
        character.DXCore = &core;
        bench::ShowWindow(window);
        created = core.Create(nullptr, QFile::encodeName(QStringLiteral(QEL_DATA_DIR "/bmp.mte")).constData());
        cameraControl.Reset(camera.PosX, camera.PosY, camera.PosZ);
    }

    // The floor model under the scene, showing the sheet; false when it cannot be had.
    bool WithFloor()
    {
        QDir::setCurrent(QStringLiteral(QEL_DATA_DIR));
        floor = core.AddMeshFromFile("00.x", 0, 0, 0);
        if (!created || !floor || !floorImage.Attach(core.GetTexture(), floor.get()))
            return false;
        sheet.AttachFloor(floorImage);
        sheet.ResetTurtle();
        walker.SetDriven(true);
        return true;
    }

    QWidget window;
    TDXViewport viewport{&window};
    TDXScene scene;
    TDXCamera camera;
    TDXLight directional, ambient;
    TDXCore core{&window};
    TDXAnimation character;
    TDXInput keyboard;
    TTurtleState turtle;
    SilentPanel panel;
    TurtleSheet sheet{turtle, panel};
    TurtleWalker walker{sheet};
    CameraControl cameraControl;
    NoWindow loopWindow;
    MainLoopPass pass{{core, scene, character, keyboard, turtle, walker, cameraControl, loopWindow}};
    bool created = false;
    rm::Ptr<rm::Frame3> floor;
    TextureFloor floorImage;
};

// Main-loop passes with an empty scene: nothing moves, and every pass pumps and renders.
void MainLoopPassEmptyScene(benchmark::State& state)
{
    if (!bench::HaveDisplay()) {
        state.SkipWithError("needs a display");
        return;
    }
    bench::Application();
    Engine engine;
    if (!engine.created) {
        state.SkipWithError("no engine");
        return;
    }
    for (int i = 0; i < bench::kWarmUpPasses; ++i)
        engine.pass.Run();
    const bench::PassCount count;
    for (auto _ : state)
        engine.pass.Run();
    count.Report(state);
}
BENCHMARK(MainLoopPassEmptyScene)->Unit(benchmark::kMicrosecond)->UseRealTime();

// The engine with the floor under it; none, the benchmark skipped, where it cannot be had.
std::unique_ptr<Engine> EngineWithFloor(benchmark::State& state)
{
    if (!bench::HaveDisplay()) {
        state.SkipWithError("needs a display");
        return nullptr;
    }
    bench::Application();
    auto engine = std::make_unique<Engine>();
    if (!engine->WithFloor()) {
        state.SkipWithError("no floor");
        return nullptr;
    }
    return engine;
}

// Main-loop passes with the floor while a move draws on the sheet.
void MainLoopPassWhileDrawing(benchmark::State& state)
{
    const std::unique_ptr<Engine> made = EngineWithFloor(state);
    if (!made)
        return;
    Engine& engine = *made;
    int walks = 0;
    const auto pass = [&engine, &walks] {
        if (engine.turtle.Y > 120.0)
            engine.walker.Stop();
        if (!engine.walker.Busy()) {
            engine.turtle.Y = -120.0;
            engine.walker.Run({EntryOf(RecordOp::Forward, 100)});
            ++walks;
        }
        engine.pass.Run();
    };
    // Until a walk has ended: the floor has been drawn walking and resting (smooth) once.
    for (int i = 0; walks < 2 || i < bench::kWarmUpPasses; ++i)
        pass();
    const bench::PassCount count;
    for (auto _ : state)
        pass();
    count.Report(state);
}
BENCHMARK(MainLoopPassWhileDrawing)->Unit(benchmark::kMicrosecond)->UseRealTime();

BENCHMARK(bench::BareClearPass)->Unit(benchmark::kMicrosecond)->UseRealTime();

OwnCommandPtr Taught(const std::vector<RecordEntry>& steps)
{
    auto command = std::make_shared<OwnCommand>();
    command->Steps = DrawingRecord::Of(steps);
    return command;
}

// "Kwiat" as a child teaches it: pen up, forward 50, pen down, a circle of 50, pen up, back 50,
// pen down, right 10.
std::vector<RecordEntry> FlowerSteps()
{
    return {EntryOf(RecordOp::PenUp),   EntryOf(RecordOp::Forward, 50), EntryOf(RecordOp::PenDown),
            EntryOf(RecordOp::Circle, 50), EntryOf(RecordOp::PenUp),    EntryOf(RecordOp::Backward, 50),
            EntryOf(RecordOp::PenDown), EntryOf(RecordOp::Right, 10)};
}

// A run at Błyskawicznie, from the key to the frame that shows its last step (rendered by the
// pass that walks it), with rendering: the wall time, the whole process's CPU time and the
// longest pass in each.
void RunAtTheTopSpeed(benchmark::State& state, const RecordEntry& run)
{
    const std::unique_ptr<Engine> made = EngineWithFloor(state);
    if (!made)
        return;
    Engine& engine = *made;
    engine.pass.Speed().SetPace(TurtlePace::Instant);
    for (int i = 0; i < bench::kWarmUpPasses; ++i)
        engine.pass.Run();
    double cpu = 0.0;
    std::uint32_t longest = 0;
    double longestCpu = 0.0;
    std::uint64_t passes = 0;
    for (auto _ : state) {
        engine.sheet.ResetTurtle();
        engine.sheet.ClearSheet();
        const double cpuStart = bench::ProcessCpuSeconds();
        const auto start = std::chrono::steady_clock::now();
        engine.walker.Run({run});
        do {
            const double passStart = bench::ProcessCpuSeconds();
            engine.pass.Run();
            longest = std::max(longest, engine.pass.Dt());
            longestCpu = std::max(longestCpu, bench::ProcessCpuSeconds() - passStart);
            ++passes;
        } while (engine.walker.Busy());
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        cpu += bench::ProcessCpuSeconds() - cpuStart;
    }
    const auto runs = static_cast<double>(state.iterations());
    state.counters["cpu_s"] = cpu / runs;
    state.counters["passes"] = static_cast<double>(passes) / runs;
    // On a shared machine a pass's wall time also holds the time others had the processor.
    state.counters["longest_pass_ms"] = longest;
    state.counters["longest_pass_cpu_ms"] = longestCpu * 1000.0;
}

// Kwiat run 36 times: 288 steps (goal: under 0.3 s of wall and 0.1 s of CPU, within 20 times the
// plain drawing below).
void FlowerRun36TimesAtTheTopSpeed(benchmark::State& state)
{
    RunAtTheTopSpeed(state, RunOf(Taught(FlowerSteps()), kMaxOwnTimes));
}
BENCHMARK(FlowerRun36TimesAtTheTopSpeed)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

// Four flowers a step, run 36 times: 1,152 steps (goal: under 0.3 s).
void FourFlowersRun36TimesAtTheTopSpeed(benchmark::State& state)
{
    std::vector<RecordEntry> steps;
    for (int flower = 0; flower < 4; ++flower)
        for (const RecordEntry& step : FlowerSteps())
            steps.push_back(step);
    RunAtTheTopSpeed(state, RunOf(Taught(steps), kMaxOwnTimes));
}
BENCHMARK(FourFlowersRun36TimesAtTheTopSpeed)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

// The same run walked with no window at all: what the walker itself costs of the above.
void FlowerRun36TimesWalkedAlone(benchmark::State& state)
{
    TTurtleState turtle;
    SilentPanel panel;
    TurtleSheet sheet{turtle, panel};
    TurtleWalker walker{sheet};
    walker.SetDriven(true);
    const RecordEntry run = RunOf(Taught(FlowerSteps()), kMaxOwnTimes);
    for (auto _ : state) {
        sheet.ResetTurtle();
        sheet.ClearSheet();
        walker.Run({run});
        while (walker.Busy())
            walker.WalkFor();
    }
}
BENCHMARK(FlowerRun36TimesWalkedAlone)->Unit(benchmark::kMillisecond);

// A one-step command that wipes the page in a colour, nested four deep and run 36 times at each
// level: 1.68 M steps that do not walk (goal: the window answers every pass, none longer than
// 50 ms).
void MillionsOfStepsThatDoNotWalk(benchmark::State& state)
{
    OwnCommandPtr command = Taught({EntryOf(RecordOp::Background, 3)});
    for (int level = 1; level < kMaxOwnDepth; ++level)
        command = Taught({RunOf(command, kMaxOwnTimes)});
    RunAtTheTopSpeed(state, RunOf(command, kMaxOwnTimes));
}
BENCHMARK(MillionsOfStepsThatDoNotWalk)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);

// The baseline: the same flower's 288 segments (each circle as eight chords) drawn by a plain
// QPainter into a 256 × 256 picture.
void FlowerWithQPainter(benchmark::State& state)
{
    constexpr double kPi = 3.14159265358979323846;
    QImage picture(kSheetSize, kSheetSize, QImage::Format_RGB32);
    for (auto _ : state) {
        picture.fill(Qt::white);
        QPainter painter(&picture);
        painter.translate(kSheetSize / 2.0, kSheetSize / 2.0);
        for (int flower = 0; flower < kMaxOwnTimes; ++flower) {
            const double heading = flower * 10.0 * kPi / 180.0;
            // The circle starts where the turtle stood, 50 ahead, and turns around a centre beside it.
            const QPointF start(50.0 * std::sin(heading), -50.0 * std::cos(heading));
            const QPointF centre = start + QPointF(50.0 * std::cos(heading), 50.0 * std::sin(heading));
            for (int chord = 0; chord < 8; ++chord) {
                const auto at = [&](int k) {
                    const double a = heading + kPi + k * 2.0 * kPi / 8.0;
                    return centre + QPointF(50.0 * std::cos(a), 50.0 * std::sin(a));
                };
                painter.drawLine(at(chord), at(chord + 1));
            }
        }
        painter.end();
        benchmark::DoNotOptimize(picture.constBits());
    }
}
BENCHMARK(FlowerWithQPainter)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
