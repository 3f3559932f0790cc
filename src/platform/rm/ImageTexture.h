#pragma once

#include "rm/Texture.h"

#include <array>
#include <cstdint>
#include <vector>

namespace rm {

// An 8-bit paletted texture kept in memory: 256 palette entries and width × height index
// bytes. A renderer compares the change counters with what it uploaded last.
class ImageTexture final : public Texture {
public:
    ImageTexture(int width, int height);

    Image* GetImage() override { return &image_; }
    HRESULT Changed(std::uint32_t flags, std::uint32_t rectCount, const Rect* rects) override;

    std::uint32_t PixelChanges() const { return pixelChanges_; }
    std::uint32_t PaletteChanges() const { return paletteChanges_; }

private:
    std::vector<std::uint8_t> pixels_;
    std::array<PaletteEntry, 256> palette_{};
    Image image_;
    std::uint32_t pixelChanges_ = 0;
    std::uint32_t paletteChanges_ = 0;
};

} // namespace rm
