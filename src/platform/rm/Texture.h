#pragma once

#include "rm/Unknown.h"

#include <cstdint>

namespace rm {

inline constexpr std::uint32_t D3DRMTEXTURE_CHANGEDPIXELS = 0x40;
inline constexpr std::uint32_t D3DRMTEXTURE_CHANGEDPALETTE = 0x80;

struct PaletteEntry {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    std::uint8_t flags = 0;
};

// A texture's image descriptor, laid out like the retained-mode one: for the 8-bit
// paletted images this program uses, buffer1 holds height rows of bytes_per_line bytes.
struct Image {
    int width = 0;
    int height = 0;
    int aspectx = 1;
    int aspecty = 1;
    int depth = 8;
    int rgb = 0;
    int bytes_per_line = 0;
    void* buffer1 = nullptr;
    void* buffer2 = nullptr;
    std::uint32_t red_mask = 0;
    std::uint32_t green_mask = 0;
    std::uint32_t blue_mask = 0;
    std::uint32_t alpha_mask = 0;
    int palette_size = 0;
    PaletteEntry* palette = nullptr;
};

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

class Texture : public Unknown {
public:
    // The texture's own image: writing into its buffer changes the texture once Changed is told.
    virtual Image* GetImage() = 0;
    // Marks the pixels (and/or the palette) as changed so the renderer takes them again.
    virtual HRESULT Changed(std::uint32_t flags, std::uint32_t rectCount, const Rect* rects) = 0;
};

} // namespace rm
