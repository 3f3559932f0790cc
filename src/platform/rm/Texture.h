#pragma once

#include "rm/Types.h"
#include "rm/Unknown.h"

#include <array>
#include <cstdint>
#include <vector>

namespace rm {

struct PaletteEntry {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    std::uint8_t flags = 0;
};

// A texture's image descriptor: for the 8-bit paletted images used here, buffer1 holds height
// rows of bytes_per_line palette indices, top row first.
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

// Rows [top, bottom) of an image; empty when top >= bottom.
struct RowRange {
    int top = 0;
    int bottom = 0;
};

// An 8-bit paletted texture kept in memory: 256 palette entries and width × height index
// bytes that GetImage hands out for writing. A renderer takes the pixels again when their
// change counter has moved since it last looked, only the rows changed since then when the
// changes named their rectangles.
class Texture3 : public Unknown {
public:
    Texture3(int width, int height);

    Image* GetImage() { return &image_; }
    const Image* GetImage() const { return &image_; }

    // Pixel changes with rectangles change only their rows; without, the whole image.
    HRESULT Changed(std::uint32_t flags, std::uint32_t rectCount, const Rect* rects);
    // Decal transparency: texels of the transparent colour are not drawn.
    HRESULT SetDecalTransparency(bool on)
    {
        transparency_ = on;
        return D3DRM_OK;
    }
    HRESULT SetDecalTransparentColor(D3DCOLOR color)
    {
        transparentColor_ = color;
        return D3DRM_OK;
    }
    // Makes smaller copies of the image as it stands, for a view from afar whatever the device's
    // texture quality. Rows changed later are shown at full size only until the next call; a
    // change of all the pixels makes them again at once.
    HRESULT GenerateMIPMap(std::uint32_t)
    {
        ++mipmapGenerations_;
        return D3DRM_OK;
    }

    bool DecalTransparency() const { return transparency_; }
    D3DCOLOR DecalTransparentColor() const { return transparentColor_; }
    std::uint32_t PixelChanges() const { return pixelChanges_; }
    std::uint32_t PaletteChanges() const { return paletteChanges_; }
    bool Mipmapped() const { return mipmapGenerations_ != 0; }
    std::uint32_t MipmapGenerations() const { return mipmapGenerations_; }
    // The rows changed since the pixel change count was `seen`: all of them unless the rows
    // were kept from then on (since the last ForgetChangedRows).
    RowRange ChangedRowsSince(std::uint32_t seen) const;
    // Starts keeping changed rows afresh, from the pixel change count now.
    void ForgetChangedRows();

private:
    std::vector<std::uint8_t> pixels_;
    std::array<PaletteEntry, 256> palette_{};
    Image image_;
    std::uint32_t pixelChanges_ = 0;
    std::uint32_t paletteChanges_ = 0;
    RowRange changedRows_;
    std::uint32_t rowsKeptFrom_ = 0; // the pixel change count changedRows_ started at
    bool transparency_ = false;
    std::uint32_t mipmapGenerations_ = 0;
    D3DCOLOR transparentColor_ = 0xFF000000;
};

} // namespace rm
