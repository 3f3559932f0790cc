#include "RetainedModeLayer.h"

#include "engine/TextureLoader.h"

#include <cstdio>
#include <cstdlib>

namespace {

rm::Ptr<rm::Direct3DRM3> MakeLayer()
{
    rm::Ptr<rm::Direct3DRM> root;
    rm::Ptr<rm::Direct3DRM3> layer;
    if (rm::Direct3DRMCreate(root) != rm::D3DRM_OK || root->QueryRM3(layer) != rm::D3DRM_OK) {
        std::fputs("fuzz: no retained-mode layer\n", stderr);
        std::abort();
    }
    UseTextureRM(layer.get());
    return layer;
}

} // namespace

rm::Direct3DRM3& RetainedModeLayer()
{
    static const rm::Ptr<rm::Direct3DRM3> layer = MakeLayer();
    return *layer;
}
