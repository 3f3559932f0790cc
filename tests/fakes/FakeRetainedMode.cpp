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

class FakeDevice final : public rm::Device3 {
public:
    FakeDevice(CallLog& log, int width, int height) : log_(log), width_(width), height_(height) {}

    HRESULT SetRenderMode(rm::D3DRMRENDERMODE mode) override { return Keep("SetRenderMode", renderMode_, mode); }
    HRESULT SetQuality(rm::D3DRMRENDERQUALITY quality) override { return Keep("SetQuality", quality_, quality); }
    HRESULT SetTextureQuality(rm::D3DRMTEXTUREQUALITY quality) override
    {
        return Keep("SetTextureQuality", textureQuality_, quality);
    }
    HRESULT SetDither(bool dither) override { return Keep("SetDither", dither_, dither); }
    HRESULT SetShades(std::uint32_t shades) override { return Keep("SetShades", shades_, shades); }
    int GetWidth() const override { return width_; }
    int GetHeight() const override { return height_; }
    bool GetDither() const override { return dither_; }
    rm::D3DRMRENDERQUALITY GetQuality() const override { return quality_; }
    std::uint32_t GetShades() const override { return shades_; }
    rm::D3DRMRENDERMODE GetRenderMode() const override { return renderMode_; }
    rm::D3DRMTEXTUREQUALITY GetTextureQuality() const override { return textureQuality_; }
    HRESULT Update() override { return log_.Enter("Update"); }
    HRESULT QueryDevice(Ptr<rm::Device>& device) override
    {
        const HRESULT result = log_.Enter("QueryDevice");
        if (result == 0)
            device = rm::MakePtr<rm::Device>();
        return result;
    }
    HRESULT QueryWinDevice(Ptr<rm::WinDevice>& device) override
    {
        const HRESULT result = log_.Enter("QueryWinDevice");
        if (result == 0)
            device = rm::MakePtr<FakeWinDevice>(log_);
        return result;
    }

private:
    template <class T, class U>
    HRESULT Keep(const char* call, T& field, U value)
    {
        const HRESULT result = log_.Enter(call);
        if (result == 0)
            field = static_cast<T>(value);
        return result;
    }

    CallLog& log_;
    int width_, height_;
    rm::D3DRMRENDERMODE renderMode_ = 0;
    rm::D3DRMRENDERQUALITY quality_ = 0;
    rm::D3DRMTEXTUREQUALITY textureQuality_ = 0;
    bool dither_ = false;
    std::uint32_t shades_ = 32;
};

class FakeViewport final : public rm::Viewport2 {
public:
    FakeViewport(CallLog& log, rm::Frame3* camera) : log_(log), camera_(camera) {}
    HRESULT Clear(std::uint32_t) override { return log_.Enter("Clear"); }
    HRESULT Render(rm::Frame3*) override { return log_.Enter("Render"); }
    HRESULT SetFront(float front) override { return Keep("SetFront", front_, front); }
    HRESULT SetBack(float back) override { return Keep("SetBack", back_, back); }
    float GetFront() const override { return front_; }
    float GetBack() const override { return back_; }
    rm::Frame3* Camera() const override { return camera_; }

private:
    HRESULT Keep(const char* call, float& field, float value)
    {
        const HRESULT result = log_.Enter(call);
        if (result == 0)
            field = value;
        return result;
    }

    CallLog& log_;
    rm::Frame3* camera_;
    float front_ = 1.0f, back_ = 100.0f;
};

// Every mesh of the source names one texture, "floor.bmp", which goes through the loader.
class FakeMeshBuilder final : public rm::MeshBuilder3 {
public:
    FakeMeshBuilder(CallLog& log, int meshes) : log_(log), meshes_(meshes) {}

    HRESULT Load(const void*, const void* objectId, std::uint32_t, rm::LoadTextureCallback loadTexture,
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

private:
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
