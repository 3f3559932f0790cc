#pragma once

#include "ddraw/DirectDraw.h"
#include "dinput/DirectInput.h"
#include "dsound/DirectSound.h"
#include "rm/Direct3DRM.h"
#include "win/SystemInfo.h"

// The system calls with which the engine starts its objects. The engine asks them of the
// system in use: the real one, or a test's stand-in that fails a chosen call.
class EngineSystem {
public:
    virtual ~EngineSystem() = default;
    virtual win::HRESULT Direct3DRMCreate(rm::Ptr<rm::Direct3DRM>& rm);
    virtual win::HRESULT DirectDrawCreate(const win::GUID* driver, rm::Ptr<ddraw::DirectDraw>& directDraw);
    virtual win::HRESULT DirectDrawCreateClipper(std::uint32_t flags, rm::Ptr<ddraw::Clipper>& clipper);
    virtual win::HRESULT DirectInputCreate(void* instance, std::uint32_t version,
                                           rm::Ptr<dinput::DirectInput>& directInput);
    virtual win::HRESULT DirectSoundCreate(const win::GUID* device, rm::Ptr<dsound::DirectSound>& directSound);
    // Bits per pixel of the desktop.
    virtual int DesktopBitsPerPixel();
    // The operating system's version record; false when it cannot be read.
    virtual bool GetVersionEx(win::OSVERSIONINFO& info);
    // Whether a system module loads and exports the entry.
    virtual bool ModuleExports(const char* module, const char* entry);
};

// The real system.
EngineSystem& SystemEngine();
