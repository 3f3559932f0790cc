#include "rm/XFileMeshReader.h"

#include "rm/Matrix.h"
#include "rm/XFileReader.h"

#include <assimp/scene.h>

#include <string_view>
#include <utility>
#include <vector>

namespace rm {
namespace {

// What one read builds; it replaces the builder's contents only when the whole read succeeded.
struct MeshContent {
    std::vector<MeshBuilder3::Vertex> vertices;
    std::vector<MeshFace> faces;
    std::vector<MeshMaterial> materials;
};

D3DVECTOR ToVector(const aiVector3D& v)
{
    return {v.x, v.y, v.z};
}

// A face is seen from its front when its corners run clockwise, as the file writes them; in
// these left-handed coordinates Cross(b - a, c - a) points out of the front.
D3DVECTOR FaceNormal(const D3DVECTOR& a, const D3DVECTOR& b, const D3DVECTOR& c)
{
    return Normalized(Cross({b.x - a.x, b.y - a.y, b.z - a.z}, {c.x - a.x, c.y - a.y, c.z - a.z}));
}

// Adds one scene mesh (a file mesh's faces of one material), carried by `transform`.
HRESULT AddPiece(const aiMesh& piece, MeshMaterial material, const aiMatrix4x4& transform, MeshContent& mesh)
{
    const auto materialIndex = static_cast<std::uint32_t>(mesh.materials.size());
    mesh.materials.push_back(std::move(material));

    const aiMatrix3x3 rotation(transform);
    const float determinant = rotation.Determinant();
    // Normals follow the inverse transpose; a mirroring frame turns faces inside out unless two
    // corners change places.
    const bool fileNormals = piece.mNormals && determinant != 0.0f;
    const aiMatrix3x3 normalTransform = fileNormals ? aiMatrix3x3(rotation).Inverse().Transpose() : aiMatrix3x3();
    const bool mirrored = determinant < 0.0f;

    const auto base = static_cast<std::uint32_t>(mesh.vertices.size());
    for (unsigned i = 0; i < piece.mNumVertices; ++i) {
        MeshBuilder3::Vertex vertex;
        vertex.position = ToVector(transform * piece.mVertices[i]);
        if (fileNormals)
            vertex.normal = Normalized(ToVector(normalTransform * piece.mNormals[i]));
        if (piece.mTextureCoords[0]) {
            vertex.u = piece.mTextureCoords[0][i].x;
            vertex.v = piece.mTextureCoords[0][i].y;
        }
        mesh.vertices.push_back(vertex);
    }
    for (unsigned f = 0; f < piece.mNumFaces; ++f) {
        const aiFace& corners = piece.mFaces[f];
        if (corners.mNumIndices != 3) // lines and points show nothing
            continue;
        MeshFace face;
        face.material = materialIndex;
        for (int k = 0; k < 3; ++k) {
            if (corners.mIndices[k] >= piece.mNumVertices)
                return D3DRMERR_BADFILE;
            face.vertex[k] = base + corners.mIndices[k];
        }
        if (mirrored)
            std::swap(face.vertex[1], face.vertex[2]);
        if (!fileNormals) {
            // Each corner of a file face is a vertex of its own, so a flat normal fits.
            auto& v = mesh.vertices;
            const D3DVECTOR normal = FaceNormal(v[face.vertex[0]].position, v[face.vertex[1]].position,
                                                v[face.vertex[2]].position);
            for (const std::uint32_t corner : face.vertex)
                v[corner].normal = normal;
        }
        mesh.faces.push_back(face);
    }
    return D3DRM_OK;
}

// A model names its textures by bare file names, found where the model itself is; a path could
// reach any file on the machine.
bool IsBareName(std::string_view name)
{
    return !name.empty() && name != "." && name != ".." && name.find_first_of("/\\") == std::string_view::npos;
}

} // namespace

XFileMeshReader::XFileMeshReader(const XFileReader& file, LoadTextureCallback loadTexture, void* argument)
    : file_(file), loadTexture_(loadTexture), argument_(argument)
{
}

HRESULT XFileMeshReader::Read(std::uint32_t position, Coordinates coordinates, MeshBuilder3& builder)
{
    if (!file_.Scene() || position >= file_.Meshes().size())
        return D3DRMERR_BADFILE;
    const XFileReader::FileMesh fileMesh = file_.Meshes()[position];
    const aiScene& scene = *file_.Scene();
    const aiMatrix4x4 inFrame;
    MeshContent mesh;
    for (std::uint32_t i = fileMesh.first; i < fileMesh.first + fileMesh.count; ++i) {
        MeshMaterial material; // a mesh without materials is white
        if (const HRESULT result = ReadMaterial(file_.MeshMaterial(i), material); result != D3DRM_OK)
            return result;
        const aiMatrix4x4& transform = coordinates == Coordinates::File ? file_.MeshTransform(i) : inFrame;
        if (const HRESULT result = AddPiece(*scene.mMeshes[i], std::move(material), transform, mesh);
            result != D3DRM_OK)
            return result;
    }

    builder.Vertices() = std::move(mesh.vertices);
    builder.Faces() = std::move(mesh.faces);
    builder.Materials() = std::move(mesh.materials);
    builder.GeometryChanged();
    return D3DRM_OK;
}

HRESULT XFileMeshReader::ReadMaterial(const aiMaterial* source, MeshMaterial& material)
{
    if (!source)
        return D3DRM_OK;
    aiColor4D diffuse;
    if (source->Get(AI_MATKEY_COLOR_DIFFUSE, diffuse) == AI_SUCCESS) {
        material.red = diffuse.r;
        material.green = diffuse.g;
        material.blue = diffuse.b;
        material.alpha = diffuse.a;
    }
    aiString textureName;
    // Without a loader the material keeps its colour alone.
    if (!loadTexture_ || source->GetTexture(aiTextureType_DIFFUSE, 0, &textureName) != AI_SUCCESS
        || textureName.length == 0)
        return D3DRM_OK;
    const std::string key(textureName.C_Str());
    if (!IsBareName(key))
        return D3DRMERR_BADFILE;
    auto known = textures_.find(key);
    if (known == textures_.end()) {
        Ptr<Texture3> texture;
        if (const HRESULT result = loadTexture_(key.c_str(), argument_, texture); result != D3DRM_OK)
            return result;
        known = textures_.emplace(key, std::move(texture)).first;
    }
    material.texture = known->second;
    return D3DRM_OK;
}

} // namespace rm
