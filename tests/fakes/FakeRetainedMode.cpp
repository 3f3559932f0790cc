#include "fakes/FakeRetainedMode.h"

namespace {

using rm::HRESULT;
using rm::Ptr;

class FakeWinDevice final : public rm::WinDevice {
public:
    explicit FakeWinDevice(CallLog& log) : log_(log) {}
    HRESULT HandlePaint(void*) override { return log_.Enter("HandlePaint"); }
    HRESULT HandleActivate(std::uint16_t) override { return log_.Enter("HandleActivate"); }

private:
    CallLog& log_;
};

// Every setting and query goes through the log, where a test can fail it.
class FakeDevice final : public rm::Device3 {
public:
    FakeDevice(CallLog& log, int width, int height) : Device3(width, height), log_(log) {}

private:
    HRESULT DoSetRenderMode(rm::D3DRMRENDERMODE) override { return log_.Enter("SetRenderMode"); }
    HRESULT DoSetQuality(rm::D3DRMRENDERQUALITY) override { return log_.Enter("SetQuality"); }
    HRESULT DoSetTextureQuality(rm::D3DRMTEXTUREQUALITY) override { return log_.Enter("SetTextureQuality"); }
    HRESULT DoSetDither(bool) override { return log_.Enter("SetDither"); }
    HRESULT DoSetShades(std::uint32_t) override { return log_.Enter("SetShades"); }
    HRESULT DoUpdate() override { return log_.Enter("Update"); }
    HRESULT DoQueryDevice() override { return log_.Enter("QueryDevice"); }
    HRESULT DoQueryWinDevice(Ptr<rm::WinDevice>& device) override
    {
        const HRESULT result = log_.Enter("QueryWinDevice");
        if (result == 0)
            device = rm::MakePtr<FakeWinDevice>(log_);
        return result;
    }

    CallLog& log_;
};

class FakeViewport final : public rm::Viewport2 {
public:
    FakeViewport(CallLog& log, rm::Frame3* camera) : Viewport2(camera), log_(log) {}

private:
    HRESULT DoClear(std::uint32_t) override { return log_.Enter("Clear"); }
    HRESULT DoRender(rm::Frame3*) override { return log_.Enter("Render"); }
    HRESULT DoSetFront(float) override { return log_.Enter("SetFront"); }
    HRESULT DoSetBack(float) override { return log_.Enter("SetBack"); }

    CallLog& log_;
};

// Every mesh of the source names one texture, "floor.bmp", which goes through the loader.
class FakeMeshBuilder final : public rm::MeshBuilder3 {
public:
    FakeMeshBuilder(CallLog& log, int meshes) : log_(log), meshes_(meshes) {}

private:
    HRESULT DoLoad(const void*, const void* objectId, std::uint32_t, rm::LoadTextureCallback loadTexture,
                   void* argument) override
    {
        const HRESULT result = log_.Enter("Load");
        const auto position = *static_cast<const std::uint32_t*>(objectId);
        if (result != 0 || position >= static_cast<std::uint32_t>(meshes_))
            return result != 0 ? result : rm::D3DRMERR_BADFILE;
        Ptr<rm::Texture3> texture;
        if (loadTexture) {
            const HRESULT loaded = loadTexture("floor.bmp", argument, texture);
            if (loaded != 0)
                return loaded;
        }
        Materials().push_back({1, 1, 1, 1, texture});
        return rm::D3DRM_OK;
    }

    CallLog& log_;
    int meshes_;
};

// Loads nothing but a frame of its own under the parent, and remembers the key time it is set to.
class FakeAnimationSet final : public rm::AnimationSet2 {
public:
    explicit FakeAnimationSet(CallLog& log) : log_(log) {}
    HRESULT Load(const void*, const void*, std::uint32_t, rm::LoadTextureCallback, void*, rm::Frame3* parent) override
    {
        const HRESULT result = log_.Enter("AnimationLoad");
        if (result == 0 && parent)
            parent->AddChild(rm::MakePtr<rm::Frame3>().get());
        return result;
    }
    HRESULT SetTime(float time) override
    {
        Time = time;
        return log_.Enter("SetTime");
    }
    float Time = -1.0f;

private:
    CallLog& log_;
};

class FakeRM3 final : public rm::Direct3DRM3 {
public:
    FakeRM3(CallLog& log, const FakeRetainedMode& owner) : log_(log), owner_(owner) {}

    HRESULT CreateFrame(rm::Frame3* parent, Ptr<rm::Frame3>& frame) override
    {
        const HRESULT result = log_.Enter("CreateFrame");
        if (result != 0)
            return result;
        frame = rm::MakePtr<rm::Frame3>();
        return parent ? parent->AddChild(frame.get()) : rm::D3DRM_OK;
    }
    HRESULT CreateLightRGB(rm::D3DRMLIGHTTYPE type, float r, float g, float b, Ptr<rm::Light>& light) override
    {
        const HRESULT result = log_.Enter("CreateLightRGB");
        if (result == 0)
            light = rm::MakePtr<rm::Light>(type, r, g, b);
        return result;
    }
    HRESULT CreateMeshBuilder(Ptr<rm::MeshBuilder3>& builder) override
    {
        const HRESULT result = log_.Enter("CreateMeshBuilder");
        if (result == 0)
            builder = rm::MakePtr<FakeMeshBuilder>(log_, owner_.meshesInSource);
        return result;
    }
    HRESULT CreateAnimationSet(Ptr<rm::AnimationSet2>& animationSet) override
    {
        const HRESULT result = log_.Enter("CreateAnimationSet");
        if (result == 0)
            animationSet = rm::MakePtr<FakeAnimationSet>(log_);
        return result;
    }
    HRESULT CreateDeviceFromClipper(ddraw::Clipper*, const win::GUID*, int width, int height,
                                    Ptr<rm::Device3>& device) override
    {
        const HRESULT result = log_.Enter("CreateDeviceFromClipper");
        if (result == 0)
            device = rm::MakePtr<FakeDevice>(log_, width, height);
        return result;
    }
    HRESULT CreateViewport(rm::Device3*, rm::Frame3* camera, int, int, int, int, Ptr<rm::Viewport2>& viewport) override
    {
        const HRESULT result = log_.Enter("CreateViewport");
        if (result == 0)
            viewport = rm::MakePtr<FakeViewport>(log_, camera);
        return result;
    }
    HRESULT LoadTexture(const char*, Ptr<rm::Texture3>& texture) override
    {
        const HRESULT result = log_.Enter("LoadTexture");
        if (result == 0)
            texture = rm::MakePtr<rm::Texture3>(256, 256);
        return result;
    }

private:
    CallLog& log_;
    const FakeRetainedMode& owner_;
};

} // namespace

rm::HRESULT FakeRetainedMode::QueryRM3(rm::Ptr<rm::Direct3DRM3>& rm3)
{
    const HRESULT result = log_.Enter("QueryRM3");
    if (result == 0)
        rm3 = rm::MakePtr<FakeRM3>(log_, *this);
    return result;
}
