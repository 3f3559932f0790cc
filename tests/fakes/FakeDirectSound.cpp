#include "fakes/FakeDirectSound.h"

namespace {

using win::HRESULT;

class FakeSoundBuffer final : public dsound::SoundBuffer {
public:
    FakeSoundBuffer(FakeDirectSound& layer, std::uint32_t bytes) : layer_(layer), bytes_(bytes) { ++layer_.LiveBuffers; }
    ~FakeSoundBuffer() override { --layer_.LiveBuffers; }
    std::uint32_t Bytes() const override { return bytes_; }

private:
    FakeDirectSound& layer_;
    std::uint32_t bytes_;
};

class FakeDirectSoundObject final : public dsound::DirectSound {
public:
    explicit FakeDirectSoundObject(FakeDirectSound& layer) : layer_(layer) { ++layer_.LiveDevices; }
    ~FakeDirectSoundObject() override { --layer_.LiveDevices; }

    HRESULT SetCooperativeLevel(win::HWND window, std::uint32_t level) override
    {
        layer_.CooperativeLevels.push_back({window, level});
        return layer_.Log.Enter("SetCooperativeLevel");
    }

    HRESULT SetSpeakerConfig(std::uint32_t config) override
    {
        layer_.SpeakerConfigs.push_back(config);
        return layer_.Log.Enter("SetSpeakerConfig");
    }

    HRESULT CreateSoundBuffer(const dsound::DSBUFFERDESC& description, rm::Ptr<dsound::SoundBuffer>& buffer) override
    {
        buffer.reset();
        layer_.BufferDescriptions.push_back(description);
        const HRESULT result = layer_.Log.Enter("CreateSoundBuffer");
        if (result == win::S_OK)
            buffer = rm::MakePtr<FakeSoundBuffer>(layer_, description.dwBufferBytes);
        return result;
    }

private:
    FakeDirectSound& layer_;
};

} // namespace

HRESULT FakeDirectSound::Create(const win::GUID* device, rm::Ptr<dsound::DirectSound>& directSound)
{
    directSound.reset();
    Devices.push_back(device);
    const HRESULT result = Log.Enter("DirectSoundCreate");
    if (result == win::S_OK)
        directSound = rm::MakePtr<FakeDirectSoundObject>(*this);
    return result;
}
