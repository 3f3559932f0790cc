#pragma once

#include "rm/Texture.h"

namespace rm {

// Reads a BMP file into an 8-bit paletted texture: 8-bit files keep their indices and palette;
// deeper ones are reduced to a palette of their own. D3DRMERR_BADFILE for a missing, cut short
// or corrupt file.
HRESULT LoadTextureFile(const char* fileName, Ptr<Texture3>& texture);

} // namespace rm
