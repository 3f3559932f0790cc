#include "rm/MeshBuilder.h"

namespace rm {

HRESULT MeshBuilder3::SetPerspective(bool correct)
{
    perspective_ = correct;
    return D3DRM_OK;
}

HRESULT MeshBuilder3::SetQuality(D3DRMRENDERQUALITY quality)
{
    quality_ = quality;
    return D3DRM_OK;
}

} // namespace rm
