#include "ddraw/DirectDraw.h"

#include "rm/Types.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QPointer>
#include <QThread>
#include <QWidget>

#include <optional>

namespace ddraw {
namespace {



constexpr std::uint32_t kRenderDepths = DDBD_16 | DDBD_24 | DDBD_32;

enum class Renderer { Hardware, Software };

bool IsSoftwareRasteriser(const QByteArray& renderer)
{
    const QByteArray lower = renderer.toLower();
    for (const char* name : {"llvmpipe", "softpipe", "swrast", "software"})
        if (lower.contains(name))
            return true;
    return false;
}

// Reads the renderer of a throwaway GL context, leaving whatever context was current as it was.
std::optional<Renderer> AskOpenGL()
{
    QOpenGLContext* previous = QOpenGLContext::currentContext();
    QSurface* previousSurface = previous ? previous->surface() : nullptr;

    QOffscreenSurface surface;
    surface.create();
    QOpenGLContext context;
    std::optional<Renderer> renderer;
    if (surface.isValid() && context.create() && context.makeCurrent(&surface)) {
        const auto* name = reinterpret_cast<const char*>(context.functions()->glGetString(GL_RENDERER));
        if (name)
            renderer = IsSoftwareRasteriser(QByteArray(name)) ? Renderer::Software : Renderer::Hardware;
        context.doneCurrent();
    }
    if (previous)
        previous->makeCurrent(previousSurface);
    return renderer;
}

// The machine's renderer, asked of OpenGL once. Without an application on this thread there is
// no window system to ask, and nothing is remembered so that a later call can ask again.
std::optional<Renderer> MachineRenderer()
{
    const auto* application = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    if (!application || QThread::currentThread() != application->thread())
        return std::nullopt;
    static const std::optional<Renderer> renderer = AskOpenGL();
    return renderer;
}

// The description of one side of the machine's device. A side without a device reports that
// it renders at no depth at all, so a caller that falls back to software on a hardware side
// lacking its desktop depth does so.
D3DDEVICEDESC Describe(bool present, std::uint32_t colorModel)
{
    D3DDEVICEDESC description{};
    description.dwSize = sizeof description;
    description.dwFlags = D3DDD_DEVICERENDERBITDEPTH;
    if (present) {
        description.dwFlags |= D3DDD_COLORMODEL;
        description.dcmColorModel = colorModel;
        description.dwDeviceRenderBitDepth = kRenderDepths;
    }
    return description;
}

class SystemDirect3D final : public Direct3D {
public:
    explicit SystemDirect3D(Renderer renderer) : renderer_(renderer) {}

    HRESULT FindDevice(const D3DFINDDEVICESEARCH& search, D3DFINDDEVICERESULT& result) override
    {
        if (search.dwSize != sizeof(D3DFINDDEVICESEARCH) || result.dwSize != sizeof(D3DFINDDEVICERESULT))
            return DDERR_INVALIDPARAMS;

        const bool hardware = renderer_ == Renderer::Hardware;
        const GUID guid = hardware ? IID_HardwareDevice : IID_SoftwareDevice;
        const std::uint32_t colorModel =
            search.dwFlags & D3DFDS_COLORMODEL ? search.dcmColorModel : rm::D3DCOLOR_RGB;

        const bool modelMatches = colorModel == rm::D3DCOLOR_MONO || colorModel == rm::D3DCOLOR_RGB;
        result = {};
        result.dwSize = sizeof result;
        result.ddHwDesc = Describe(hardware && modelMatches, colorModel);
        result.ddSwDesc = Describe(!hardware && modelMatches, colorModel);

        const bool sideMatches = !(search.dwFlags & D3DFDS_HARDWARE) || (search.bHardware != 0) == hardware;
        const bool guidMatches = !(search.dwFlags & D3DFDS_GUID) || search.guid == guid;
        if (!sideMatches || !modelMatches || !guidMatches)
            return DDERR_NOTFOUND;
        result.guid = guid;
        return DD_OK;
    }

private:
    Renderer renderer_;
};

// The screen. Drawing reaches it through OpenGL, so the surface offers nothing but its
// DirectX 5 interface.
class SystemSurface final : public Surface {
public:
    HRESULT QuerySurface3(Ptr<Surface3>& surface3) override
    {
        surface3 = rm::MakePtr<Surface3>();
        return DD_OK;
    }
};

class SystemDirectDraw final : public DirectDraw {
public:
    explicit SystemDirectDraw(Renderer renderer) : renderer_(renderer) {}

    HRESULT QueryDirect3D(Ptr<Direct3D>& direct3D) override
    {
        direct3D = rm::MakePtr<SystemDirect3D>(renderer_);
        return DD_OK;
    }

    HRESULT QueryDirectDraw2(Ptr<DirectDraw2>& directDraw2) override
    {
        directDraw2 = rm::MakePtr<DirectDraw2>();
        return DD_OK;
    }

    // Drawing happens in windows only, so the normal level is the one there is.
    HRESULT SetCooperativeLevel(HWND, std::uint32_t flags) override
    {
        if (flags != DDSCL_NORMAL)
            return DDERR_UNSUPPORTED;
        levelSet_ = true;
        return DD_OK;
    }

    HRESULT CreateSurface(const DDSURFACEDESC& description, Ptr<Surface>& surface) override
    {
        surface.reset();
        if (description.dwSize != sizeof(DDSURFACEDESC) || !(description.dwFlags & DDSD_CAPS))
            return DDERR_INVALIDPARAMS;
        if (!levelSet_)
            return DDERR_NOCOOPERATIVELEVELSET;
        if (description.ddsCaps.dwCaps != DDSCAPS_PRIMARYSURFACE)
            return DDERR_UNSUPPORTED;
        surface = rm::MakePtr<SystemSurface>();
        return DD_OK;
    }

private:
    Renderer renderer_;
    bool levelSet_ = false;
};

class SystemClipper final : public Clipper {
public:
    HRESULT SetHWnd(std::uint32_t flags, HWND window) override
    {
        if (flags != 0 || !window)
            return DDERR_INVALIDPARAMS;
        window_ = window;
        return DD_OK;
    }

    // A window that has gone away is no longer the clipper's.
    HWND GetHWnd() const override { return window_.data(); }

private:
    QPointer<QWidget> window_;
};

} // namespace

HRESULT DirectDrawCreate(const GUID* driver, Ptr<DirectDraw>& directDraw)
{
    directDraw.reset();
    // Only the display driver in use is known.
    if (driver)
        return DDERR_NOTFOUND;
    const std::optional<Renderer> renderer = MachineRenderer();
    if (!renderer)
        return DDERR_NODIRECTDRAWHW;
    directDraw = rm::MakePtr<SystemDirectDraw>(*renderer);
    return DD_OK;
}

HRESULT DirectDrawCreateClipper(std::uint32_t flags, Ptr<Clipper>& clipper)
{
    clipper.reset();
    if (flags != 0)
        return DDERR_INVALIDPARAMS;
    clipper = rm::MakePtr<SystemClipper>();
    return DD_OK;
}

} // namespace ddraw
