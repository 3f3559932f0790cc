#pragma once

#include "rm/Unknown.h"
#include "win/Types.h"

#include <cstdint>

namespace ddraw {

using rm::Ptr;
using rm::Unknown;
using win::GUID;
using win::HRESULT;
using win::HWND;

inline constexpr HRESULT DD_OK = 0;
inline constexpr HRESULT DDERR_GENERIC = static_cast<HRESULT>(0x80004005);
inline constexpr HRESULT DDERR_NOTFOUND = static_cast<HRESULT>(0x887600FF);
inline constexpr HRESULT DDERR_NODIRECTDRAWHW = static_cast<HRESULT>(0x88760233);
inline constexpr HRESULT DDERR_INVALIDPARAMS = static_cast<HRESULT>(0x80070057);
inline constexpr HRESULT DDERR_UNSUPPORTED = static_cast<HRESULT>(0x80004001);
inline constexpr HRESULT DDERR_INVALIDCAPS = static_cast<HRESULT>(0x88760064);
inline constexpr HRESULT DDERR_NOCOOPERATIVELEVELSET = static_cast<HRESULT>(0x887600D4);

// Cooperative level, surface description fields and surface kinds.
inline constexpr std::uint32_t DDSCL_NORMAL = 0x08;
inline constexpr std::uint32_t DDSD_CAPS = 0x01;
inline constexpr std::uint32_t DDSCAPS_PRIMARYSURFACE = 0x200;

// Which fields of a device description are filled.
inline constexpr std::uint32_t D3DDD_COLORMODEL = 0x01;
inline constexpr std::uint32_t D3DDD_DEVICERENDERBITDEPTH = 0x80;

// Device search flags and render depths.
inline constexpr std::uint32_t D3DFDS_COLORMODEL = 0x01;
inline constexpr std::uint32_t D3DFDS_GUID = 0x02;
inline constexpr std::uint32_t D3DFDS_HARDWARE = 0x04;
inline constexpr std::uint32_t DDBD_1 = 0x4000;
inline constexpr std::uint32_t DDBD_2 = 0x2000;
inline constexpr std::uint32_t DDBD_4 = 0x1000;
inline constexpr std::uint32_t DDBD_8 = 0x0800;
inline constexpr std::uint32_t DDBD_16 = 0x0400;
inline constexpr std::uint32_t DDBD_24 = 0x0200;
inline constexpr std::uint32_t DDBD_32 = 0x0100;

struct D3DPRIMCAPS {
    std::uint32_t dwSize, dwMiscCaps, dwRasterCaps, dwZCmpCaps, dwSrcBlendCaps, dwDestBlendCaps,
        dwAlphaCmpCaps, dwShadeCaps, dwTextureCaps, dwTextureFilterCaps, dwTextureBlendCaps,
        dwTextureAddressCaps, dwStippleWidth, dwStippleHeight;
};
static_assert(sizeof(D3DPRIMCAPS) == 56);

struct D3DFINDDEVICESEARCH {
    std::uint32_t dwSize;
    std::uint32_t dwFlags;
    std::int32_t bHardware;
    std::uint32_t dcmColorModel;
    GUID guid;
    std::uint32_t dwCaps;
    D3DPRIMCAPS dpcPrimCaps;
};
static_assert(sizeof(D3DFINDDEVICESEARCH) == 92);

struct D3DDEVICEDESC {
    std::uint32_t dwSize, dwFlags, dcmColorModel, dwDevCaps;
    std::uint32_t dtcTransformCaps[2];
    std::int32_t bClipping;
    std::uint32_t dlcLightingCaps[4];
    D3DPRIMCAPS dpcLineCaps, dpcTriCaps;
    std::uint32_t dwDeviceRenderBitDepth, dwDeviceZBufferBitDepth, dwMaxBufferSize, dwMaxVertexCount;
    std::uint32_t dwMinTextureWidth, dwMinTextureHeight, dwMaxTextureWidth, dwMaxTextureHeight;
    std::uint32_t dwMinStippleWidth, dwMaxStippleWidth, dwMinStippleHeight, dwMaxStippleHeight;
    std::uint32_t dwMaxTextureRepeat, dwMaxTextureAspectRatio, dwMaxAnisotropy;
    float dvGuardBandLeft, dvGuardBandTop, dvGuardBandRight, dvGuardBandBottom, dvExtentsAdjust;
    std::uint32_t dwStencilCaps, dwFVFCaps, dwTextureOpCaps;
    std::uint16_t wMaxTextureBlendStages, wMaxSimultaneousTextures;
};
static_assert(sizeof(D3DDEVICEDESC) == 252);

struct D3DFINDDEVICERESULT {
    std::uint32_t dwSize;
    GUID guid;
    D3DDEVICEDESC ddHwDesc;
    D3DDEVICEDESC ddSwDesc;
};
static_assert(sizeof(D3DFINDDEVICERESULT) == 524);

struct DDCOLORKEY {
    std::uint32_t dwColorSpaceLowValue, dwColorSpaceHighValue;
};

struct DDPIXELFORMAT {
    std::uint32_t dwSize, dwFlags, dwFourCC, dwRGBBitCount, dwRBitMask, dwGBitMask, dwBBitMask, dwRGBAlphaBitMask;
};
static_assert(sizeof(DDPIXELFORMAT) == 32);

struct DDSCAPS {
    std::uint32_t dwCaps;
};

struct DDSURFACEDESC {
    std::uint32_t dwSize, dwFlags, dwHeight, dwWidth;
    std::int32_t lPitch;
    std::uint32_t dwBackBufferCount, dwRefreshRate, dwAlphaBitDepth, dwReserved;
    // The 32-bit address slot of the surface memory; this layer hands out none.
    std::uint32_t lpSurface;
    DDCOLORKEY ddckCKDestOverlay, ddckCKDestBlt, ddckCKSrcOverlay, ddckCKSrcBlt;
    DDPIXELFORMAT ddpfPixelFormat;
    DDSCAPS ddsCaps;
};
static_assert(sizeof(DDSURFACEDESC) == 108);

// The devices this layer knows: the machine's OpenGL renderer, as a hardware device when it is
// a graphics card's and as a software one when it is a software rasteriser.
inline constexpr GUID IID_HardwareDevice{0x51A0E7F1, 0x1D4B, 0x4C3E, {0x9A, 0x10, 0x47, 0x4C, 0x33, 0x44, 0x48, 0x57}};
inline constexpr GUID IID_SoftwareDevice{0x51A0E7F2, 0x1D4B, 0x4C3E, {0x9A, 0x10, 0x47, 0x4C, 0x33, 0x44, 0x53, 0x57}};

// Binds drawing to a window.
class Clipper : public Unknown {
public:
    virtual HRESULT SetHWnd(std::uint32_t flags, HWND window) = 0;
    virtual HWND GetHWnd() const = 0;
};

// The device search.
class Direct3D : public Unknown {
public:
    virtual HRESULT FindDevice(const D3DFINDDEVICESEARCH& search, D3DFINDDEVICERESULT& result) = 0;
};

// The surface interface of DirectX 5; that a surface offers it is what tells that release apart.
class Surface3 : public Unknown {};

class Surface : public Unknown {
public:
    virtual HRESULT QuerySurface3(Ptr<Surface3>& surface3) = 0;
};

// The second DirectDraw interface, which DirectX 2 brought; only its presence matters.
class DirectDraw2 : public Unknown {};

class DirectDraw : public Unknown {
public:
    virtual HRESULT QueryDirect3D(Ptr<Direct3D>& direct3D) = 0;
    virtual HRESULT QueryDirectDraw2(Ptr<DirectDraw2>& directDraw2) = 0;
    virtual HRESULT SetCooperativeLevel(HWND window, std::uint32_t flags) = 0;
    virtual HRESULT CreateSurface(const DDSURFACEDESC& description, Ptr<Surface>& surface) = 0;
};

// The real layer: devices found from the OpenGL renderer the window system offers.
HRESULT DirectDrawCreate(const GUID* driver, Ptr<DirectDraw>& directDraw);
HRESULT DirectDrawCreateClipper(std::uint32_t flags, Ptr<Clipper>& clipper);

} // namespace ddraw
