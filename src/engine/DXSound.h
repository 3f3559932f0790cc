#pragma once

#include "EngineSystem.h"

#include <cstdint>

// Speaker geometry: the angle between the two speakers as the listener sees them.
enum SoundAngle : std::uint8_t { saWide_20deg, saMin_5deg, saNarrow_10deg, saMax_180deg };
enum SoundSPS : std::uint8_t { sps11025, sps22050, sps44100 };
enum SoundBPS : std::uint8_t { bps16, bps8 };

// Holds the sound device open for the engine's lifetime. Nothing is played; a machine without
// a sound device simply runs without one.
class TDXSound {
public:
    explicit TDXSound(EngineSystem& system = SystemEngine());

    SoundAngle Geometry = saWide_20deg;
    // Kept for the stored layout; nothing reads them.
    std::int32_t Channels = 0;
    SoundSPS SamplesPerSec = sps11025;
    SoundBPS BitsPerSample = bps16;

    rm::Ptr<dsound::DirectSound> DirectSound;

    // Opens the device for `window`. The device's own failure is returned, not raised: the engine
    // goes on without sound. Raises 501 (cooperative level) and 504 (speaker set-up).
    win::HRESULT Create(win::HWND window);
    // A buffer of `bytes` bytes in `format`, or none without a device. Raises 502.
    rm::Ptr<dsound::SoundBuffer> CreateBuffer(const dsound::WAVEFORMATEX* format, int bytes);
    void Destroy();

private:
    EngineSystem& system_;
};
