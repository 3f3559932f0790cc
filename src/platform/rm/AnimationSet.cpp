#include "rm/AnimationSet.h"

#include "rm/Matrix.h"
#include "rm/XFileMeshReader.h"
#include "rm/XFileReader.h"

#include <assimp/scene.h>

#include <algorithm>
#include <iterator>
#include <limits>
#include <string>
#include <unordered_map>
#include <utility>

namespace rm {

// The keys of each kind sorted by time and never empty, so that posing needs no checks.
struct AnimationSet2::Track {
    Track(Ptr<Frame3> animated, const aiNodeAnim& channel, const aiMatrix4x4& fileTransform);
    Matrix4 Pose(double time) const;

    Ptr<Frame3> frame;
    std::vector<aiVectorKey> positions;
    std::vector<aiQuatKey> rotations;
    std::vector<aiVectorKey> scales;
};

namespace {

Matrix4 ToMatrix4(const aiMatrix4x4& source)
{
    Matrix4 m;
    for (unsigned row = 0; row < 4; ++row)
        for (unsigned column = 0; column < 4; ++column)
            m.At(static_cast<int>(row), static_cast<int>(column)) = source[row][column];
    return m;
}

// Keys in the order of their times (the file may list them in any); a kind the file does not
// key keeps the frame's own transform.
template <class Key>
std::vector<Key> SortedKeys(const Key* keys, unsigned count, const Key& fallback)
{
    if (!keys || count == 0)
        return {fallback};
    std::vector<Key> sorted(keys, keys + count);
    std::stable_sort(sorted.begin(), sorted.end(), [](const Key& a, const Key& b) { return a.mTime < b.mTime; });
    return sorted;
}

// The value at `time` between the neighbouring keys; before the first key the first, after the
// last the last. A time on a key gives that key exactly (the blend's factor is 0).
template <class Key, class Blend>
auto Sample(const std::vector<Key>& keys, double time, Blend blend)
{
    const auto next = std::upper_bound(keys.begin(), keys.end(), time,
                                       [](double t, const Key& key) { return t < key.mTime; });
    if (next == keys.begin())
        return keys.front().mValue;
    if (next == keys.end())
        return keys.back().mValue;
    const Key& previous = *std::prev(next);
    const auto factor = static_cast<ai_real>((time - previous.mTime) / (next->mTime - previous.mTime));
    return blend(previous.mValue, next->mValue, factor);
}

aiVector3D Lerp(const aiVector3D& a, const aiVector3D& b, ai_real factor)
{
    return a + (b - a) * factor;
}

// Along the shorter arc: the importer's Interpolate turns the end key round when they lie apart.
aiQuaternion Slerp(const aiQuaternion& a, const aiQuaternion& b, ai_real factor)
{
    aiQuaternion result;
    aiQuaternion::Interpolate(result, a, b, factor);
    return result;
}

// Builds a read file's frames, each holding its meshes, detached from the parent until the
// whole model is there, so that a failing texture leaves the parent as it was.
class ModelBuilder {
public:
    struct NamedFrame {
        Ptr<Frame3> frame;
        const aiNode* node;
    };

    ModelBuilder(const XFileReader& file, LoadTextureCallback loadTexture, void* argument)
        : file_(file), meshes_(file, loadTexture, argument),
          fileMeshOf_(file.Scene()->mNumMeshes, std::numeric_limits<std::uint32_t>::max())
    {
        const std::vector<XFileReader::FileMesh>& meshes = file.Meshes();
        for (std::uint32_t position = 0; position < meshes.size(); ++position)
            for (std::uint32_t i = meshes[position].first; i < meshes[position].first + meshes[position].count; ++i)
                fileMeshOf_[i] = position;
    }

    HRESULT Build()
    {
        const aiNode& root = *file_.Scene()->mRootNode;
        if (file_.RootIsFileFrame())
            return AddTop(root);
        // The importer's own root: its children are the file's top-level frames; the meshes
        // outside any frame get a frame of their own.
        for (unsigned i = 0; i < root.mNumChildren; ++i)
            if (root.mChildren[i])
                if (const HRESULT result = AddTop(*root.mChildren[i]); result != D3DRM_OK)
                    return result;
        if (root.mNumMeshes == 0)
            return D3DRM_OK;
        tops_.push_back(MakePtr<Frame3>());
        return AddMeshes(root, *tops_.back());
    }

    // The first frame of that name, as the file lists them.
    const NamedFrame* Find(const aiString& name) const
    {
        const auto found = named_.find(name.C_Str());
        return found == named_.end() ? nullptr : &found->second;
    }

    HRESULT AttachTo(Frame3& parent)
    {
        for (std::size_t i = 0; i < tops_.size(); ++i) {
            Frame3& top = *tops_[i];
            const Matrix4 local = top.LocalTransform();
            if (const HRESULT result = parent.AddChild(&top); result != D3DRM_OK) {
                for (std::size_t attached = 0; attached < i; ++attached)
                    parent.DeleteChild(tops_[attached].get());
                return result;
            }
            // The file places the frame in the parent's coordinates, not where it stood detached.
            top.SetLocalTransform(local);
        }
        return D3DRM_OK;
    }

private:
    HRESULT AddTop(const aiNode& node)
    {
        tops_.push_back(MakePtr<Frame3>());
        return Fill(node, *tops_.back());
    }

    HRESULT Fill(const aiNode& node, Frame3& frame)
    {
        frame.SetLocalTransform(ToMatrix4(node.mTransformation));
        if (node.mName.length > 0)
            named_.try_emplace(node.mName.C_Str(), NamedFrame{Ptr<Frame3>::Share(&frame), &node});
        if (const HRESULT result = AddMeshes(node, frame); result != D3DRM_OK)
            return result;
        for (unsigned i = 0; i < node.mNumChildren; ++i) {
            if (!node.mChildren[i])
                continue;
            const Ptr<Frame3> child = MakePtr<Frame3>();
            if (const HRESULT result = frame.AddChild(child.get()); result != D3DRM_OK)
                return result;
            if (const HRESULT result = Fill(*node.mChildren[i], *child); result != D3DRM_OK)
                return result;
        }
        return D3DRM_OK;
    }

    // One mesh builder per file mesh; the importer lists a file mesh's materials one after the
    // other among the node's meshes.
    HRESULT AddMeshes(const aiNode& node, Frame3& frame)
    {
        std::uint32_t previous = std::numeric_limits<std::uint32_t>::max();
        for (unsigned i = 0; i < node.mNumMeshes; ++i) {
            if (node.mMeshes[i] >= fileMeshOf_.size())
                return D3DRMERR_BADFILE;
            const std::uint32_t position = fileMeshOf_[node.mMeshes[i]];
            if (position == previous)
                continue;
            previous = position;
            const Ptr<MeshBuilder3> mesh = MakePtr<MeshBuilder3>();
            if (const HRESULT result = meshes_.Read(position, XFileMeshReader::Coordinates::Frame, *mesh);
                result != D3DRM_OK)
                return result;
            if (const HRESULT result = frame.AddVisual(mesh.get()); result != D3DRM_OK)
                return result;
        }
        return D3DRM_OK;
    }

    const XFileReader& file_;
    XFileMeshReader meshes_;
    std::vector<std::uint32_t> fileMeshOf_; // scene mesh → its file mesh's position
    std::vector<Ptr<Frame3>> tops_;
    std::unordered_map<std::string, NamedFrame> named_;
};

} // namespace

AnimationSet2::Track::Track(Ptr<Frame3> animated, const aiNodeAnim& channel, const aiMatrix4x4& fileTransform)
    : frame(std::move(animated))
{
    aiVector3D scale;
    aiQuaternion rotation;
    aiVector3D position;
    fileTransform.Decompose(scale, rotation, position);
    positions = SortedKeys(channel.mPositionKeys, channel.mNumPositionKeys, aiVectorKey(0.0, position));
    rotations = SortedKeys(channel.mRotationKeys, channel.mNumRotationKeys, aiQuatKey(0.0, rotation));
    scales = SortedKeys(channel.mScalingKeys, channel.mNumScalingKeys, aiVectorKey(0.0, scale));
}

// T · R · S: scaled along the frame's own axes, then turned, then moved.
Matrix4 AnimationSet2::Track::Pose(double time) const
{
    const aiVector3D position = Sample(positions, time, Lerp);
    const aiMatrix3x3 turn = Sample(rotations, time, Slerp).GetMatrix();
    const aiVector3D scale = Sample(scales, time, Lerp);
    Matrix4 pose;
    for (unsigned row = 0; row < 3; ++row) {
        const int r = static_cast<int>(row);
        for (unsigned column = 0; column < 3; ++column)
            pose.At(r, static_cast<int>(column)) = turn[row][column] * scale[column];
        pose.At(r, 3) = position[row];
    }
    return pose;
}

AnimationSet2::AnimationSet2() = default;
AnimationSet2::~AnimationSet2() = default;

HRESULT AnimationSet2::Load(const void* source, const void*, std::uint32_t options, LoadTextureCallback loadTexture,
                            void* argument, Frame3* parent)
{
    if (!parent)
        return D3DRMERR_BADOBJECT;
    XFileReader file;
    if (const HRESULT result = file.Read(source, options); result != D3DRM_OK)
        return result;
    ModelBuilder model(file, loadTexture, argument);
    if (const HRESULT result = model.Build(); result != D3DRM_OK)
        return result;

    // Rotation keys come as the file means them: the importer turns the written quaternion,
    // which the file format keeps conjugated, into the turn it stands for.
    std::vector<Track> tracks;
    const aiScene& scene = *file.Scene();
    for (unsigned a = 0; a < scene.mNumAnimations; ++a) {
        const aiAnimation* animation = scene.mAnimations[a];
        for (unsigned c = 0; animation && c < animation->mNumChannels; ++c) {
            const aiNodeAnim* channel = animation->mChannels[c];
            // Keys for a frame the file does not hold have nothing to move.
            if (const ModelBuilder::NamedFrame* named = channel ? model.Find(channel->mNodeName) : nullptr)
                tracks.emplace_back(named->frame, *channel, named->node->mTransformation);
        }
    }
    if (const HRESULT result = model.AttachTo(*parent); result != D3DRM_OK)
        return result;
    tracks_.insert(tracks_.end(), std::make_move_iterator(tracks.begin()), std::make_move_iterator(tracks.end()));
    return D3DRM_OK;
}

HRESULT AnimationSet2::SetTime(float time)
{
    for (const Track& track : tracks_)
        track.frame->SetLocalTransform(track.Pose(time));
    return D3DRM_OK;
}

} // namespace rm
