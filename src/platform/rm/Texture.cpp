#include "rm/Texture.h"

#include <algorithm>

namespace rm {

Texture3::Texture3(int width, int height)
    : pixels_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height))
{
    image_.width = width;
    image_.height = height;
    image_.depth = 8;
    image_.bytes_per_line = width;
    image_.buffer1 = pixels_.data();
    image_.palette_size = static_cast<int>(palette_.size());
    image_.palette = palette_.data();
}

HRESULT Texture3::Changed(std::uint32_t flags, std::uint32_t rectCount, const Rect* rects)
{
    if (flags & D3DRMTEXTURE_CHANGEDPIXELS) {
        ++pixelChanges_;
        if (rectCount == 0 || !rects) {
            changedRows_ = {0, image_.height};
        } else {
            for (std::uint32_t i = 0; i < rectCount; ++i) {
                const int top = std::clamp(rects[i].top, 0, image_.height);
                const int bottom = std::clamp(rects[i].bottom, 0, image_.height);
                if (top >= bottom)
                    continue;
                if (changedRows_.top >= changedRows_.bottom)
                    changedRows_ = {top, bottom};
                else
                    changedRows_ = {std::min(changedRows_.top, top), std::max(changedRows_.bottom, bottom)};
            }
        }
    }
    if (flags & D3DRMTEXTURE_CHANGEDPALETTE)
        ++paletteChanges_;
    return D3DRM_OK;
}

RowRange Texture3::ChangedRowsSince(std::uint32_t seen) const
{
    if (seen != rowsKeptFrom_)
        return {0, image_.height};
    return changedRows_;
}

void Texture3::ForgetChangedRows()
{
    rowsKeptFrom_ = pixelChanges_;
    changedRows_ = {};
}

} // namespace rm
