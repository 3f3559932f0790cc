#pragma once

#include "rm/Texture.h"
#include "turtle/Floor.h"

// The floor texture of the 3D scene as the sheet's floor: its own index buffer, re-uploaded
// before the next frame once it has changed.
class TextureFloor final : public Floor {
public:
    // False, holding nothing, without a texture of the sheet's shape (256 × 256 bytes, 8 bits).
    bool Attach(rm::Ptr<rm::Texture3> texture);
    void Detach();

    std::uint8_t* Pixels() override;
    void PixelsChanged() override;

private:
    rm::Ptr<rm::Texture3> texture_;
};
