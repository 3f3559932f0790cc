#pragma once

#include "rm/Light.h"
#include "rm/Matrix.h"
#include "rm/Types.h"
#include "rm/Unknown.h"
#include "rm/Visual.h"

#include <vector>

namespace rm {

struct SceneFog {
    bool enabled = false;
    D3DCOLOR color = 0;
    D3DRMFOGMODE mode = D3DRMFOG_LINEAR;
    float start = 0.0f;
    float end = 0.0f;
    float density = 0.0f;
};

// A frame of the scene: a place (relative to its parent) that holds visuals, lights and child
// frames. A parent keeps its children alive; a child knows its parent without owning it. The
// root frame also carries the scene's background colour and fog.
// Operations are virtual so that a test can make any one of them fail.
class Frame3 : public Unknown {
public:
    Frame3() = default;
    ~Frame3() override;

    // Hangs `child` below this frame, taking it from any parent it had; its place in the world
    // stays where it was.
    virtual HRESULT AddChild(Frame3* child);
    virtual HRESULT DeleteChild(Frame3* child);
    virtual HRESULT AddLight(Light* light);
    virtual HRESULT AddVisual(Visual* visual);
    virtual HRESULT GetParent(Ptr<Frame3>& parent);
    // Places the frame's origin at (x, y, z) of `reference`'s coordinates (nullptr: the parent's).
    virtual HRESULT SetPosition(Frame3* reference, float x, float y, float z);
    // Turns the frame so that its z axis looks along (dx, dy, dz) and its y axis leans to
    // (ux, uy, uz), both given in `reference`'s coordinates (nullptr: the parent's).
    virtual HRESULT SetOrientation(Frame3* reference, float dx, float dy, float dz, float ux, float uy, float uz);
    // Places the frame by a whole transform relative to its parent, which may also scale: how a
    // loaded model's frames take their file transforms and their animated poses.
    void SetLocalTransform(const Matrix4& transform) { local_ = transform; }
    virtual HRESULT SetSceneBackgroundRGB(float red, float green, float blue);
    virtual HRESULT SetSceneFogEnable(bool enable);
    virtual HRESULT SetSceneFogColor(D3DCOLOR color);
    virtual HRESULT SetSceneFogMode(D3DRMFOGMODE mode);
    virtual HRESULT SetSceneFogParams(float start, float end, float density);

    // What a renderer reads.
    Frame3* Parent() const { return parent_; }
    const std::vector<Ptr<Frame3>>& Children() const { return children_; }
    const std::vector<Ptr<Visual>>& Visuals() const { return visuals_; }
    const std::vector<Ptr<Light>>& Lights() const { return lights_; }
    const Matrix4& LocalTransform() const { return local_; }
    Matrix4 WorldTransform() const;
    D3DVECTOR SceneBackground() const { return background_; }
    const SceneFog& Fog() const { return fog_; }

private:
    Matrix4 ReferenceToParent(Frame3* reference) const;

    Frame3* parent_ = nullptr;
    std::vector<Ptr<Frame3>> children_;
    std::vector<Ptr<Visual>> visuals_;
    std::vector<Ptr<Light>> lights_;
    Matrix4 local_;
    D3DVECTOR background_{0.0f, 0.0f, 0.0f};
    SceneFog fog_;
};

} // namespace rm
