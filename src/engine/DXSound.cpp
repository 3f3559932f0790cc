#include "DXSound.h"

#include "EngineError.h"
#include "win/Fpu.h"

namespace {

// Degrees between the speakers for each geometry; a value outside the enumeration counts as wide.
std::uint32_t SpeakerAngle(SoundAngle geometry)
{
    switch (geometry) {
    case saMin_5deg: return 5;
    case saNarrow_10deg: return 10;
    case saMax_180deg: return 180;
    default: return 20;
    }
}

// The size of the 32-bit buffer description the device expects.
constexpr std::uint32_t kBufferDescriptionSize = 20;

} // namespace

TDXSound::TDXSound(EngineSystem& system) : system_(system)
{
    win::MaskFloatingPointExceptions();
}

win::HRESULT TDXSound::Create(win::HWND window)
{
    DirectSound.reset();
    if (const win::HRESULT result = system_.DirectSoundCreate(nullptr, DirectSound); result != 0) {
        DirectSound.reset();
        return result;
    }
    if (DirectSound->SetCooperativeLevel(window, dsound::DSSCL_PRIORITY) != 0)
        throw EngineError(EngineErrorCode::SetSoundCooperativeLevel);
    if (DirectSound->SetSpeakerConfig(dsound::DSSPEAKER_COMBINED(dsound::DSSPEAKER_STEREO, SpeakerAngle(Geometry))) != 0)
        throw EngineError(EngineErrorCode::SetSpeakerConfig);
    return 0;
}

rm::Ptr<dsound::SoundBuffer> TDXSound::CreateBuffer(const dsound::WAVEFORMATEX* format, int bytes)
{
    if (!DirectSound)
        return nullptr;
    dsound::DSBUFFERDESC description;
    description.dwSize = kBufferDescriptionSize;
    description.dwFlags = dsound::DSBCAPS_CTRLFREQUENCY | dsound::DSBCAPS_CTRLPAN | dsound::DSBCAPS_CTRLVOLUME;
    description.dwBufferBytes = static_cast<std::uint32_t>(bytes);
    description.lpwfxFormat = format;
    rm::Ptr<dsound::SoundBuffer> buffer;
    if (DirectSound->CreateSoundBuffer(description, buffer) != 0)
        throw EngineError(EngineErrorCode::CreateSoundBuffer);
    return buffer;
}

void TDXSound::Destroy()
{
    DirectSound.reset();
}
