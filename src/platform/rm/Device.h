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
// frame last rendered.
class Device3 : public Unknown {
public:
    virtual HRESULT SetRenderMode(D3DRMRENDERMODE mode) = 0;
    virtual HRESULT SetQuality(D3DRMRENDERQUALITY quality) = 0;
    virtual HRESULT SetTextureQuality(D3DRMTEXTUREQUALITY quality) = 0;
    virtual HRESULT SetDither(bool dither) = 0;
    virtual HRESULT SetShades(std::uint32_t shades) = 0;
    virtual int GetWidth() const = 0;
    virtual int GetHeight() const = 0;
    virtual bool GetDither() const = 0;
    virtual D3DRMRENDERQUALITY GetQuality() const = 0;
    virtual std::uint32_t GetShades() const = 0;
    virtual D3DRMRENDERMODE GetRenderMode() const = 0;
    virtual D3DRMTEXTUREQUALITY GetTextureQuality() const = 0;
    virtual HRESULT Update() = 0;
    virtual HRESULT QueryDevice(Ptr<Device>& device) = 0;
    virtual HRESULT QueryWinDevice(Ptr<WinDevice>& device) = 0;
};

} // namespace rm
