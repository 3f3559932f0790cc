#pragma once

#include "rm/Viewport.h"
#include "rm/gl/GLDevice.h"

#include <QRect>

namespace rm::gl {

// A viewport of a GLDevice. Clear and Render record into the frame the device is building:
// Render takes the scene as it stands (its background, the camera's view, the lights, every
// mesh with its place), and the device's Update shows that frame.
class GLViewport final : public Viewport2 {
public:
    GLViewport(GLDevice* device, Frame3* camera, const QRect& area);

    HRESULT Clear(std::uint32_t flags) override;
    HRESULT Render(Frame3* scene) override;
    HRESULT SetFront(float front) override;
    HRESULT SetBack(float back) override;
    float GetFront() const override { return front_; }
    float GetBack() const override { return back_; }
    Frame3* Camera() const override { return camera_.get(); }

private:
    Ptr<GLDevice> device_;
    Ptr<Frame3> camera_;
    QRect area_;
    float front_ = 1.0f;
    float back_ = 100.0f;
};

} // namespace rm::gl
