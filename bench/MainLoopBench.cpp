#include "BareGLLoop.h"
#include "SilentPanel.h"
#include "engine/DXCamera.h"
#include "engine/DXCore.h"
#include "engine/DXLight.h"
#include "engine/DXScene.h"
#include "engine/DXViewport.h"
#include "turtle/TurtleMotion.h"
#include "turtle/TurtleSheet.h"

#include <QDir>

namespace {

struct NoHost final : MotionHost {
    void EndCommand() override {}
    void MarkPageDrawn() override {}
};

// The engine as the main window sets it up: a white scene, the two lights, the camera behind and
// above the origin, a 400 × 300 view.
struct Engine {
    Engine()
    {
        window.resize(620, 360);
        viewport.setGeometry(0, 0, bench::kWidth, bench::kHeight);
        scene.BGColor = 0xFFFFFF;
        scene.Camera = &camera;
        scene.Light1 = &directional;
        scene.Light2 = &ambient;
        scene.LightDirX = -1;
        scene.LightDirY = -1;
        scene.LightDirZ = 1;
        scene.LightUpY = 1;
        directional.Color = ambient.Color = 0xFFFFFF;
        directional.CFactor = 60;
        directional.Mode = lmDirectional;
        ambient.CFactor = 70;
        camera.PosY = 3000;
        camera.PosZ = -2000;
        camera.ViewY = -3;
        camera.ViewZ = 2;
        core.DXViewport = &viewport;
        core.DXScene = &scene;
        core.Front = 1;
        core.Back = 8000;
        bench::ShowWindow(window);
        created = core.Create(nullptr, QFile::encodeName(QStringLiteral(QEL_DATA_DIR "/bmp.mte")).constData());
    }

    QWidget window;
    TDXViewport viewport{&window};
    TDXScene scene;
    TDXCamera camera;
    TDXLight directional, ambient;
    TDXCore core{&window};
    bool created = false;
};

// One pass of the main loop's engine part with an empty scene: pump, clear, render, present.
void CorePassEmptyScene(benchmark::State& state)
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
    for (auto _ : state) {
        engine.core.Step();
        engine.core.RenderScene();
    }
    bench::CountPasses(state);
}
BENCHMARK(CorePassEmptyScene)->Unit(benchmark::kMicrosecond)->UseRealTime();

// The same with the floor while a move draws on the sheet every pass.
void CorePassFloorWhileDrawing(benchmark::State& state)
{
    if (!bench::HaveDisplay()) {
        state.SkipWithError("needs a display");
        return;
    }
    bench::Application();
    Engine engine;
    QDir::setCurrent(QStringLiteral(QEL_DATA_DIR));
    const rm::Ptr<rm::Frame3> floor = engine.core.AddMeshFromFile("00.x", 0, 0, 0);
    TTurtleState turtle;
    SilentPanel panel;
    TurtleSheet sheet(turtle, panel);
    NoHost host;
    TurtleMotion motion(sheet, host);
    if (!engine.created || !floor || !sheet.AttachFloor(engine.core.GetTexture())) {
        state.SkipWithError("no floor");
        return;
    }
    sheet.ResetTurtle();
    for (auto _ : state) {
        if (motion.State == CommandState::Idle || turtle.Y > 120.0) {
            turtle.Y = -120.0;
            motion.StartForward(100);
        }
        motion.StepCommand(34); // a step of about one unit draws and refreshes the floor
        engine.core.Step();
        engine.core.RenderScene();
    }
    bench::CountPasses(state);
}
BENCHMARK(CorePassFloorWhileDrawing)->Unit(benchmark::kMicrosecond)->UseRealTime();

BENCHMARK(bench::BareClearPass)->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
