#pragma once

#include "rm/Frame.h"
#include "rm/Types.h"
#include "rm/Unknown.h"

namespace rm {

// What a camera frame sees on a device: a perspective view along the camera's z axis,
// between the front and back planes. The planes are kept here; a backend checks them in its
// hooks, and a plane it refuses stays as it was.
class Viewport2 : public Unknown {
public:
    HRESULT Clear(std::uint32_t flags) { return DoClear(flags); }
    HRESULT Render(Frame3* scene) { return DoRender(scene); }
    HRESULT SetFront(float front)
    {
        const HRESULT result = DoSetFront(front);
        if (result == D3DRM_OK)
            front_ = front;
        return result;
    }
    HRESULT SetBack(float back)
    {
        const HRESULT result = DoSetBack(back);
        if (result == D3DRM_OK)
            back_ = back;
        return result;
    }
    float GetFront() const { return front_; }
    float GetBack() const { return back_; }
    Frame3* Camera() const { return camera_.get(); }

protected:
    explicit Viewport2(Frame3* camera) : camera_(Ptr<Frame3>::Share(camera)) {}

private:
    virtual HRESULT DoClear(std::uint32_t flags) = 0;
    virtual HRESULT DoRender(Frame3* scene) = 0;
    virtual HRESULT DoSetFront(float) { return D3DRM_OK; }
    virtual HRESULT DoSetBack(float) { return D3DRM_OK; }

    Ptr<Frame3> camera_;
    float front_ = 1.0f;
    float back_ = 100.0f;
};

} // namespace rm
