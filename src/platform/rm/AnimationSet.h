#pragma once

#include "rm/Frame.h"
#include "rm/MeshBuilder.h"
#include "rm/Types.h"
#include "rm/Unknown.h"

#include <cstdint>
#include <vector>

namespace rm {

// An animated model: Load builds the model's frames and meshes under a parent frame and keeps
// its animation keys; SetTime poses every animated frame at a key time.
class AnimationSet2 : public Unknown {
public:
    AnimationSet2();
    ~AnimationSet2() override;

    // `source` and `options` as for MeshBuilder3::Load (no object id: the whole file). The
    // model's frame tree is hung below `parent`; its textures go through `loadTexture`, and a
    // failing texture fails the load.
    virtual HRESULT Load(const void* source, const void* objectId, std::uint32_t options,
                         LoadTextureCallback loadTexture, void* argument, Frame3* parent);
    // Poses the animated frames at key time `time`: positions and scales linear, rotations
    // spherical between neighbouring keys, the first or last key outside their range.
    virtual HRESULT SetTime(float time);

private:
    struct Track; // one animated frame and its keys
    std::vector<Track> tracks_;
};

} // namespace rm
