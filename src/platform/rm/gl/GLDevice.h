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

// The OpenGL device: the render settings, kept for whoever asks, and a drawing surface (a
// child widget over the window) that shows what the device's viewports recorded.
class GLDevice final : public Device3 {
public:
    GLDevice(QWidget* window, int width, int height);

    HRESULT SetRenderMode(D3DRMRENDERMODE mode) override;
    HRESULT SetQuality(D3DRMRENDERQUALITY quality) override;
    HRESULT SetTextureQuality(D3DRMTEXTUREQUALITY quality) override;
    HRESULT SetDither(bool dither) override;
    HRESULT SetShades(std::uint32_t shades) override;
    int GetWidth() const override { return width_; }
    int GetHeight() const override { return height_; }
    bool GetDither() const override { return dither_; }
    D3DRMRENDERQUALITY GetQuality() const override { return quality_; }
    std::uint32_t GetShades() const override { return shades_; }
    D3DRMRENDERMODE GetRenderMode() const override { return renderMode_; }
    D3DRMTEXTUREQUALITY GetTextureQuality() const override { return textureQuality_; }
    HRESULT Update() override;
    HRESULT QueryDevice(Ptr<Device>& device) override;
    HRESULT QueryWinDevice(Ptr<WinDevice>& device) override;

    // The drawing surface; none once its window is gone.
    GLRenderWidget* Surface() const;

private:
    ~GLDevice() override;

    QPointer<GLRenderWidget> surface_;
    int width_;
    int height_;
    D3DRMRENDERMODE renderMode_ = 0;
    D3DRMRENDERQUALITY quality_ = D3DRMRENDER_FLAT;
    D3DRMTEXTUREQUALITY textureQuality_ = D3DRMTEXTURE_NEAREST;
    bool dither_ = true;
    std::uint32_t shades_ = 32;
    Ptr<Device> device_;
    Ptr<WinDevice> winDevice_;
};

} // namespace rm::gl
