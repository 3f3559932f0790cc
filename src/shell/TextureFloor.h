#pragma once

#include "rm/Texture.h"
#include "shell/SmoothFloor.h"
#include "turtle/Floor.h"

// The floor texture of the 3D scene as the sheet's floor: its own index buffer, whose changed
// rows are taken again before the next frame. At rest the floor's meshes show its smooth picture.
class TextureFloor final : public Floor {
public:
    // False, holding nothing, without a texture of the sheet's shape (256 × 256 bytes, 8 bits).
    // `floor` is the frame of the meshes it textures.
    bool Attach(rm::Ptr<rm::Texture3> texture, rm::Frame3* floor = nullptr);
    void Detach();

    std::uint8_t* Pixels() override;
    void PixelsChanged(int top, int bottom) override;
    void PixelsRest() override;

    SmoothFloor& Smooth() { return smooth_; }

private:
    rm::Ptr<rm::Texture3> texture_;
    SmoothFloor smooth_;
};
