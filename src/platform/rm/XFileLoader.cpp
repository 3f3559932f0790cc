#include "rm/Matrix.h"
#include "rm/MeshBuilder.h"
#include "rm/XFileReader.h"

#include <assimp/scene.h>

#include <map>
#include <string>
#include <utility>

namespace rm {
namespace {

// What one load builds; it replaces the builder's mesh only when the whole load succeeded.
struct LoadedMesh {
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

// Turns the importer's meshes of one file mesh into the builder's vertices, faces and
// materials, loading each texture once.
class MeshReader {
public:
    MeshReader(LoadTextureCallback loadTexture, void* argument) : loadTexture_(loadTexture), argument_(argument)
    {
    }

    HRESULT AddPiece(const aiMesh& piece, const aiMaterial* fileMaterial, const aiMatrix4x4& transform,
                     LoadedMesh& mesh)
    {
        MeshMaterial material; // a mesh without materials is white
        if (fileMaterial) {
            if (const HRESULT result = ReadMaterial(*fileMaterial, material); result != D3DRM_OK)
                return result;
        }
        const auto materialIndex = static_cast<std::uint32_t>(mesh.materials.size());
        mesh.materials.push_back(std::move(material));

        const aiMatrix3x3 rotation(transform);
        const float determinant = rotation.Determinant();
        // Normals follow the inverse transpose; a mirroring frame turns faces inside out
        // unless two corners change places.
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

private:
    HRESULT ReadMaterial(const aiMaterial& source, MeshMaterial& material)
    {
        aiColor4D diffuse;
        if (source.Get(AI_MATKEY_COLOR_DIFFUSE, diffuse) == AI_SUCCESS) {
            material.red = diffuse.r;
            material.green = diffuse.g;
            material.blue = diffuse.b;
            material.alpha = diffuse.a;
        }
        aiString textureName;
        // Without a loader the material keeps its colour alone.
        if (!loadTexture_ || source.GetTexture(aiTextureType_DIFFUSE, 0, &textureName) != AI_SUCCESS
            || textureName.length == 0)
            return D3DRM_OK;
        const std::string key(textureName.C_Str());
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

    LoadTextureCallback loadTexture_;
    void* argument_;
    std::map<std::string, Ptr<Texture3>> textures_; // each name is loaded once per load
};

} // namespace

HRESULT MeshBuilder3::Load(const void* source, const void* objectId, std::uint32_t options,
                           LoadTextureCallback loadTexture, void* argument)
{
    std::uint32_t position = 0;
    if (options & D3DRMLOAD_BYPOSITION) {
        if (!objectId)
            return D3DRMERR_BADVALUE;
        position = *static_cast<const std::uint32_t*>(objectId);
    }
    XFileReader reader;
    if (const HRESULT result = reader.Read(source, options); result != D3DRM_OK)
        return result;
    // Past the last mesh: how a caller loading position after position learns it is done.
    if (position >= reader.Meshes().size())
        return D3DRMERR_BADFILE;

    const XFileReader::FileMesh fileMesh = reader.Meshes()[position];
    const aiScene& scene = *reader.Scene();
    MeshReader meshReader(loadTexture, argument);
    LoadedMesh mesh;
    for (std::uint32_t i = fileMesh.first; i < fileMesh.first + fileMesh.count; ++i)
        if (const HRESULT result = meshReader.AddPiece(*scene.mMeshes[i], reader.MeshMaterial(i),
                                                       reader.MeshTransform(i), mesh);
            result != D3DRM_OK)
            return result;

    vertices_ = std::move(mesh.vertices);
    faces_ = std::move(mesh.faces);
    materials_ = std::move(mesh.materials);
    GeometryChanged();
    return D3DRM_OK;
}

} // namespace rm
