#pragma once

#include "EngineSystem.h"
#include "fakes/CallLog.h"
#include "fakes/FakeDirectDraw.h"
#include "fakes/FakeDirectSound.h"
#include "fakes/FakeRetainedMode.h"

#include <map>
#include <set>
#include <string>
#include <vector>

// The system calls of the engine answered by fakes that write to one log: a test fails any call
// there and reads them all in order. Calls without a fake go to the real system. It must outlive
// the components that use it.
class FakeEngineSystem : public EngineSystem {
public:
    CallLog Log;
    FakeDirectDraw DirectDraw{Log};
    FakeDirectSound DirectSound{Log};
    FakeRetainedMode RetainedMode{Log};
    int DesktopBits = 32;
    // The system's version record (size field aside): by default an NT system new enough to
    // need no probing.
    win::OSVERSIONINFO OsVersion{0, 10, 0, 19045, win::VER_PLATFORM_WIN32_NT, {}};
    // Module name → the entries it exports; a module not listed does not load.
    std::map<std::string, std::set<std::string>> Modules{{"DDRAW.DLL", {"DirectDrawCreate"}},
                                                         {"DINPUT.DLL", {"DirectInputCreateA"}}};
    // The modules asked for, in order.
    std::vector<std::string> ModulesAsked;

    win::HRESULT Direct3DRMCreate(rm::Ptr<rm::Direct3DRM>& rm) override
    {
        const win::HRESULT result = Log.Enter("Direct3DRMCreate");
        if (result == 0)
            rm = rm::Ptr<rm::Direct3DRM>::Share(&RetainedMode);
        return result;
    }

    win::HRESULT DirectDrawCreate(const win::GUID* driver, rm::Ptr<ddraw::DirectDraw>& directDraw) override
    {
        return DirectDraw.Create(driver, directDraw);
    }
    win::HRESULT DirectDrawCreateClipper(std::uint32_t flags, rm::Ptr<ddraw::Clipper>& clipper) override
    {
        return DirectDraw.CreateClipper(flags, clipper);
    }
    win::HRESULT DirectSoundCreate(const win::GUID* device, rm::Ptr<dsound::DirectSound>& directSound) override
    {
        return DirectSound.Create(device, directSound);
    }
    int DesktopBitsPerPixel() override { return DesktopBits; }
    bool GetVersionEx(win::OSVERSIONINFO& info) override
    {
        if (Log.Enter("GetVersionEx") != 0 || info.dwOSVersionInfoSize != sizeof info)
            return false;
        info = OsVersion;
        info.dwOSVersionInfoSize = sizeof info;
        return true;
    }
    bool ModuleExports(const char* module, const char* entry) override
    {
        ModulesAsked.emplace_back(module);
        const auto found = Modules.find(module);
        return found != Modules.end() && found->second.contains(entry);
    }
};
