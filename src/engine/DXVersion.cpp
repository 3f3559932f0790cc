#include "DXVersion.h"

#include "EngineSystem.h"

namespace {

constexpr std::uint32_t kDirectX1 = 0x100;
constexpr std::uint32_t kDirectX2 = 0x200;
constexpr std::uint32_t kDirectX3 = 0x300;
constexpr std::uint32_t kDirectX5FromSystem = 0x501;

// 95-family builds above this one come with DirectX 5.
constexpr std::uint32_t kLastBuildBeforeDirectX5 = 1353;

bool Failed(win::HRESULT result)
{
    return result < 0;
}

bool HasDirectInput(EngineSystem& system)
{
    return system.ModuleExports("DINPUT.DLL", "DirectInputCreateA");
}

DXVersion ProbeNT(EngineSystem& system, const win::OSVERSIONINFO& os)
{
    DXVersion found{0, win::VER_PLATFORM_WIN32_NT};
    if (os.dwMajorVersion < 4)
        return found;
    if (os.dwMajorVersion > 4) {
        found.Version = kDirectX5FromSystem;
        return found;
    }
    // NT 4 came with DirectX 2; DirectInput arrived with release 3.
    found.Version = HasDirectInput(system) ? kDirectX3 : kDirectX2;
    return found;
}

// Each release adds an interface or module the earlier ones lack; the first that is missing
// tells the release. Every object made here is released on every path.
DXVersion Probe95(EngineSystem& system, const win::OSVERSIONINFO& os)
{
    DXVersion found{0, win::VER_PLATFORM_WIN32_WINDOWS};
    if ((os.dwBuildNumber & 0xFFFF) > kLastBuildBeforeDirectX5) {
        found.Version = kDirectX5FromSystem;
        return found;
    }

    rm::Ptr<ddraw::DirectDraw> directDraw;
    if (!system.ModuleExports("DDRAW.DLL", "DirectDrawCreate") || Failed(system.DirectDrawCreate(nullptr, directDraw))
        || !directDraw)
        return {};
    found.Version = kDirectX1;

    rm::Ptr<ddraw::DirectDraw2> directDraw2;
    if (Failed(directDraw->QueryDirectDraw2(directDraw2)))
        return found;
    directDraw2.reset();
    found.Version = kDirectX2;

    if (!HasDirectInput(system))
        return found;
    found.Version = kDirectX3;

    // A system that cannot give the screen a surface cannot run the engine, whatever it has.
    if (Failed(directDraw->SetCooperativeLevel(nullptr, ddraw::DDSCL_NORMAL))) {
        found.Version = 0;
        return found;
    }
    ddraw::DDSURFACEDESC description{};
    description.dwSize = sizeof description;
    description.dwFlags = ddraw::DDSD_CAPS;
    description.ddsCaps.dwCaps = ddraw::DDSCAPS_PRIMARYSURFACE;
    rm::Ptr<ddraw::Surface> primary;
    if (Failed(directDraw->CreateSurface(description, primary)) || !primary) {
        found.Version = 0;
        return found;
    }

    rm::Ptr<ddraw::Surface3> surface3;
    if (!Failed(primary->QuerySurface3(surface3)))
        found.Version = kDirectX5;
    return found;
}

} // namespace

DXVersion ProbeDXVersion(EngineSystem& system)
{
    win::OSVERSIONINFO os{};
    os.dwOSVersionInfoSize = sizeof os;
    if (!system.GetVersionEx(os))
        return {};
    return os.dwPlatformId == win::VER_PLATFORM_WIN32_NT ? ProbeNT(system, os) : Probe95(system, os);
}
