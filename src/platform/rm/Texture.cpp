#include "rm/Texture.h"

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

HRESULT Texture3::Changed(std::uint32_t flags, std::uint32_t, const Rect*)
{
    if (flags & D3DRMTEXTURE_CHANGEDPIXELS)
        ++pixelChanges_;
    if (flags & D3DRMTEXTURE_CHANGEDPALETTE)
        ++paletteChanges_;
    return D3DRM_OK;
}

} // namespace rm
