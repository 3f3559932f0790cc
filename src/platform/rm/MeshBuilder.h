#pragma once

#include "rm/Texture.h"
#include "rm/Types.h"
#include "rm/Visual.h"

#include <cstdint>
#include <vector>

namespace rm {

// The engine's texture loader, called once for every texture a loaded model names. It puts the
// texture into `texture` and answers D3DRM_OK, or fails the load with its error.
using LoadTextureCallback = HRESULT (*)(const char* name, void* argument, Ptr<Texture3>& texture);

struct MeshMaterial {
    float red = 1.0f, green = 1.0f, blue = 1.0f, alpha = 1.0f;
    Ptr<Texture3> texture; // none: the face colour alone
};

struct MeshFace {
    std::uint32_t vertex[3] = {0, 0, 0};
    std::uint32_t material = 0;
};

// A mesh: triangles over positions, each with a normal and texture coordinates, coloured and
// textured by material. Models are loaded into it from DirectX .x files or memory; a test's
// builder may load otherwise.
class MeshBuilder3 : public Visual {
public:
    struct Vertex {
        D3DVECTOR position;
        D3DVECTOR normal;
        float u = 0.0f, v = 0.0f;
    };

    HRESULT SetPerspective(bool correct)
    {
        perspective_ = correct;
        return D3DRM_OK;
    }
    HRESULT SetQuality(D3DRMRENDERQUALITY quality)
    {
        quality_ = quality;
        return D3DRM_OK;
    }
    // Loads the mesh `objectId` names: with D3DRMLOAD_BYPOSITION it points to the mesh's
    // position (std::uint32_t) in the source. `source` is a file name (D3DRMLOAD_FROMFILE) or
    // a D3DRMLOADMEMORY record (D3DRMLOAD_FROMMEMORY).
    HRESULT Load(const void* source, const void* objectId, std::uint32_t options, LoadTextureCallback loadTexture,
                 void* argument)
    {
        return DoLoad(source, objectId, options, loadTexture, argument);
    }

    bool PerspectiveCorrect() const { return perspective_; }
    D3DRMRENDERQUALITY Quality() const { return quality_; }
    std::vector<Vertex>& Vertices() { return vertices_; }
    const std::vector<Vertex>& Vertices() const { return vertices_; }
    std::vector<MeshFace>& Faces() { return faces_; }
    const std::vector<MeshFace>& Faces() const { return faces_; }
    std::vector<MeshMaterial>& Materials() { return materials_; }
    const std::vector<MeshMaterial>& Materials() const { return materials_; }
    // Bumped whenever the geometry changes, so a renderer knows to take it again.
    std::uint32_t Generation() const { return generation_; }
    void GeometryChanged() { ++generation_; }

private:
    virtual HRESULT DoLoad(const void* source, const void* objectId, std::uint32_t options,
                           LoadTextureCallback loadTexture, void* argument);

    bool perspective_ = false;
    D3DRMRENDERQUALITY quality_ = D3DRMRENDER_FLAT;
    std::vector<Vertex> vertices_;
    std::vector<MeshFace> faces_;
    std::vector<MeshMaterial> materials_;
    std::uint32_t generation_ = 0;
};

} // namespace rm
