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

private:
    HRESULT DoClear(std::uint32_t flags) override;
    HRESULT DoRender(Frame3* scene) override;
    // Both planes lie in front of the camera, the front one nearer.
    HRESULT DoSetFront(float front) override;
    HRESULT DoSetBack(float back) override;

    Ptr<GLDevice> device_;
    QRect area_;
};

} // namespace rm::gl
