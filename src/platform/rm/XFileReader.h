#pragma once

#include "rm/Types.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <assimp/matrix4x4.h>

struct aiMaterial;
struct aiScene;
namespace Assimp {
class Importer;
}

namespace rm {

// A DirectX .x model read through the importer, in the left-handed, y-up coordinates the file
// is written in (a vertex written (1, 2, 3) reads (1, 2, 3), faces keep their corner order).
// Only text files are read. The text is walked first and refused unless every count and index
// the importer will trust is in range: the importer itself reads past its arrays on such files,
// and binary or compressed ones cannot be checked beforehand.
class XFileReader {
public:
    // One mesh of the file: the importer splits a mesh by material into consecutive scene
    // meshes, first .. first + count - 1 (none for a mesh without faces).
    struct FileMesh {
        std::uint32_t first = 0;
        std::uint32_t count = 0;
    };

    XFileReader();
    ~XFileReader();
    XFileReader(const XFileReader&) = delete;
    XFileReader& operator=(const XFileReader&) = delete;

    // `source` and the source bits of `options` as for a retained-mode load: a file name
    // (D3DRMLOAD_FROMFILE) or a D3DRMLOADMEMORY record (D3DRMLOAD_FROMMEMORY). D3DRMERR_BADVALUE
    // for another source kind or no source, D3DRMERR_BADFILE for anything that cannot be read.
    HRESULT Read(const void* source, std::uint32_t options);

    const aiScene* Scene() const { return scene_; }
    // The file's meshes: those of each frame before its child frames, depth first, then the
    // meshes outside any frame.
    const std::vector<FileMesh>& Meshes() const { return meshes_; }
    // From a scene mesh's coordinates to the file's: the transforms of the frames above it.
    const aiMatrix4x4& MeshTransform(std::uint32_t sceneMesh) const { return transforms_.at(sceneMesh); }
    // Whether the scene's root node is a frame of the file; otherwise it is the importer's own,
    // holding the file's top-level frames and the meshes outside any frame.
    bool RootIsFileFrame() const { return rootIsFileFrame_; }
    // The material a scene mesh is drawn with; none for a file mesh without materials.
    const aiMaterial* MeshMaterial(std::uint32_t sceneMesh) const { return materials_.at(sceneMesh); }

private:
    HRESULT Import(const std::string& text);

    std::unique_ptr<Assimp::Importer> importer_;
    const aiScene* scene_ = nullptr;
    std::vector<FileMesh> meshes_;
    std::vector<aiMatrix4x4> transforms_;
    std::vector<const aiMaterial*> materials_;
    bool rootIsFileFrame_ = false;
};

} // namespace rm
