#pragma once

#include "ddraw/DirectDraw.h"
#include "fakes/CallLog.h"

#include <cstdint>
#include <optional>
#include <vector>

// One device of the machine the fake DirectDraw layer stands for.
struct FakeDevice {
    win::GUID Guid;
    bool Hardware = false;
    // D3DCOLOR_MONO and D3DCOLOR_RGB, as bits.
    std::uint32_t ColorModels = 0;
    // DDBD_* flags of the depths it renders at.
    std::uint32_t RenderDepths = 0;
};

// A DirectDraw layer for tests. FindDevice searches a table of devices the test sets; every call
// of the layer and its objects is written to the log (which can fail any of them), and the
// arguments that matter are kept here. It must outlive the objects it makes.
//
// Calls: DirectDrawCreate, QueryDirect3D, FindDevice, DirectDrawCreateClipper, SetHWnd,
// QueryDirectDraw2, SetCooperativeLevel, CreateSurface, QuerySurface3.
class FakeDirectDraw {
public:
    explicit FakeDirectDraw(CallLog& log) : Log(log) {}

    // A graphics card, as the system layer reports one: the hardware device only.
    static std::vector<FakeDevice> HardwareMachine();
    // A software rasteriser only.
    static std::vector<FakeDevice> SoftwareMachine();
    // A hardware description rendering at the given depths (none: the hardware side that the
    // system layer reports on a software-only machine).
    static ddraw::D3DDEVICEDESC HardwareSide(std::uint32_t renderDepths);

    win::HRESULT Create(const win::GUID* driver, rm::Ptr<ddraw::DirectDraw>& directDraw);
    win::HRESULT CreateClipper(std::uint32_t flags, rm::Ptr<ddraw::Clipper>& clipper);

    CallLog& Log;

    std::vector<FakeDevice> Devices = HardwareMachine();
    // What a failed search reports as the hardware side. Unset: the first hardware device of the
    // table, or without one HardwareSide(0), as the system layer does.
    std::optional<ddraw::D3DDEVICEDESC> FailedHardwareSide;

    // What was asked.
    std::vector<ddraw::D3DFINDDEVICESEARCH> Searches;
    std::vector<win::HWND> ClipperWindows;
    struct CooperativeLevel {
        win::HWND window;
        std::uint32_t flags;
    };
    std::vector<CooperativeLevel> CooperativeLevels;
    std::vector<ddraw::DDSURFACEDESC> SurfaceDescriptions;

    // Objects made and not yet released.
    int LiveDirectDraws = 0;
    int LiveDirect3Ds = 0;
    int LiveClippers = 0;
    int LiveDirectDraw2s = 0;
    int LiveSurfaces = 0;
    int LiveSurface3s = 0;
};
