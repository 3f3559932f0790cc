#include "BareGLLoop.h"
#include "ddraw/DirectDraw.h"
#include "rm/Frame.h"
#include "rm/MeshBuilder.h"
#include "rm/Texture.h"
#include "rm/gl/GLDevice.h"

#include <functional>
#include <memory>

namespace {

// A window with the engine's device and viewport over an empty scene and its camera; `furnish`
// puts things into the scene before the device is made.
struct RenderRig {
    std::unique_ptr<QWidget> window;
    rm::Ptr<ddraw::Clipper> clipper;
    rm::Ptr<rm::Device3> device;
    rm::Ptr<rm::Viewport2> viewport;
    rm::Ptr<rm::Frame3> scene = rm::MakePtr<rm::Frame3>();
    rm::Ptr<rm::Frame3> camera = rm::MakePtr<rm::Frame3>();

    bool Make(benchmark::State& state, const std::function<void(RenderRig&)>& furnish)
    {
        if (!bench::HaveDisplay()) {
            state.SkipWithError("needs a display");
            return false;
        }
        bench::Application();
        window = std::make_unique<QWidget>();
        bench::ShowWindow(*window);
        if (ddraw::DirectDrawCreateClipper(0, clipper) != ddraw::DD_OK || clipper->SetHWnd(0, window.get()) != ddraw::DD_OK) {
            state.SkipWithError("no clipper");
            return false;
        }
        scene->AddChild(camera.get());
        furnish(*this);
        if (rm::gl::CreateDevice(clipper.get(), nullptr, bench::kWidth, bench::kHeight, device) != rm::D3DRM_OK ||
            rm::gl::CreateViewport(device.get(), camera.get(), 0, 0, bench::kWidth, bench::kHeight, viewport) != rm::D3DRM_OK) {
            state.SkipWithError("no device");
            return false;
        }
        return true;
    }

    // Clear, render, update, pump; false when the update failed.
    bool Pass(benchmark::State& state)
    {
        viewport->Clear(rm::D3DRMCLEAR_ALL);
        viewport->Render(scene.get());
        if (device->Update() != rm::D3DRM_OK) {
            state.SkipWithError("update failed");
            return false;
        }
        QCoreApplication::processEvents();
        return true;
    }

    bool WarmUp(benchmark::State& state)
    {
        for (int i = 0; i < bench::kWarmUpPasses; ++i)
            if (!Pass(state))
                return false;
        return true;
    }
};

// One frame pass of the engine with nothing in the scene: clear, render, update, pump.
void RenderEmptyScenePass(benchmark::State& state)
{
    RenderRig rig;
    if (!rig.Make(state, [](RenderRig& r) { r.scene->SetSceneBackgroundRGB(1.0f, 1.0f, 1.0f); }) || !rig.WarmUp(state))
        return;
    const bench::PassCount count;
    for (auto _ : state)
        if (!rig.Pass(state))
            break;
    count.Report(state);
}
BENCHMARK(RenderEmptyScenePass)->Unit(benchmark::kMicrosecond)->UseRealTime();

// One frame pass with a floor whose 256 × 256 texture changed in a row, as every step of a walk
// changes a few rows of the sheet: those rows' colours are taken again.
void RenderChangedFloorPass(benchmark::State& state)
{
    RenderRig rig;
    auto texture = rm::MakePtr<rm::Texture3>(256, 256);
    auto floor = rm::MakePtr<rm::Frame3>();
    auto mesh = rm::MakePtr<rm::MeshBuilder3>();
    const bool made = rig.Make(state, [&](RenderRig& r) {
        r.scene->AddChild(floor.get());
        r.camera->SetPosition(nullptr, 0, 0, -10);
        const rm::D3DVECTOR normal{0, 0, -1};
        mesh->Vertices() = {{{-4, 4, 0}, normal, 0, 0}, {{4, 4, 0}, normal, 1, 0}, {{-4, -4, 0}, normal, 0, 1},
                            {{4, -4, 0}, normal, 1, 1}};
        mesh->Faces() = {{{0, 1, 2}, 0}, {{2, 1, 3}, 0}};
        mesh->Materials() = {{1.0f, 1.0f, 1.0f, 1.0f, texture}};
        mesh->GeometryChanged();
        floor->AddVisual(mesh.get());
    });
    if (!made || !rig.WarmUp(state))
        return;
    auto* pixels = static_cast<std::uint8_t*>(texture->GetImage()->buffer1);
    std::uint8_t colour = 0;
    const rm::Rect drawnRow{0, 0, 256, 1};
    const bench::PassCount count;
    for (auto _ : state) {
        pixels[colour] = colour;
        ++colour;
        texture->Changed(rm::D3DRMTEXTURE_CHANGEDPIXELS, 1, &drawnRow);
        if (!rig.Pass(state))
            break;
    }
    count.Report(state);
}
BENCHMARK(RenderChangedFloorPass)->Unit(benchmark::kMicrosecond)->UseRealTime();

BENCHMARK(bench::BareClearPass)->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
