#include "rm/gl/GLViewport.h"

#include "rm/gl/GLRenderWidget.h"

#include <cmath>

namespace rm::gl {

HRESULT CreateViewport(Device3* device, Frame3* camera, int x, int y, int width, int height, Ptr<Viewport2>& result)
{
    if (!device || !camera)
        return D3DRMERR_BADOBJECT;
    auto* glDevice = dynamic_cast<GLDevice*>(device);
    if (!glDevice)
        return D3DRMERR_BADDEVICE;
    const QRect area(x, y, width, height);
    if (width <= 0 || height <= 0 || !QRect(0, 0, device->GetWidth(), device->GetHeight()).contains(area))
        return D3DRMERR_BADVALUE;
    result = MakePtr<GLViewport>(glDevice, camera, area);
    return D3DRM_OK;
}

GLViewport::GLViewport(GLDevice* device, Frame3* camera, const QRect& area)
    : device_(Ptr<GLDevice>::Share(device)), camera_(Ptr<Frame3>::Share(camera)), area_(area)
{
}

HRESULT GLViewport::Clear(std::uint32_t flags)
{
    return Record(flags, nullptr);
}

HRESULT GLViewport::Render(Frame3* scene)
{
    if (!scene)
        return D3DRMERR_BADOBJECT;
    return Record(0, scene);
}

HRESULT GLViewport::SetFront(float front)
{
    if (!(std::isfinite(front) && front > 0.0f && front < back_))
        return D3DRMERR_BADVALUE;
    front_ = front;
    return D3DRM_OK;
}

HRESULT GLViewport::SetBack(float back)
{
    if (!(std::isfinite(back) && back > front_))
        return D3DRMERR_BADVALUE;
    back_ = back;
    return D3DRM_OK;
}

HRESULT GLViewport::Record(std::uint32_t clearFlags, Frame3* scene)
{
    GLRenderWidget* surface = device_->Surface();
    if (!surface)
        return D3DRMERR_BADOBJECT;
    surface->Record({this, clearFlags, Ptr<Frame3>::Share(scene), camera_, area_, front_, back_, device_->GetQuality()});
    return D3DRM_OK;
}

} // namespace rm::gl
