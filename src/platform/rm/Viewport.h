#pragma once

#include "rm/Frame.h"
#include "rm/Types.h"
#include "rm/Unknown.h"

namespace rm {

// What a camera frame sees on a device: a perspective view along the camera's z axis,
// between the front and back planes.
class Viewport2 : public Unknown {
public:
    virtual HRESULT Clear(std::uint32_t flags) = 0;
    virtual HRESULT Render(Frame3* scene) = 0;
    virtual HRESULT SetFront(float front) = 0;
    virtual HRESULT SetBack(float back) = 0;
    virtual float GetFront() const = 0;
    virtual float GetBack() const = 0;
    virtual Frame3* Camera() const = 0;
};

} // namespace rm
