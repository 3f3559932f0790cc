#include "BareGLLoop.h"
#include "ddraw/DirectDraw.h"
#include "rm/Frame.h"
#include "rm/MeshBuilder.h"
#include "rm/Texture.h"
#include "rm/gl/GLDevice.h"

namespace {

// One frame pass of the engine with nothing in the scene: clear, render, update, pump.
void RenderEmptyScenePass(benchmark::State& state)
{
    if (!bench::HaveDisplay()) {
        state.SkipWithError("needs a display");
        return;
    }
    bench::Application();
    QWidget window;
    bench::ShowWindow(window);
    rm::Ptr<ddraw::Clipper> clipper;
    if (ddraw::DirectDrawCreateClipper(0, clipper) != ddraw::DD_OK || clipper->SetHWnd(0, &window) != ddraw::DD_OK) {
        state.SkipWithError("no clipper");
        return;
    }
    rm::Ptr<rm::Device3> device;
    rm::Ptr<rm::Viewport2> viewport;
    auto scene = rm::MakePtr<rm::Frame3>();
    auto camera = rm::MakePtr<rm::Frame3>();
    scene->AddChild(camera.get());
    scene->SetSceneBackgroundRGB(1.0f, 1.0f, 1.0f);
    if (rm::gl::CreateDevice(clipper.get(), nullptr, bench::kWidth, bench::kHeight, device) != rm::D3DRM_OK ||
        rm::gl::CreateViewport(device.get(), camera.get(), 0, 0, bench::kWidth, bench::kHeight, viewport) != rm::D3DRM_OK) {
        state.SkipWithError("no device");
        return;
    }
    for (auto _ : state) {
        viewport->Clear(rm::D3DRMCLEAR_ALL);
        viewport->Render(scene.get());
        if (device->Update() != rm::D3DRM_OK) {
            state.SkipWithError("update failed");
            break;
        }
        QCoreApplication::processEvents();
    }
    bench::CountPasses(state);
}
BENCHMARK(RenderEmptyScenePass)->Unit(benchmark::kMicrosecond)->UseRealTime();

// One frame pass with a floor whose 256 × 256 texture changed, as every step of a walk changes
// the sheet: its colours and their smaller copies are taken again.
void RenderChangedFloorPass(benchmark::State& state)
{
    if (!bench::HaveDisplay()) {
        state.SkipWithError("needs a display");
        return;
    }
    bench::Application();
    QWidget window;
    bench::ShowWindow(window);
    rm::Ptr<ddraw::Clipper> clipper;
    if (ddraw::DirectDrawCreateClipper(0, clipper) != ddraw::DD_OK || clipper->SetHWnd(0, &window) != ddraw::DD_OK) {
        state.SkipWithError("no clipper");
        return;
    }
    rm::Ptr<rm::Device3> device;
    rm::Ptr<rm::Viewport2> viewport;
    auto scene = rm::MakePtr<rm::Frame3>();
    auto camera = rm::MakePtr<rm::Frame3>();
    auto floor = rm::MakePtr<rm::Frame3>();
    scene->AddChild(camera.get());
    scene->AddChild(floor.get());
    camera->SetPosition(nullptr, 0, 0, -10);
    auto texture = rm::MakePtr<rm::Texture3>(256, 256);
    auto mesh = rm::MakePtr<rm::MeshBuilder3>();
    const rm::D3DVECTOR normal{0, 0, -1};
    mesh->Vertices() = {{{-4, 4, 0}, normal, 0, 0}, {{4, 4, 0}, normal, 1, 0}, {{-4, -4, 0}, normal, 0, 1},
                        {{4, -4, 0}, normal, 1, 1}};
    mesh->Faces() = {{{0, 1, 2}, 0}, {{2, 1, 3}, 0}};
    mesh->Materials() = {{1.0f, 1.0f, 1.0f, 1.0f, texture}};
    mesh->GeometryChanged();
    floor->AddVisual(mesh.get());
    if (rm::gl::CreateDevice(clipper.get(), nullptr, bench::kWidth, bench::kHeight, device) != rm::D3DRM_OK ||
        rm::gl::CreateViewport(device.get(), camera.get(), 0, 0, bench::kWidth, bench::kHeight, viewport) != rm::D3DRM_OK) {
        state.SkipWithError("no device");
        return;
    }
    auto* pixels = static_cast<std::uint8_t*>(texture->GetImage()->buffer1);
    std::uint8_t colour = 0;
    for (auto _ : state) {
        pixels[colour] = colour;
        ++colour;
        texture->Changed(rm::D3DRMTEXTURE_CHANGEDPIXELS, 0, nullptr);
        viewport->Clear(rm::D3DRMCLEAR_ALL);
        viewport->Render(scene.get());
        if (device->Update() != rm::D3DRM_OK) {
            state.SkipWithError("update failed");
            break;
        }
        QCoreApplication::processEvents();
    }
    bench::CountPasses(state);
}
BENCHMARK(RenderChangedFloorPass)->Unit(benchmark::kMicrosecond)->UseRealTime();

BENCHMARK(bench::BareClearPass)->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
