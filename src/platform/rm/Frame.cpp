#include "rm/Frame.h"

#include <algorithm>

namespace rm {

Frame3::~Frame3()
{
    for (const Ptr<Frame3>& child : children_)
        child->parent_ = nullptr;
}

HRESULT Frame3::AddChild(Frame3* child)
{
    // A frame cannot hang below itself, however deep: the tree would have no root.
    for (const Frame3* above = this; above; above = above->parent_) {
        if (above == child)
            return D3DRMERR_BADOBJECT;
    }
    if (!child)
        return D3DRMERR_BADOBJECT;
    const Matrix4 world = child->WorldTransform();
    Ptr<Frame3> keep = Ptr<Frame3>::Share(child);
    if (child->parent_)
        child->parent_->DeleteChild(child);
    child->parent_ = this;
    child->local_ = WorldTransform().RigidInverse() * world;
    children_.push_back(std::move(keep));
    return D3DRM_OK;
}

HRESULT Frame3::DeleteChild(Frame3* child)
{
    const auto found = std::find_if(children_.begin(), children_.end(),
                                    [child](const Ptr<Frame3>& c) { return c.get() == child; });
    if (found == children_.end())
        return D3DRMERR_BADOBJECT;
    child->parent_ = nullptr;
    children_.erase(found);
    return D3DRM_OK;
}

HRESULT Frame3::AddLight(Light* light)
{
    if (!light)
        return D3DRMERR_BADOBJECT;
    lights_.push_back(Ptr<Light>::Share(light));
    return D3DRM_OK;
}

HRESULT Frame3::AddVisual(Visual* visual)
{
    if (!visual)
        return D3DRMERR_BADOBJECT;
    visuals_.push_back(Ptr<Visual>::Share(visual));
    return D3DRM_OK;
}

HRESULT Frame3::GetParent(Ptr<Frame3>& parent)
{
    parent = Ptr<Frame3>::Share(parent_);
    return D3DRM_OK;
}

Matrix4 Frame3::WorldTransform() const
{
    return parent_ ? parent_->WorldTransform() * local_ : local_;
}

Matrix4 Frame3::ReferenceToParent(Frame3* reference) const
{
    if (!reference || reference == parent_)
        return Matrix4::Identity();
    const Matrix4 parentWorld = parent_ ? parent_->WorldTransform() : Matrix4::Identity();
    return parentWorld.RigidInverse() * reference->WorldTransform();
}

HRESULT Frame3::SetPosition(Frame3* reference, float x, float y, float z)
{
    const D3DVECTOR p = ReferenceToParent(reference).Transform({x, y, z});
    local_.At(0, 3) = p.x;
    local_.At(1, 3) = p.y;
    local_.At(2, 3) = p.z;
    return D3DRM_OK;
}

HRESULT Frame3::SetOrientation(Frame3* reference, float dx, float dy, float dz, float ux, float uy, float uz)
{
    const D3DVECTOR direction{dx, dy, dz};
    if (Dot(direction, direction) == 0.0f)
        return D3DRMERR_BADVALUE;
    const Matrix4 toParent = ReferenceToParent(reference);
    local_ = Matrix4::Frame(local_.Translation(), toParent.TransformDirection(direction),
                            toParent.TransformDirection({ux, uy, uz}));
    return D3DRM_OK;
}

HRESULT Frame3::SetSceneBackgroundRGB(float red, float green, float blue)
{
    background_ = {red, green, blue};
    return D3DRM_OK;
}

HRESULT Frame3::SetSceneFogEnable(bool enable)
{
    fog_.enabled = enable;
    return D3DRM_OK;
}

HRESULT Frame3::SetSceneFogColor(D3DCOLOR color)
{
    fog_.color = color;
    return D3DRM_OK;
}

HRESULT Frame3::SetSceneFogMode(D3DRMFOGMODE mode)
{
    fog_.mode = mode;
    return D3DRM_OK;
}

HRESULT Frame3::SetSceneFogParams(float start, float end, float density)
{
    fog_.start = start;
    fog_.end = end;
    fog_.density = density;
    return D3DRM_OK;
}

} // namespace rm
