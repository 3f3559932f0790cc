#pragma once

#include "rm/Unknown.h"
#include "win/Types.h"

#include <cstdint>

namespace dsound {

using rm::Ptr;
using rm::Unknown;
using win::GUID;
using win::HRESULT;
using win::HWND;

inline constexpr HRESULT DS_OK = 0;
inline constexpr HRESULT DSERR_NODRIVER = static_cast<HRESULT>(0x88780078);
inline constexpr HRESULT DSERR_INVALIDPARAM = static_cast<HRESULT>(0x80070057);
inline constexpr std::uint32_t DSSCL_PRIORITY = 2;
inline constexpr std::uint32_t DSSPEAKER_STEREO = 4;
inline constexpr std::uint32_t DSBCAPS_CTRLFREQUENCY = 0x20;
inline constexpr std::uint32_t DSBCAPS_CTRLPAN = 0x40;
inline constexpr std::uint32_t DSBCAPS_CTRLVOLUME = 0x80;

constexpr std::uint32_t DSSPEAKER_COMBINED(std::uint32_t config, std::uint32_t geometry)
{
    return (geometry << 16) | (config & 0xFFFF);
}

struct WAVEFORMATEX {
    std::uint16_t wFormatTag = 0;
    std::uint16_t nChannels = 0;
    std::uint32_t nSamplesPerSec = 0;
    std::uint32_t nAvgBytesPerSec = 0;
    std::uint16_t nBlockAlign = 0;
    std::uint16_t wBitsPerSample = 0;
    std::uint16_t cbSize = 0;
};

struct DSBUFFERDESC {
    std::uint32_t dwSize = 0;
    std::uint32_t dwFlags = 0;
    std::uint32_t dwBufferBytes = 0;
    std::uint32_t dwReserved = 0;
    const WAVEFORMATEX* lpwfxFormat = nullptr;
};

// A secondary buffer: its bytes and format, kept but never played.
class SoundBuffer : public Unknown {
public:
    virtual std::uint32_t Bytes() const = 0;
};

class DirectSound : public Unknown {
public:
    virtual HRESULT SetCooperativeLevel(HWND window, std::uint32_t level) = 0;
    virtual HRESULT SetSpeakerConfig(std::uint32_t config) = 0;
    virtual HRESULT CreateSoundBuffer(const DSBUFFERDESC& description, Ptr<SoundBuffer>& buffer) = 0;
};

// The real layer: it holds the sound device open and plays nothing. No audio device answers
// DSERR_NODRIVER.
HRESULT DirectSoundCreate(const GUID* device, Ptr<DirectSound>& directSound);

} // namespace dsound
