#pragma once

#include "ddraw/DirectDraw.h"
#include "rm/AnimationSet.h"
#include "rm/Device.h"
#include "rm/Frame.h"
#include "rm/Light.h"
#include "rm/MeshBuilder.h"
#include "rm/Texture.h"
#include "rm/Viewport.h"

namespace rm {

class Direct3DRM3;

// The root object: the retained-mode layer itself. The engine reaches its factory through
// QueryRM3.
class Direct3DRM : public Unknown {
public:
    virtual HRESULT QueryRM3(Ptr<Direct3DRM3>& rm3) = 0;
};

// The factory of frames, lights, meshes, textures, devices and viewports.
class Direct3DRM3 : public Unknown {
public:
    virtual HRESULT CreateFrame(Frame3* parent, Ptr<Frame3>& frame) = 0;
    virtual HRESULT CreateLightRGB(D3DRMLIGHTTYPE type, float red, float green, float blue, Ptr<Light>& light) = 0;
    virtual HRESULT CreateMeshBuilder(Ptr<MeshBuilder3>& builder) = 0;
    virtual HRESULT CreateAnimationSet(Ptr<AnimationSet2>& animationSet) = 0;
    // A device drawing into the clipper's window; `device` names the device the search found,
    // nullptr leaves the choice to the layer.
    virtual HRESULT CreateDeviceFromClipper(ddraw::Clipper* clipper, const win::GUID* device, int width,
                                            int height, Ptr<Device3>& result) = 0;
    virtual HRESULT CreateViewport(Device3* device, Frame3* camera, int x, int y, int width, int height,
                                   Ptr<Viewport2>& viewport) = 0;
    // Reads a BMP file into an 8-bit paletted texture.
    virtual HRESULT LoadTexture(const char* fileName, Ptr<Texture3>& texture) = 0;
};

// Creates the real retained-mode layer (OpenGL).
HRESULT Direct3DRMCreate(Ptr<Direct3DRM>& rm);

} // namespace rm
