#pragma once

#include "EngineSystem.h"
#include "fakes/CallLog.h"
#include "fakes/FakeDirectDraw.h"
#include "fakes/FakeDirectSound.h"
#include "fakes/FakeRetainedMode.h"

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
};
