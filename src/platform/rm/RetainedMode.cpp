#include "rm/Direct3DRM.h"
#include "rm/TextureFile.h"
#include "rm/gl/GLDevice.h"

#include <new>

namespace rm {

namespace {

class RetainedMode3 final : public Direct3DRM3 {
public:
    HRESULT CreateFrame(Frame3* parent, Ptr<Frame3>& frame) override
    {
        frame = MakePtr<Frame3>();
        return parent ? parent->AddChild(frame.get()) : D3DRM_OK;
    }

    HRESULT CreateLightRGB(D3DRMLIGHTTYPE type, float red, float green, float blue, Ptr<Light>& light) override
    {
        if (type > D3DRMLIGHT_PARALLELPOINT)
            return D3DRMERR_BADVALUE;
        light = MakePtr<Light>(type, red, green, blue);
        return D3DRM_OK;
    }

    HRESULT CreateMeshBuilder(Ptr<MeshBuilder3>& builder) override
    {
        builder = MakePtr<MeshBuilder3>();
        return D3DRM_OK;
    }

    HRESULT CreateAnimationSet(Ptr<AnimationSet2>& animationSet) override
    {
        animationSet = MakePtr<AnimationSet2>();
        return D3DRM_OK;
    }

    HRESULT CreateDeviceFromClipper(ddraw::Clipper* clipper, const win::GUID* device, int width, int height,
                                    Ptr<Device3>& result) override
    {
        return gl::CreateDevice(clipper, device, width, height, result);
    }

    HRESULT CreateViewport(Device3* device, Frame3* camera, int x, int y, int width, int height,
                           Ptr<Viewport2>& viewport) override
    {
        return gl::CreateViewport(device, camera, x, y, width, height, viewport);
    }

    HRESULT LoadTexture(const char* fileName, Ptr<Texture3>& texture) override
    {
        return LoadTextureFile(fileName, texture);
    }
};

class RetainedMode final : public Direct3DRM {
public:
    HRESULT QueryRM3(Ptr<Direct3DRM3>& rm3) override
    {
        rm3 = MakePtr<RetainedMode3>();
        return D3DRM_OK;
    }
};

} // namespace

HRESULT Direct3DRMCreate(Ptr<Direct3DRM>& rm)
{
    rm = MakePtr<RetainedMode>();
    return D3DRM_OK;
}

} // namespace rm
