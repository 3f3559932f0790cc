#pragma once

#include "dsound/DirectSound.h"
#include "fakes/CallLog.h"

#include <cstdint>
#include <vector>

// A DirectSound layer for tests: every call of the layer and its objects is written to the log
// (which can fail any of them), and the arguments that matter are kept here. It must outlive the
// objects it makes.
//
// Calls: DirectSoundCreate, SetCooperativeLevel, SetSpeakerConfig, CreateSoundBuffer.
class FakeDirectSound {
public:
    explicit FakeDirectSound(CallLog& log) : Log(log) {}

    win::HRESULT Create(const win::GUID* device, rm::Ptr<dsound::DirectSound>& directSound);

    CallLog& Log;

    struct CooperativeLevel {
        win::HWND window;
        std::uint32_t level;
    };
    // What was asked.
    std::vector<const win::GUID*> Devices;
    std::vector<CooperativeLevel> CooperativeLevels;
    std::vector<std::uint32_t> SpeakerConfigs;
    std::vector<dsound::DSBUFFERDESC> BufferDescriptions;

    // Objects made and not yet released.
    int LiveDevices = 0;
    int LiveBuffers = 0;
};
