#pragma once

#include "EngineSystem.h"

#include <cstdint>

class TDXCore;

// Every DirectDraw, Direct3D and retained-mode object of one engine core, with its render
// settings. The scene and the character read it.
struct TDirectX3DRM {
    rm::Ptr<rm::Direct3DRM> RM;
    win::HWND Window = nullptr;
    TDXCore* Core = nullptr;
    rm::Ptr<ddraw::DirectDraw> DD;
    rm::Ptr<ddraw::Direct3D> D3D;
    rm::Ptr<rm::Direct3DRM3> RM3;
    rm::Ptr<rm::Device> Device1;
    rm::Ptr<rm::Device3> Device;
    rm::Ptr<ddraw::Clipper> Clipper;
    rm::Ptr<rm::Viewport2> Viewport;
    ddraw::D3DFINDDEVICERESULT FindResult{};
    std::uint32_t ColorModel = 1;
    rm::D3DRMRENDERQUALITY Quality = rm::D3DRMRENDER_FLAT;
    bool Dither = false;
    rm::D3DRMRENDERMODE RenderMode = 0;
    rm::D3DRMTEXTUREQUALITY TextureQuality = rm::D3DRMTEXTURE_NEAREST;
    bool HardwareDevice = false;
};
