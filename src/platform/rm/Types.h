#pragma once

#include "win/Types.h"

#include <cstdint>

namespace rm {

using win::HRESULT;

// Results.
inline constexpr HRESULT D3DRMERR_BADOBJECT = static_cast<HRESULT>(0x8876030D);
inline constexpr HRESULT D3DRMERR_BADTYPE = static_cast<HRESULT>(0x8876030E);
inline constexpr HRESULT D3DRMERR_BADALLOC = static_cast<HRESULT>(0x8876030F);
inline constexpr HRESULT D3DRMERR_NOTFOUND = static_cast<HRESULT>(0x88760311);
inline constexpr HRESULT D3DRMERR_FILENOTFOUND = static_cast<HRESULT>(0x88760313);
inline constexpr HRESULT D3DRMERR_BADFILE = static_cast<HRESULT>(0x88760314);
inline constexpr HRESULT D3DRMERR_BADDEVICE = static_cast<HRESULT>(0x88760315);
inline constexpr HRESULT D3DRMERR_BADVALUE = static_cast<HRESULT>(0x88760316);

// Render quality: shade mode | lighting | fill mode.
using D3DRMRENDERQUALITY = std::uint32_t;
inline constexpr D3DRMRENDERQUALITY D3DRMSHADE_FLAT = 0x01;
inline constexpr D3DRMRENDERQUALITY D3DRMSHADE_GOURAUD = 0x02;
inline constexpr D3DRMRENDERQUALITY D3DRMLIGHT_OFF = 0x00;
inline constexpr D3DRMRENDERQUALITY D3DRMLIGHT_ON = 0x08;
inline constexpr D3DRMRENDERQUALITY D3DRMFILL_SOLID = 0x80;
inline constexpr D3DRMRENDERQUALITY D3DRMRENDER_FLAT = D3DRMSHADE_FLAT | D3DRMLIGHT_ON | D3DRMFILL_SOLID;

using D3DRMTEXTUREQUALITY = std::uint8_t;
inline constexpr D3DRMTEXTUREQUALITY D3DRMTEXTURE_NEAREST = 0;
inline constexpr D3DRMTEXTUREQUALITY D3DRMTEXTURE_LINEAR = 1;
inline constexpr D3DRMTEXTUREQUALITY D3DRMTEXTURE_MIPNEAREST = 2;
inline constexpr D3DRMTEXTUREQUALITY D3DRMTEXTURE_MIPLINEAR = 3;
inline constexpr D3DRMTEXTUREQUALITY D3DRMTEXTURE_LINEARMIPNEAREST = 4;
inline constexpr D3DRMTEXTUREQUALITY D3DRMTEXTURE_LINEARMIPLINEAR = 5;

using D3DRMRENDERMODE = std::uint32_t;

// Colour models of the device search.
inline constexpr std::uint32_t D3DCOLOR_MONO = 1;
inline constexpr std::uint32_t D3DCOLOR_RGB = 2;

enum D3DRMLIGHTTYPE : std::uint8_t {
    D3DRMLIGHT_AMBIENT = 0,
    D3DRMLIGHT_POINT = 1,
    D3DRMLIGHT_SPOT = 2,
    D3DRMLIGHT_DIRECTIONAL = 3,
    D3DRMLIGHT_PARALLELPOINT = 4,
};

// Load options.
inline constexpr std::uint32_t D3DRMLOAD_FROMFILE = 0x00;
inline constexpr std::uint32_t D3DRMLOAD_FROMMEMORY = 0x02;
inline constexpr std::uint32_t D3DRMLOAD_BYPOSITION = 0x20;
inline constexpr std::uint32_t D3DRMLOAD_SOURCEMASK = 0x0F;

struct D3DRMLOADMEMORY {
    const void* lpMemory = nullptr;
    std::uint32_t dSize = 0;
};

// The longest model a load takes, from a file or from memory: far beyond ours, and small enough
// that a hostile file cannot make the importer eat the machine.
inline constexpr std::uint32_t kMaxModelBytes = 64u << 20;

// Viewport clearing.
inline constexpr std::uint32_t D3DRMCLEAR_TARGET = 0x01;
inline constexpr std::uint32_t D3DRMCLEAR_ZBUFFER = 0x02;
inline constexpr std::uint32_t D3DRMCLEAR_DIRTYRECTS = 0x04;
inline constexpr std::uint32_t D3DRMCLEAR_ALL = 0x07;

// Fog.
using D3DRMFOGMODE = std::uint32_t;
inline constexpr D3DRMFOGMODE D3DRMFOG_LINEAR = 0;
inline constexpr D3DRMFOGMODE D3DRMFOG_EXPONENTIAL = 1;
inline constexpr D3DRMFOGMODE D3DRMFOG_EXPONENTIALSQUARED = 2;

using D3DCOLOR = std::uint32_t; // 0xAARRGGBB

inline constexpr std::uint32_t D3DRMTEXTURE_CHANGEDPIXELS = 0x40;
inline constexpr std::uint32_t D3DRMTEXTURE_CHANGEDPALETTE = 0x80;

struct D3DVECTOR {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
};

} // namespace rm
