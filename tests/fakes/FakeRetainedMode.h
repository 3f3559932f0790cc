#pragma once

#include "fakes/CallLog.h"
#include "rm/Direct3DRM.h"

// A retained-mode layer for tests: real frames, lights and textures, devices and viewports that
// only keep their settings, and every call written to one CallLog so a test can fail any of them.
// A mesh builder "loads" from a source whose mesh count the test sets; each mesh names the
// texture "floor.bmp", which LoadTexture makes as a blank 256 × 256 texture.
class FakeRetainedMode final : public rm::Direct3DRM {
public:
    explicit FakeRetainedMode(CallLog& log) : log_(log) {}
    rm::HRESULT QueryRM3(rm::Ptr<rm::Direct3DRM3>& rm3) override;

    int meshesInSource = 1;

private:
    CallLog& log_;
};
