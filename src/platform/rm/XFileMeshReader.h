#pragma once

#include "rm/MeshBuilder.h"
#include "rm/Types.h"

#include <cstdint>
#include <map>
#include <string>

struct aiMaterial;

namespace rm {

class XFileReader;

// Fills mesh builders with the meshes of a read .x file: vertices, faces, materials and the
// textures the materials name, each texture loaded once however many meshes use it.
class XFileMeshReader {
public:
    // Where a mesh's vertices are put: in the file's coordinates, carried by the frames above
    // the mesh, or in those of the frame that holds it.
    enum class Coordinates { File, Frame };

    // `file` must have been read and must outlive the reader.
    XFileMeshReader(const XFileReader& file, LoadTextureCallback loadTexture, void* argument);

    // Replaces the contents of `builder` with file mesh `position` (an index into the file's
    // Meshes()). On failure, a texture's error or D3DRMERR_BADFILE, the builder stays as it was.
    HRESULT Read(std::uint32_t position, Coordinates coordinates, MeshBuilder3& builder);

private:
    HRESULT ReadMaterial(const aiMaterial* source, MeshMaterial& material);

    const XFileReader& file_;
    LoadTextureCallback loadTexture_;
    void* argument_;
    std::map<std::string, Ptr<Texture3>> textures_;
};

} // namespace rm
