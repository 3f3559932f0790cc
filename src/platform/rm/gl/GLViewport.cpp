#include "rm/gl/GLViewport.h"

#include "rm/gl/FrameRecord.h"
#include "rm/gl/GLRenderWidget.h"

#include <algorithm>
#include <cmath>

namespace rm::gl {

namespace {

// The cofactors of the turn-and-scale part of `m`, row-major: its inverse transposed, times its
// determinant. Frames loaded from models scale, so neither inverse may assume a pure turn.
std::array<float, 9> Cofactors(const Matrix4& m)
{
    std::array<float, 9> c{};
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column) {
            const int r0 = (row + 1) % 3, r1 = (row + 2) % 3, c0 = (column + 1) % 3, c1 = (column + 2) % 3;
            c[static_cast<std::size_t>(row * 3 + column)] = m.At(r0, c0) * m.At(r1, c1) - m.At(r0, c1) * m.At(r1, c0);
        }
    return c;
}

float Determinant(const Matrix4& m, const std::array<float, 9>& cofactors)
{
    return m.At(0, 0) * cofactors[0] + m.At(0, 1) * cofactors[1] + m.At(0, 2) * cofactors[2];
}

// The inverse of a transform that turns, scales and moves, whose determinant is `det`.
Matrix4 AffineInverse(const Matrix4& m, const std::array<float, 9>& cofactors, float det)
{
    Matrix4 r;
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
            r.At(row, column) = cofactors[static_cast<std::size_t>(column * 3 + row)] / det;
    const D3DVECTOR t = r.TransformDirection(m.Translation());
    r.At(0, 3) = -t.x;
    r.At(1, 3) = -t.y;
    r.At(2, 3) = -t.z;
    return r;
}

// Looking along the camera's z axis; at distance 1 the view reaches 0.5 from its centre across
// the viewport's shorter side.
Matrix4 Projection(const QRect& area, float front, float back)
{
    const float w = static_cast<float>(area.width());
    const float h = static_cast<float>(area.height());
    const float shorter = std::min(w, h);
    Matrix4 p;
    p.m = {2.0f * shorter / w, 0, 0, 0,
           0, 2.0f * shorter / h, 0, 0,
           0, 0, (back + front) / (back - front), -2.0f * back * front / (back - front),
           0, 0, 1, 0};
    return p;
}

void CollectLights(const Frame3& frame, const Matrix4& world, FrameRecord::Lights& lights)
{
    for (const Ptr<Light>& light : frame.Lights()) {
        if (light->Type() == D3DRMLIGHT_AMBIENT) {
            lights.ambient = {lights.ambient.x + light->Red(), lights.ambient.y + light->Green(),
                              lights.ambient.z + light->Blue()};
            continue;
        }
        if (lights.count == FrameRecord::kMaxLights)
            continue;
        // Point, spot and parallel point lights shine from where they stand, unweakened with
        // distance and without a cone.
        const bool directional = light->Type() == D3DRMLIGHT_DIRECTIONAL;
        const D3DVECTOR v = directional ? Normalized(world.Axis(2)) : world.Translation();
        const auto i = static_cast<std::size_t>(lights.count);
        std::copy_n(std::array{v.x, v.y, v.z, directional ? 0.0f : 1.0f}.begin(), 4, &lights.vectors[i * 4]);
        std::copy_n(std::array{light->Red(), light->Green(), light->Blue()}.begin(), 3, &lights.colours[i * 3]);
        ++lights.count;
    }
    for (const Ptr<Frame3>& child : frame.Children())
        CollectLights(*child, world * child->LocalTransform(), lights);
}

void CollectMeshes(const Frame3& frame, const Matrix4& world, bool lighting, std::vector<FrameRecord::Mesh>& meshes)
{
    if (!frame.Visuals().empty()) {
        // Scaled by the determinant, of which only the sign outlives the normalising.
        std::array<float, 9> normalWorld = Cofactors(world);
        if (Determinant(world, normalWorld) < 0.0f)
            for (float& value : normalWorld)
                value = -value;
        for (const Ptr<Visual>& visual : frame.Visuals())
            if (auto* mesh = dynamic_cast<MeshBuilder3*>(visual.get()))
                meshes.push_back({Ptr<MeshBuilder3>::Share(mesh), world, normalWorld,
                                  lighting && (mesh->Quality() & D3DRMLIGHT_ON)});
    }
    for (const Ptr<Frame3>& child : frame.Children())
        CollectMeshes(*child, world * child->LocalTransform(), lighting, meshes);
}

} // namespace

HRESULT CreateViewport(Device3* device, Frame3* camera, int x, int y, int width, int height, Ptr<Viewport2>& result)
{
    if (!device || !camera)
        return D3DRMERR_BADOBJECT;
    auto* glDevice = dynamic_cast<GLDevice*>(device);
    if (!glDevice)
        return D3DRMERR_BADDEVICE;
    const QRect area(x, y, width, height);
    if (width <= 0 || height <= 0 || !QRect(0, 0, device->GetWidth(), device->GetHeight()).contains(area))
        return D3DRMERR_BADVALUE;
    result = MakePtr<GLViewport>(glDevice, camera, area);
    return D3DRM_OK;
}

GLViewport::GLViewport(GLDevice* device, Frame3* camera, const QRect& area)
    : Viewport2(camera), device_(Ptr<GLDevice>::Share(device)), area_(area)
{
}

HRESULT GLViewport::DoClear(std::uint32_t flags)
{
    GLRenderWidget* surface = device_->Surface();
    if (!surface)
        return D3DRMERR_BADOBJECT;
    // Held until this viewport's render, whose scene gives the background.
    if (flags)
        surface->Building().StepOf(this, area_).clearFlags |= flags;
    return surface->Failed() ? D3DRMERR_BADDEVICE : D3DRM_OK;
}

HRESULT GLViewport::DoRender(Frame3* scene)
{
    if (!scene)
        return D3DRMERR_BADOBJECT;
    GLRenderWidget* surface = device_->Surface();
    if (!surface)
        return D3DRMERR_BADOBJECT;
    FrameRecord& frame = surface->Building();
    FrameRecord::Step& step = frame.StepOf(this, area_);
    step.rendered = true;
    step.background = scene->SceneBackground();
    step.lights = {};
    step.firstMesh = frame.meshes.size();
    step.meshCount = 0;
    const Matrix4 eye = Camera()->WorldTransform();
    const std::array<float, 9> eyeCofactors = Cofactors(eye);
    const float eyeDeterminant = Determinant(eye, eyeCofactors);
    if (eyeDeterminant == 0.0f) // a camera squashed flat sees nothing
        return surface->Failed() ? D3DRMERR_BADDEVICE : D3DRM_OK;
    step.viewProjection = Projection(area_, GetFront(), GetBack()) * AffineInverse(eye, eyeCofactors, eyeDeterminant);
    const Matrix4 world = scene->WorldTransform();
    CollectLights(*scene, world, step.lights);
    CollectMeshes(*scene, world, (device_->GetQuality() & D3DRMLIGHT_ON) != 0, frame.meshes);
    step.meshCount = frame.meshes.size() - step.firstMesh;
    return surface->Failed() ? D3DRMERR_BADDEVICE : D3DRM_OK;
}

HRESULT GLViewport::DoSetFront(float front)
{
    return std::isfinite(front) && front > 0.0f && front < GetBack() ? D3DRM_OK : D3DRMERR_BADVALUE;
}

HRESULT GLViewport::DoSetBack(float back)
{
    return std::isfinite(back) && back > GetFront() ? D3DRM_OK : D3DRMERR_BADVALUE;
}

} // namespace rm::gl
