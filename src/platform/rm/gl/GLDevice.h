#pragma once

#include "ddraw/DirectDraw.h"
#include "rm/Device.h"
#include "rm/Viewport.h"

#include <QPointer>

namespace rm::gl {

class GLRenderWidget;

// A device drawing with OpenGL into the clipper's window, width × height pixels from its top
// left corner. A device the layer does not know (not the hardware or software device of the
// device search, nor nullptr) fails with D3DRMERR_BADDEVICE.
HRESULT CreateDevice(ddraw::Clipper* clipper, const win::GUID* device, int width, int height, Ptr<Device3>& result);

// A viewport of `device` (made by CreateDevice) showing what `camera` sees.
HRESULT CreateViewport(Device3* device, Frame3* camera, int x, int y, int width, int height, Ptr<Viewport2>& result);

// The OpenGL device: a drawing surface (a child widget over the window) that shows what the
// device's viewports recorded, its textures sampled as its texture quality says.
class GLDevice final : public Device3 {
public:
    GLDevice(QWidget* window, int width, int height);

    // The drawing surface; none once its window is gone.
    GLRenderWidget* Surface() const;

private:
    ~GLDevice() override;

    HRESULT DoUpdate() override;
    HRESULT DoQueryWinDevice(Ptr<WinDevice>& device) override;

    QPointer<GLRenderWidget> surface_;
    Ptr<WinDevice> winDevice_;
};

} // namespace rm::gl
