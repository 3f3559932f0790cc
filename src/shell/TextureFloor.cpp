#include "shell/TextureFloor.h"

#include "turtle/TurtleState.h"

bool TextureFloor::Attach(rm::Ptr<rm::Texture3> texture, rm::Frame3* floor)
{
    const rm::Image* image = texture ? texture->GetImage() : nullptr;
    if (!image || image->width != kSheetSize || image->height != kSheetSize || image->depth != 8
        || image->bytes_per_line != kSheetSize || !image->buffer1) {
        Detach();
        return false;
    }
    texture_ = std::move(texture);
    smooth_.Attach(texture_, floor);
    PixelsRest();
    return true;
}

void TextureFloor::Detach()
{
    smooth_.Detach();
    texture_.reset();
}

std::uint8_t* TextureFloor::Pixels()
{
    return texture_ ? static_cast<std::uint8_t*>(texture_->GetImage()->buffer1) : nullptr;
}

void TextureFloor::PixelsChanged(int top, int bottom)
{
    const rm::Rect rows{0, top, kSheetSize, bottom};
    if (!texture_)
        return;
    texture_->Changed(rm::D3DRMTEXTURE_CHANGEDPIXELS, 1, &rows);
    smooth_.RowsChanged(top, bottom);
}

void TextureFloor::PixelsRest()
{
    // The sheet is seen from afar too, where its thin lines should thin out, not break up.
    if (!texture_)
        return;
    texture_->GenerateMIPMap(0);
    smooth_.Rest();
}
