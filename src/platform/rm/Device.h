#pragma once

#include "rm/Types.h"
#include "rm/Unknown.h"

namespace rm {

// The device's window side: it is told when its window was painted or (de)activated.
class WinDevice : public Unknown {
public:
    virtual HRESULT HandlePaint(void* paintContext) = 0;
    virtual HRESULT HandleActivate(std::uint16_t active) = 0;
};

// The device's first interface, asked for by the core and otherwise unused.
class Device : public Unknown {};

// A rendering device over a window: its size, its render settings, and Update, which shows the
// frame last rendered. The settings are kept here for whoever asks; a backend hooks in only
// where it does something with them, and a setting it refuses stays as it was.
class Device3 : public Unknown {
public:
    HRESULT SetRenderMode(D3DRMRENDERMODE mode) { return Keep(DoSetRenderMode(mode), renderMode_, mode); }
    HRESULT SetQuality(D3DRMRENDERQUALITY quality) { return Keep(DoSetQuality(quality), quality_, quality); }
    HRESULT SetTextureQuality(D3DRMTEXTUREQUALITY quality)
    {
        return Keep(DoSetTextureQuality(quality), textureQuality_, quality);
    }
    HRESULT SetDither(bool dither) { return Keep(DoSetDither(dither), dither_, dither); }
    HRESULT SetShades(std::uint32_t shades) { return Keep(DoSetShades(shades), shades_, shades); }
    int GetWidth() const { return width_; }
    int GetHeight() const { return height_; }
    bool GetDither() const { return dither_; }
    D3DRMRENDERQUALITY GetQuality() const { return quality_; }
    std::uint32_t GetShades() const { return shades_; }
    D3DRMRENDERMODE GetRenderMode() const { return renderMode_; }
    D3DRMTEXTUREQUALITY GetTextureQuality() const { return textureQuality_; }
    HRESULT Update() { return DoUpdate(); }
    HRESULT QueryDevice(Ptr<Device>& device)
    {
        const HRESULT result = DoQueryDevice();
        if (result == D3DRM_OK)
            device = device_;
        return result;
    }
    HRESULT QueryWinDevice(Ptr<WinDevice>& device) { return DoQueryWinDevice(device); }

protected:
    Device3(int width, int height) : width_(width), height_(height), device_(MakePtr<Device>()) {}

private:
    template <class T>
    static HRESULT Keep(HRESULT result, T& field, T value)
    {
        if (result == D3DRM_OK)
            field = value;
        return result;
    }

    virtual HRESULT DoSetRenderMode(D3DRMRENDERMODE) { return D3DRM_OK; }
    virtual HRESULT DoSetQuality(D3DRMRENDERQUALITY) { return D3DRM_OK; }
    virtual HRESULT DoSetTextureQuality(D3DRMTEXTUREQUALITY) { return D3DRM_OK; }
    virtual HRESULT DoSetDither(bool) { return D3DRM_OK; }
    virtual HRESULT DoSetShades(std::uint32_t) { return D3DRM_OK; }
    virtual HRESULT DoUpdate() = 0;
    virtual HRESULT DoQueryDevice() { return D3DRM_OK; }
    virtual HRESULT DoQueryWinDevice(Ptr<WinDevice>& device) = 0;

    int width_;
    int height_;
    D3DRMRENDERMODE renderMode_ = 0;
    D3DRMRENDERQUALITY quality_ = D3DRMRENDER_FLAT;
    D3DRMTEXTUREQUALITY textureQuality_ = D3DRMTEXTURE_NEAREST;
    bool dither_ = true;
    std::uint32_t shades_ = 32;
    Ptr<Device> device_;
};

} // namespace rm
