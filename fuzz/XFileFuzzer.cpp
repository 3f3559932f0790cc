// A .x model from memory, read as the engine reads one: whole as an animated character, posed
// along its animation, and mesh by mesh as the scene reads the floor. Textures come from the
// program's texture pack.

#include "RetainedModeLayer.h"
#include "engine/TextureLoader.h"

#include <QFile>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

// Each mesh load reads the whole file again; the first few meshes tell as much as all.
constexpr std::uint32_t kMaxMeshesLoaded = 8;

void LoadCharacter(rm::Direct3DRM3& layer, const rm::D3DRMLOADMEMORY& memory)
{
    rm::Ptr<rm::Frame3> scene, character;
    rm::Ptr<rm::AnimationSet2> animation;
    if (layer.CreateFrame(nullptr, scene) != rm::D3DRM_OK || layer.CreateFrame(scene.get(), character) != rm::D3DRM_OK
        || layer.CreateAnimationSet(animation) != rm::D3DRM_OK)
        return;
    if (animation->Load(&memory, nullptr, rm::D3DRMLOAD_FROMMEMORY, &LoadTextureCallback, nullptr, character.get())
        != rm::D3DRM_OK)
        return;
    for (const float time : {0.0f, 0.5f, 600.0f, 1200.0f})
        animation->SetTime(time);
}

void LoadMeshes(rm::Direct3DRM3& layer, const rm::D3DRMLOADMEMORY& memory)
{
    for (std::uint32_t position = 0; position < kMaxMeshesLoaded; ++position) {
        rm::Ptr<rm::MeshBuilder3> builder;
        if (layer.CreateMeshBuilder(builder) != rm::D3DRM_OK
            || builder->Load(&memory, &position, rm::D3DRMLOAD_FROMMEMORY | rm::D3DRMLOAD_BYPOSITION,
                             &LoadTextureCallback, nullptr) != rm::D3DRM_OK)
            return;
    }
}

} // namespace

// Without the pack every texture would fail and the loads would stop short of the meshes.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    if (!QFile::exists(QStringLiteral(QEL_TEXTURE_PACK))) {
        std::fprintf(stderr, "fuzz_xfile: no texture pack at %s; build the qel3d_data target\n", QEL_TEXTURE_PACK);
        std::exit(1);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    rm::Direct3DRM3& layer = RetainedModeLayer();
    LoadTextureHeader(QEL_TEXTURE_PACK);
    const rm::D3DRMLOADMEMORY memory{data, static_cast<std::uint32_t>(size)};
    LoadCharacter(layer, memory);
    LoadMeshes(layer, memory);
    FreeTextureLoader();
    return 0;
}
