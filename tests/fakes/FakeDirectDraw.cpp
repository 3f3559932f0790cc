#include "fakes/FakeDirectDraw.h"

#include "rm/Types.h"

namespace {

using ddraw::D3DDEVICEDESC;
using ddraw::D3DFINDDEVICERESULT;
using ddraw::D3DFINDDEVICESEARCH;
using win::HRESULT;
using ddraw::D3DDD_COLORMODEL;
using ddraw::D3DDD_DEVICERENDERBITDEPTH;
using ddraw::DDERR_INVALIDPARAMS;

constexpr std::uint32_t kBothColorModels = rm::D3DCOLOR_MONO | rm::D3DCOLOR_RGB;
constexpr std::uint32_t kCommonDepths = ddraw::DDBD_16 | ddraw::DDBD_24 | ddraw::DDBD_32;

D3DDEVICEDESC Describe(const FakeDevice& device)
{
    D3DDEVICEDESC description{};
    description.dwSize = sizeof description;
    description.dwFlags = D3DDD_DEVICERENDERBITDEPTH | (device.ColorModels ? D3DDD_COLORMODEL : 0);
    description.dcmColorModel = device.ColorModels;
    description.dwDeviceRenderBitDepth = device.RenderDepths;
    return description;
}

bool Matches(const FakeDevice& device, const D3DFINDDEVICESEARCH& search)
{
    if ((search.dwFlags & ddraw::D3DFDS_HARDWARE) && (search.bHardware != 0) != device.Hardware)
        return false;
    if ((search.dwFlags & ddraw::D3DFDS_COLORMODEL)
        && (search.dcmColorModel == 0 || (device.ColorModels & search.dcmColorModel) != search.dcmColorModel))
        return false;
    return !(search.dwFlags & ddraw::D3DFDS_GUID) || search.guid == device.Guid;
}

class FakeDirect3D final : public ddraw::Direct3D {
public:
    explicit FakeDirect3D(FakeDirectDraw& layer) : layer_(layer) { ++layer_.LiveDirect3Ds; }
    ~FakeDirect3D() override { --layer_.LiveDirect3Ds; }

    HRESULT FindDevice(const D3DFINDDEVICESEARCH& search, D3DFINDDEVICERESULT& result) override
    {
        layer_.Searches.push_back(search);
        if (const HRESULT scripted = layer_.Log.Enter("FindDevice"); scripted != win::S_OK)
            return Failed(result, scripted);
        if (search.dwSize != sizeof(D3DFINDDEVICESEARCH) || result.dwSize != sizeof(D3DFINDDEVICERESULT))
            return DDERR_INVALIDPARAMS;
        for (const FakeDevice& device : layer_.Devices) {
            if (!Matches(device, search))
                continue;
            result = {};
            result.dwSize = sizeof result;
            result.guid = device.Guid;
            (device.Hardware ? result.ddHwDesc : result.ddSwDesc) = Describe(device);
            return ddraw::DD_OK;
        }
        return Failed(result, ddraw::DDERR_NOTFOUND);
    }

private:
    HRESULT Failed(D3DFINDDEVICERESULT& result, HRESULT error) const
    {
        result = {};
        result.dwSize = sizeof result;
        result.ddHwDesc = HardwareSideOfFailure();
        return error;
    }

    D3DDEVICEDESC HardwareSideOfFailure() const
    {
        if (layer_.FailedHardwareSide)
            return *layer_.FailedHardwareSide;
        for (const FakeDevice& device : layer_.Devices)
            if (device.Hardware)
                return Describe(device);
        return FakeDirectDraw::HardwareSide(0);
    }

    FakeDirectDraw& layer_;
};

// An interface object that only counts itself among the layer's live ones.
template <class Interface>
class Counted final : public Interface {
public:
    explicit Counted(int& live) : live_(live) { ++live_; }
    ~Counted() override { --live_; }

private:
    int& live_;
};

class FakeSurface final : public ddraw::Surface {
public:
    explicit FakeSurface(FakeDirectDraw& layer) : layer_(layer) { ++layer_.LiveSurfaces; }
    ~FakeSurface() override { --layer_.LiveSurfaces; }

    HRESULT QuerySurface3(rm::Ptr<ddraw::Surface3>& surface3) override
    {
        surface3.reset();
        const HRESULT result = layer_.Log.Enter("QuerySurface3");
        if (result == win::S_OK)
            surface3 = rm::MakePtr<Counted<ddraw::Surface3>>(layer_.LiveSurface3s);
        return result;
    }

private:
    FakeDirectDraw& layer_;
};

class FakeDirectDrawObject final : public ddraw::DirectDraw {
public:
    explicit FakeDirectDrawObject(FakeDirectDraw& layer) : layer_(layer) { ++layer_.LiveDirectDraws; }
    ~FakeDirectDrawObject() override { --layer_.LiveDirectDraws; }

    HRESULT QueryDirect3D(rm::Ptr<ddraw::Direct3D>& direct3D) override
    {
        direct3D.reset();
        const HRESULT result = layer_.Log.Enter("QueryDirect3D");
        if (result == win::S_OK)
            direct3D = rm::MakePtr<FakeDirect3D>(layer_);
        return result;
    }

    HRESULT QueryDirectDraw2(rm::Ptr<ddraw::DirectDraw2>& directDraw2) override
    {
        directDraw2.reset();
        const HRESULT result = layer_.Log.Enter("QueryDirectDraw2");
        if (result == win::S_OK)
            directDraw2 = rm::MakePtr<Counted<ddraw::DirectDraw2>>(layer_.LiveDirectDraw2s);
        return result;
    }

    HRESULT SetCooperativeLevel(win::HWND window, std::uint32_t flags) override
    {
        layer_.CooperativeLevels.push_back({window, flags});
        const HRESULT result = layer_.Log.Enter("SetCooperativeLevel");
        levelSet_ = result == win::S_OK;
        return result;
    }

    HRESULT CreateSurface(const ddraw::DDSURFACEDESC& description, rm::Ptr<ddraw::Surface>& surface) override
    {
        surface.reset();
        layer_.SurfaceDescriptions.push_back(description);
        if (const HRESULT scripted = layer_.Log.Enter("CreateSurface"); scripted != win::S_OK)
            return scripted;
        if (description.dwSize != sizeof(ddraw::DDSURFACEDESC))
            return DDERR_INVALIDPARAMS;
        if (!levelSet_)
            return ddraw::DDERR_NOCOOPERATIVELEVELSET;
        surface = rm::MakePtr<FakeSurface>(layer_);
        return ddraw::DD_OK;
    }

private:
    FakeDirectDraw& layer_;
    bool levelSet_ = false;
};

class FakeClipper final : public ddraw::Clipper {
public:
    explicit FakeClipper(FakeDirectDraw& layer) : layer_(layer) { ++layer_.LiveClippers; }
    ~FakeClipper() override { --layer_.LiveClippers; }

    HRESULT SetHWnd(std::uint32_t flags, win::HWND window) override
    {
        layer_.ClipperWindows.push_back(window);
        if (const HRESULT scripted = layer_.Log.Enter("SetHWnd"); scripted != win::S_OK)
            return scripted;
        if (flags != 0 || !window)
            return DDERR_INVALIDPARAMS;
        window_ = window;
        return ddraw::DD_OK;
    }

    win::HWND GetHWnd() const override { return window_; }

private:
    FakeDirectDraw& layer_;
    win::HWND window_ = nullptr;
};

} // namespace

std::vector<FakeDevice> FakeDirectDraw::HardwareMachine()
{
    return {{ddraw::IID_HardwareDevice, true, kBothColorModels, kCommonDepths}};
}

std::vector<FakeDevice> FakeDirectDraw::SoftwareMachine()
{
    return {{ddraw::IID_SoftwareDevice, false, kBothColorModels, kCommonDepths}};
}

ddraw::D3DDEVICEDESC FakeDirectDraw::HardwareSide(std::uint32_t renderDepths)
{
    return Describe({ddraw::IID_HardwareDevice, true, renderDepths ? kBothColorModels : 0, renderDepths});
}

HRESULT FakeDirectDraw::Create(const win::GUID* driver, rm::Ptr<ddraw::DirectDraw>& directDraw)
{
    directDraw.reset();
    if (const HRESULT scripted = Log.Enter("DirectDrawCreate"); scripted != win::S_OK)
        return scripted;
    if (driver)
        return ddraw::DDERR_NOTFOUND;
    directDraw = rm::MakePtr<FakeDirectDrawObject>(*this);
    return ddraw::DD_OK;
}

HRESULT FakeDirectDraw::CreateClipper(std::uint32_t flags, rm::Ptr<ddraw::Clipper>& clipper)
{
    clipper.reset();
    if (const HRESULT scripted = Log.Enter("DirectDrawCreateClipper"); scripted != win::S_OK)
        return scripted;
    if (flags != 0)
        return DDERR_INVALIDPARAMS;
    clipper = rm::MakePtr<FakeClipper>(*this);
    return ddraw::DD_OK;
}
