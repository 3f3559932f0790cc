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
#include "turtle/CameraControl.h"
#include "notebook/TurtleWalker.h"
#include "turtle/TurtleSheet.h"

#include <QDir>

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
    for (auto _ : state)
        engine.pass.Run();
    bench::CountPasses(state);
}
BENCHMARK(MainLoopPassEmptyScene)->Unit(benchmark::kMicrosecond)->UseRealTime();

// Main-loop passes with the floor while a move draws on the sheet.
void MainLoopPassWhileDrawing(benchmark::State& state)
{
    if (!bench::HaveDisplay()) {
        state.SkipWithError("needs a display");
        return;
    }
    bench::Application();
    Engine engine;
    QDir::setCurrent(QStringLiteral(QEL_DATA_DIR));
    const rm::Ptr<rm::Frame3> floor = engine.core.AddMeshFromFile("00.x", 0, 0, 0);
    TextureFloor floorImage;
    if (!engine.created || !floor || !floorImage.Attach(engine.core.GetTexture(), floor.get())) {
        state.SkipWithError("no floor");
        return;
    }
    engine.sheet.AttachFloor(floorImage);
    engine.sheet.ResetTurtle();
    engine.walker.SetDriven(true);
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
    for (auto _ : state)
        pass();
    bench::CountPasses(state);
}
BENCHMARK(MainLoopPassWhileDrawing)->Unit(benchmark::kMicrosecond)->UseRealTime();

BENCHMARK(bench::BareClearPass)->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
