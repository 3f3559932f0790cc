#pragma once

#include "rm/Texture.h"
#include "turtle/Floor.h"

// The floor texture of the 3D scene as the sheet's floor: its own index buffer, whose changed
// rows are taken again before the next frame.
class TextureFloor final : public Floor {
public:
    // False, holding nothing, without a texture of the sheet's shape (256 × 256 bytes, 8 bits).
    bool Attach(rm::Ptr<rm::Texture3> texture);
    void Detach();

    std::uint8_t* Pixels() override;
    void PixelsChanged(int top, int bottom) override;
    void PixelsRest() override;

private:
    rm::Ptr<rm::Texture3> texture_;
};
