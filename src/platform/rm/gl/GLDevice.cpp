#include "rm/gl/GLDevice.h"

#include "rm/gl/GLRenderWidget.h"

namespace rm::gl {

namespace {

// Painting and activation of the device's window, passed on by the engine.
class GLWinDevice final : public WinDevice {
public:
    explicit GLWinDevice(GLRenderWidget* surface) : surface_(surface) {}

    HRESULT HandlePaint(void*) override
    {
        if (!surface_)
            return D3DRMERR_BADOBJECT;
        surface_->repaint();
        return D3DRM_OK;
    }

    // There is no system palette to realise: OpenGL looks colours up in the texture's own.
    HRESULT HandleActivate(std::uint16_t) override { return D3DRM_OK; }

private:
    QPointer<GLRenderWidget> surface_;
};

} // namespace

HRESULT CreateDevice(ddraw::Clipper* clipper, const win::GUID* device, int width, int height, Ptr<Device3>& result)
{
    if (!clipper || !clipper->GetHWnd())
        return D3DRMERR_BADOBJECT;
    if (device && *device != ddraw::IID_HardwareDevice && *device != ddraw::IID_SoftwareDevice)
        return D3DRMERR_BADDEVICE;
    if (width <= 0 || height <= 0)
        return D3DRMERR_BADVALUE;
    result = MakePtr<GLDevice>(clipper->GetHWnd(), width, height);
    return D3DRM_OK;
}

GLDevice::GLDevice(QWidget* window, int width, int height)
    : Device3(width, height),
      surface_(new GLRenderWidget(window, width, height)), // the window owns it until we let it go
      winDevice_(MakePtr<GLWinDevice>(surface_.data()))
{
}

GLDevice::~GLDevice()
{
    // Gone at once, so that a device made again on the same window is the only one drawing.
    delete surface_.data();
}

GLRenderWidget* GLDevice::Surface() const
{
    return surface_.data();
}

HRESULT GLDevice::DoUpdate()
{
    if (!surface_)
        return D3DRMERR_BADOBJECT;
    surface_->Building().textureQuality = GetTextureQuality();
    return surface_->Present();
}

HRESULT GLDevice::DoQueryWinDevice(Ptr<WinDevice>& device)
{
    device = winDevice_;
    return D3DRM_OK;
}

} // namespace rm::gl
