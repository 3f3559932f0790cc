#include "rm/XFileReader.h"

#include "rm/Unknown.h"
#include "win/RegularFile.h"

#include <assimp/Importer.hpp>
#include <assimp/fast_atof.h>
#include <assimp/postprocess.h>
#include <assimp/scene.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

namespace rm {
namespace {

// Bounds that keep a hostile file from making the importer allocate or work without end. Our
// models stay far below them.
constexpr std::uint32_t kMaxCount = 1'000'000;    // vertices, faces, normals, weights or keys of one object
constexpr std::uint64_t kMaxCorners = 1'000'000;  // face corners in the file: each becomes a vertex
constexpr std::uint32_t kMaxFaceCorners = 64;     // triangulating a polygon costs its square
constexpr std::uint32_t kMaxMeshes = 4096;        // the importer regrows its mesh list for every frame
constexpr std::uint32_t kMaxMaterials = 256;      // the importer sorts faces once per material
constexpr std::uint32_t kMaxFrames = 65536;
constexpr int kMaxFrameDepth = 64;                // the importer walks frames recursively
// Every animated frame is posed on every pass of the main loop; ours have a few dozen at most.
constexpr std::uint32_t kMaxAnimationSets = 64;
constexpr std::uint32_t kMaxAnimations = 1024;    // animated frames in all sets together
constexpr std::uint64_t kMaxKeys = 1'000'000;     // keys in all animations together

constexpr unsigned kImportSteps = aiProcess_ConvertToLeftHanded | aiProcess_Triangulate;

struct Refused {}; // the walk found something the importer must not be given

// What the importer's number reader throws when it is handed the walk's own failure type.
struct NotANumber {
    template <class... Parts>
    explicit NotANumber(Parts&&...)
    {
    }
};

// Where a scene mesh takes its material from: nowhere (the file mesh has no material list),
// its file mesh's own list, or a material the list refers to by name. The importer resolves
// such references to the wrong material, so they are looked up again here.
struct PieceMaterial {
    enum class Kind { None, Own, Reference } kind = Kind::None;
    std::string reference;
};

// The scene meshes one file mesh becomes: one for each material that has faces.
using FileMeshPieces = std::vector<PieceMaterial>;

// A frame as the importer will build it: its meshes and its child frames.
struct FrameNode {
    std::string name;
    std::vector<FileMeshPieces> meshes;
    std::vector<std::unique_ptr<FrameNode>> children;
};

bool IsTextHeader(std::string_view text)
{
    return text.size() >= 16 && text.substr(0, 4) == "xof " && text.substr(8, 4) == "txt "
        && (text.substr(12, 4) == "0032" || text.substr(12, 4) == "0064");
}

// Walks a text .x file exactly as the importer's parser will, token for token and object for
// object, and throws Refused where the importer would take a count or an index on trust. On the
// way it learns which scene meshes each file mesh becomes and in which order they come.
class XFileText {
public:
    // `text` must outlive the walk; its terminating NUL stops the number reader as the
    // importer's own buffer does.
    explicit XFileText(const std::string& text)
        : p_(text.c_str() + 16), end_(text.c_str() + text.size())
    {
    }

    // Every file mesh, in the importer's order.
    std::vector<FileMeshPieces> FileMeshes()
    {
        SkipLine(); // the rest of the header line
        for (std::string t = Token(); !t.empty(); t = Token()) {
            if (t == "template")
                Template();
            else if (t == "Frame")
                Frame(nullptr, 0);
            else if (t == "Mesh")
                globalMeshes_.push_back(Mesh());
            else if (t == "AnimTicksPerSecond") {
                Head();
                Int();
                Expect("}");
            } else if (t == "AnimationSet")
                AnimationSet();
            else if (t == "Material")
                Material();
            else if (t != "}")
                Unknown();
        }
        // The importer hangs meshes outside any frame on a lone top-level frame, where they
        // would take its transform and its own meshes' place.
        if (root_ && !standInRoot_ && !globalMeshes_.empty())
            throw Refused{};
        std::vector<FileMeshPieces> pieces;
        if (root_) {
            Flatten(*root_);
            Collect(*root_, pieces);
        }
        pieces.insert(pieces.end(), globalMeshes_.begin(), globalMeshes_.end());
        return pieces;
    }

    // After the walk: whether the importer's root node will be the file's one top-level frame.
    bool RootIsFileFrame() const { return root_ && !standInRoot_; }

private:
    // Tokens and numbers, read as the importer reads them.

    static bool IsSpace(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }
    static bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

    void SkipLine()
    {
        while (p_ < end_) {
            const char c = *p_++;
            if (c == '\n' || c == '\r')
                return;
        }
    }

    void SkipSpace()
    {
        for (;;) {
            while (p_ < end_ && IsSpace(*p_))
                ++p_;
            if (p_ >= end_ || !((p_[0] == '/' && p_[1] == '/') || p_[0] == '#'))
                return;
            SkipLine();
        }
    }

    std::string Token()
    {
        SkipSpace();
        std::string token;
        while (p_ < end_ && !IsSpace(*p_)) {
            if (*p_ == ';' || *p_ == '}' || *p_ == '{' || *p_ == ',') {
                if (token.empty())
                    token.push_back(*p_++);
                break;
            }
            token.push_back(*p_++);
        }
        return token;
    }

    void Expect(std::string_view token)
    {
        if (Token() != token)
            throw Refused{};
    }

    void Separator()
    {
        const std::string t = Token();
        if (t != "," && t != ";")
            throw Refused{};
    }

    void OptionalSeparator()
    {
        SkipSpace();
        if (p_ < end_ && (*p_ == ';' || *p_ == ','))
            ++p_;
    }

    std::uint32_t Int()
    {
        SkipSpace();
        const bool negative = *p_ == '-';
        if (negative)
            ++p_;
        if (!IsDigit(*p_))
            throw Refused{};
        std::uint32_t number = 0; // wraps as the importer's does
        while (p_ < end_ && IsDigit(*p_))
            number = number * 10 + static_cast<std::uint32_t>(*p_++ - '0');
        Separator();
        return negative ? 0u - number : number;
    }

    std::uint32_t Count(std::uint32_t limit = kMaxCount)
    {
        const std::uint32_t count = Int();
        if (count > limit)
            throw Refused{};
        return count;
    }

    void Float()
    {
        SkipSpace();
        // The importer's patterns for broken exporters' NaNs; one of them steps past itself.
        if (std::strncmp(p_, "-1.#IND00", 9) == 0 || std::strncmp(p_, "1.#IND00", 8) == 0
            || std::strncmp(p_, "1.#QNAN0", 8) == 0)
            throw Refused{};
        ai_real value = 0;
        try {
            p_ = Assimp::fast_atoreal_move<ai_real, NotANumber>(p_, value);
        } catch (const NotANumber&) {
            throw Refused{};
        }
        Separator();
    }

    void Floats(int count)
    {
        for (int i = 0; i < count; ++i)
            Float();
    }

    void Vector(int components)
    {
        Floats(components);
        OptionalSeparator();
    }

    void Head(std::string* name = nullptr)
    {
        std::string t = Token();
        if (t != "{") {
            if (name)
                *name = std::move(t);
            Expect("{");
        }
    }

    void String()
    {
        SkipSpace();
        if (p_ >= end_ || *p_ != '"')
            throw Refused{};
        ++p_;
        while (p_ < end_ && *p_ != '"')
            ++p_;
        if (p_ >= end_ - 1 || p_[1] != ';')
            throw Refused{};
        p_ += 2;
    }

    // Objects, in the importer's grammar.

    void Unknown()
    {
        for (std::string t = Token(); t != "{"; t = Token())
            if (t.empty())
                throw Refused{};
        for (std::size_t depth = 1; depth > 0;) {
            const std::string t = Token();
            if (t.empty())
                throw Refused{};
            if (t == "{")
                ++depth;
            else if (t == "}")
                --depth;
        }
    }

    void Template()
    {
        Head();
        Token(); // its GUID
        for (std::string t = Token(); t != "}"; t = Token())
            if (t.empty())
                throw Refused{};
    }

    void Frame(FrameNode* parent, int depth)
    {
        if (depth > kMaxFrameDepth || ++frames_ > kMaxFrames)
            throw Refused{};
        auto node = std::make_unique<FrameNode>();
        Head(&node->name);
        FrameNode& frame = *node;
        Attach(parent, std::move(node));
        for (std::string t = Token(); t != "}"; t = Token()) {
            if (t.empty())
                throw Refused{};
            if (t == "Frame")
                Frame(&frame, depth + 1);
            else if (t == "FrameTransformMatrix") {
                Head();
                Floats(16);
                Expect(";");
                Expect("}");
            } else if (t == "Mesh")
                frame.meshes.push_back(Mesh());
            else
                Unknown();
        }
    }

    // A second top-level frame puts the importer's stand-in root above both.
    void Attach(FrameNode* parent, std::unique_ptr<FrameNode> node)
    {
        if (parent) {
            parent->children.push_back(std::move(node));
            return;
        }
        if (!root_) {
            root_ = std::move(node);
            return;
        }
        if (root_->name != "$dummy_root") {
            auto standIn = std::make_unique<FrameNode>();
            standIn->name = "$dummy_root";
            standIn->children.push_back(std::move(root_));
            root_ = std::move(standIn);
            standInRoot_ = true;
        }
        root_->children.push_back(std::move(node));
    }

    // The importer folds an unnamed only child that holds meshes into its mesh-less parent,
    // dropping the child's own children.
    static void Flatten(FrameNode& node)
    {
        if (node.children.size() == 1 && node.meshes.empty()) {
            FrameNode& child = *node.children.front();
            if (child.name.empty() && !child.meshes.empty()) {
                node.meshes = std::move(child.meshes);
                node.children.clear();
            }
        }
        for (const auto& child : node.children)
            Flatten(*child);
    }

    static void Collect(const FrameNode& node, std::vector<FileMeshPieces>& pieces)
    {
        pieces.insert(pieces.end(), node.meshes.begin(), node.meshes.end());
        for (const auto& child : node.children)
            Collect(*child, pieces);
    }

    FileMeshPieces Mesh()
    {
        if (++meshes_ > kMaxMeshes)
            throw Refused{};
        Head();
        const std::uint32_t vertices = Count();
        for (std::uint32_t i = 0; i < vertices; ++i)
            Vector(3);
        std::vector<std::uint32_t> corners(Count());
        for (std::uint32_t& faceCorners : corners) {
            faceCorners = Count(kMaxFaceCorners);
            corners_ += faceCorners;
            // A face without corners stops the importer's triangulation dead.
            if (faceCorners == 0 || corners_ > kMaxCorners)
                throw Refused{};
            for (std::uint32_t i = 0; i < faceCorners; ++i)
                if (Int() >= vertices)
                    throw Refused{};
            OptionalSeparator();
        }

        std::vector<std::uint32_t> faceMaterials;
        std::vector<PieceMaterial> materials;
        bool materialList = false;
        int coordinateSets = 0;
        int colourSets = 0;
        for (std::string t = Token(); t != "}"; t = Token()) {
            if (t.empty())
                throw Refused{};
            if (t == "MeshNormals")
                Normals(static_cast<std::uint32_t>(corners.size()));
            else if (t == "MeshTextureCoords") {
                Head();
                if (++coordinateSets > AI_MAX_NUMBER_OF_TEXTURECOORDS || Int() != vertices)
                    throw Refused{};
                for (std::uint32_t i = 0; i < vertices; ++i)
                    Vector(2);
                Expect("}");
            } else if (t == "MeshVertexColors") {
                Head();
                if (++colourSets > AI_MAX_NUMBER_OF_COLOR_SETS || Int() != vertices)
                    throw Refused{};
                for (std::uint32_t i = 0; i < vertices; ++i) {
                    if (Int() >= vertices)
                        throw Refused{};
                    Vector(4);
                    OptionalSeparator();
                }
                Expect("}");
            } else if (t == "MeshMaterialList") {
                // The importer would add a second list's faces to the first's.
                if (materialList)
                    throw Refused{};
                materialList = true;
                materials = MaterialList(static_cast<std::uint32_t>(corners.size()), faceMaterials);
            } else if (t == "XSkinMeshHeader") {
                Head();
                Int();
                Int();
                Int();
                Expect("}");
            } else if (t == "SkinWeights")
                SkinWeights(vertices);
            else
                Unknown();
        }

        // Without a material list every face goes to the one piece.
        if (faceMaterials.empty())
            return corners.empty() ? FileMeshPieces{} : FileMeshPieces(1);
        std::vector<bool> used(materials.size(), false);
        for (const std::uint32_t material : faceMaterials)
            if (material < materials.size())
                used[material] = true;
        FileMeshPieces pieces;
        for (std::size_t material = 0; material < materials.size(); ++material)
            if (used[material])
                pieces.push_back(std::move(materials[material]));
        return pieces;
    }

    void Normals(std::uint32_t faces)
    {
        Head();
        const std::uint32_t normals = Count();
        for (std::uint32_t i = 0; i < normals; ++i)
            Vector(3);
        if (Int() != faces)
            throw Refused{};
        for (std::uint32_t f = 0; f < faces; ++f) {
            const std::uint32_t faceCorners = Count(kMaxFaceCorners);
            for (std::uint32_t i = 0; i < faceCorners; ++i)
                if (Int() >= normals)
                    throw Refused{};
            OptionalSeparator();
        }
        Expect("}");
    }

    // Returns the materials the list names.
    std::vector<PieceMaterial> MaterialList(std::uint32_t faces, std::vector<std::uint32_t>& faceMaterials)
    {
        Head();
        Int(); // the material count, which the importer does not use
        const std::uint32_t indices = Int();
        if (indices != faces && indices != 1)
            throw Refused{};
        for (std::uint32_t i = 0; i < indices; ++i)
            faceMaterials.push_back(Int());
        if (p_ < end_ && *p_ == ';')
            ++p_;
        // One index stands for every face; the importer would read it for a face that is
        // not there.
        if (faces == 0 && indices == 1)
            throw Refused{};
        faceMaterials.resize(faces, faceMaterials.empty() ? 0 : faceMaterials.front());

        std::vector<PieceMaterial> materials;
        for (std::string t = Token(); t != "}"; t = Token()) {
            if (t.empty())
                throw Refused{};
            if (t == "{") { // a reference to a material outside the mesh
                CountMaterial();
                materials.push_back({PieceMaterial::Kind::Reference, Token()});
                Expect("}");
            } else if (t == "Material") {
                Material();
                materials.push_back({PieceMaterial::Kind::Own, {}});
            } else if (t != ";")
                Unknown();
        }
        // The importer would read the material of the faces from an empty list.
        if (materials.empty() && !faceMaterials.empty())
            throw Refused{};
        return materials;
    }

    void CountMaterial()
    {
        if (++materials_ > kMaxMaterials)
            throw Refused{};
    }

    void Material()
    {
        CountMaterial();
        Head();
        Vector(4); // face colour
        Float();   // power
        Vector(3); // specular colour
        Vector(3); // emissive colour
        for (std::string t = Token(); t != "}"; t = Token()) {
            if (t.empty())
                throw Refused{};
            if (t == "TextureFilename" || t == "TextureFileName" || t == "NormalmapFilename"
                || t == "NormalmapFileName") {
                Head();
                String();
                Expect("}");
            } else
                Unknown();
        }
    }

    void SkinWeights(std::uint32_t vertices)
    {
        Head();
        String(); // the frame it follows
        const std::uint32_t weights = Count();
        for (std::uint32_t i = 0; i < weights; ++i)
            if (Int() >= vertices)
                throw Refused{};
        Floats(static_cast<int>(weights));
        Floats(16);
        Expect(";");
        Expect("}");
    }

    void AnimationSet()
    {
        if (++animationSets_ > kMaxAnimationSets)
            throw Refused{};
        Head();
        for (std::string t = Token(); t != "}"; t = Token()) {
            if (t.empty())
                throw Refused{};
            if (t == "Animation")
                Animation();
            else
                Unknown();
        }
    }

    void Animation()
    {
        if (++animations_ > kMaxAnimations)
            throw Refused{};
        Head();
        for (std::string t = Token(); t != "}"; t = Token()) {
            if (t.empty())
                throw Refused{};
            if (t == "AnimationKey")
                AnimationKey();
            else if (t == "{") { // the animated frame's name
                Token();
                Expect("}");
            } else
                Unknown();
        }
    }

    void AnimationKey()
    {
        Head();
        const std::uint32_t type = Int();
        const std::uint32_t keys = Count();
        keys_ += keys;
        if (keys_ > kMaxKeys)
            throw Refused{};
        for (std::uint32_t i = 0; i < keys; ++i) {
            Int(); // time
            switch (type) {
            case 0: // rotation: w, x, y, z
                if (Int() != 4)
                    throw Refused{};
                Floats(4);
                Expect(";");
                break;
            case 1: // scale
            case 2: // position
                if (Int() != 3)
                    throw Refused{};
                Vector(3);
                break;
            case 3:
            case 4: // matrix
                if (Int() != 16)
                    throw Refused{};
                Floats(16);
                Expect(";");
                break;
            default:
                throw Refused{};
            }
            Separator();
        }
        Expect("}");
    }

    const char* p_;
    const char* end_;
    std::unique_ptr<FrameNode> root_;
    bool standInRoot_ = false;
    std::vector<FileMeshPieces> globalMeshes_;
    std::uint64_t corners_ = 0;
    std::uint32_t meshes_ = 0;
    std::uint32_t materials_ = 0;
    std::uint32_t frames_ = 0;
    std::uint32_t animationSets_ = 0;
    std::uint32_t animations_ = 0;
    std::uint64_t keys_ = 0;
};

void CollectTransforms(const aiScene& scene, const aiNode& node, const aiMatrix4x4& parent,
                       std::vector<aiMatrix4x4>& transforms)
{
    const aiMatrix4x4 transform = parent * node.mTransformation;
    for (unsigned i = 0; i < node.mNumMeshes; ++i)
        if (node.mMeshes[i] < scene.mNumMeshes)
            transforms[node.mMeshes[i]] = transform;
    for (unsigned i = 0; i < node.mNumChildren; ++i)
        if (node.mChildren[i])
            CollectTransforms(scene, *node.mChildren[i], transform, transforms);
}

// The material a scene mesh is drawn with (none: no material); nullopt when the file names a
// material it does not hold.
std::optional<const aiMaterial*> MaterialOf(const aiScene& scene, const aiMesh& mesh, const PieceMaterial& piece)
{
    switch (piece.kind) {
    case PieceMaterial::Kind::None:
        return nullptr;
    case PieceMaterial::Kind::Own:
        if (mesh.mMaterialIndex < scene.mNumMaterials && scene.mMaterials[mesh.mMaterialIndex])
            return scene.mMaterials[mesh.mMaterialIndex];
        return std::nullopt;
    case PieceMaterial::Kind::Reference:
        for (unsigned i = 0; i < scene.mNumMaterials; ++i) {
            aiString name;
            if (scene.mMaterials[i] && scene.mMaterials[i]->Get(AI_MATKEY_NAME, name) == AI_SUCCESS
                && piece.reference == name.C_Str())
                return scene.mMaterials[i];
        }
        return std::nullopt;
    }
    return std::nullopt;
}

} // namespace

XFileReader::XFileReader() = default;
XFileReader::~XFileReader() = default;

HRESULT XFileReader::Read(const void* source, std::uint32_t options)
{
    if (!source)
        return D3DRMERR_BADVALUE;
    switch (options & D3DRMLOAD_SOURCEMASK) {
    case D3DRMLOAD_FROMFILE: {
        const std::optional<QByteArray> text =
            win::ReadRegularFile(QFile::decodeName(static_cast<const char*>(source)), kMaxModelBytes);
        if (!text)
            return D3DRMERR_BADFILE;
        return Import(text->toStdString());
    }
    case D3DRMLOAD_FROMMEMORY: {
        const auto& memory = *static_cast<const D3DRMLOADMEMORY*>(source);
        if (!memory.lpMemory || memory.dSize > kMaxModelBytes)
            return D3DRMERR_BADFILE;
        return Import(std::string(static_cast<const char*>(memory.lpMemory), memory.dSize));
    }
    default:
        return D3DRMERR_BADVALUE;
    }
}

HRESULT XFileReader::Import(const std::string& text)
{
    scene_ = nullptr;
    meshes_.clear();
    materials_.clear();
    transforms_.clear();
    rootIsFileFrame_ = false;
    // Binary and compressed files are refused: their counts cannot be checked beforehand.
    if (!IsTextHeader(text))
        return D3DRMERR_BADFILE;
    std::vector<FileMeshPieces> fileMeshes;
    bool rootIsFileFrame = false;
    try {
        XFileText walk(text);
        fileMeshes = walk.FileMeshes();
        rootIsFileFrame = walk.RootIsFileFrame();
    } catch (const Refused&) {
        return D3DRMERR_BADFILE;
    }

    importer_ = std::make_unique<Assimp::Importer>();
    const aiScene* scene = nullptr;
    try {
        scene = importer_->ReadFileFromMemory(text.data(), text.size(), kImportSteps, "x");
    } catch (...) {
        scene = nullptr;
    }
    if (!scene || !scene->mRootNode || (scene->mNumMeshes > 0 && !scene->mMeshes))
        return D3DRMERR_BADFILE;

    // The walk and the importer must agree on the meshes, or the positions would be wrong.
    std::vector<FileMesh> meshes;
    std::vector<const aiMaterial*> materials;
    for (const FileMeshPieces& pieces : fileMeshes) {
        meshes.push_back({static_cast<std::uint32_t>(materials.size()), static_cast<std::uint32_t>(pieces.size())});
        for (const PieceMaterial& piece : pieces) {
            const std::size_t i = materials.size();
            if (i >= scene->mNumMeshes || !scene->mMeshes[i])
                return D3DRMERR_BADFILE;
            const std::optional<const aiMaterial*> material = MaterialOf(*scene, *scene->mMeshes[i], piece);
            if (!material)
                return D3DRMERR_BADFILE;
            materials.push_back(*material);
        }
    }
    if (materials.size() != scene->mNumMeshes)
        return D3DRMERR_BADFILE;

    transforms_.assign(scene->mNumMeshes, aiMatrix4x4());
    CollectTransforms(*scene, *scene->mRootNode, aiMatrix4x4(), transforms_);
    meshes_ = std::move(meshes);
    materials_ = std::move(materials);
    rootIsFileFrame_ = rootIsFileFrame;
    scene_ = scene;
    return D3DRM_OK;
}

} // namespace rm
