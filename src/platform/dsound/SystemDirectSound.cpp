#include "dsound/DirectSound.h"

#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

namespace dsound {
namespace {

constexpr std::uint32_t DSSCL_NORMAL = 1;
constexpr std::uint32_t DSSCL_EXCLUSIVE = 3;
constexpr std::uint32_t DSBSIZE_MIN = 4;
constexpr std::uint32_t DSBSIZE_MAX = 0x0FFFFFFF;
// The size callers put in a buffer description: that of the 32-bit record it stands for.
constexpr std::uint32_t kBufferDescriptionSize = 20;

// The first playback node of the sound system (pcmC<card>D<device>p), if the machine has one.
std::optional<std::filesystem::path> PlaybackNode()
{
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/dev/snd", error)) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with("pcm") && name.ends_with('p'))
            return entry.path();
    }
    return std::nullopt;
}

class SystemSoundBuffer final : public SoundBuffer {
public:
    explicit SystemSoundBuffer(std::uint32_t bytes) : bytes_(bytes) {}
    std::uint32_t Bytes() const override { return bytes_; }

private:
    std::uint32_t bytes_;
};

// Stands for the opened device: it keeps the node it would play through and is never opened
// for playing, so other programs keep the sound card.
class SystemDirectSound final : public DirectSound {
public:
    explicit SystemDirectSound(std::filesystem::path node) : node_(std::move(node)) {}

    HRESULT SetCooperativeLevel(HWND window, std::uint32_t level) override
    {
        if (!window || level < DSSCL_NORMAL || level > DSSCL_EXCLUSIVE)
            return DSERR_INVALIDPARAM;
        return DS_OK;
    }

    HRESULT SetSpeakerConfig(std::uint32_t config) override
    {
        speakerConfig_ = config;
        return DS_OK;
    }

    HRESULT CreateSoundBuffer(const DSBUFFERDESC& description, Ptr<SoundBuffer>& buffer) override
    {
        buffer.reset();
        if (description.dwSize != kBufferDescriptionSize || !description.lpwfxFormat
            || description.dwBufferBytes < DSBSIZE_MIN || description.dwBufferBytes > DSBSIZE_MAX)
            return DSERR_INVALIDPARAM;
        buffer = rm::MakePtr<SystemSoundBuffer>(description.dwBufferBytes);
        return DS_OK;
    }

private:
    std::filesystem::path node_;
    std::uint32_t speakerConfig_ = DSSPEAKER_STEREO;
};

} // namespace

HRESULT DirectSoundCreate(const GUID* device, Ptr<DirectSound>& directSound)
{
    directSound.reset();
    // Only the default device is known.
    if (device)
        return DSERR_NODRIVER;
    std::optional<std::filesystem::path> node = PlaybackNode();
    if (!node)
        return DSERR_NODRIVER;
    directSound = rm::MakePtr<SystemDirectSound>(std::move(*node));
    return DS_OK;
}

} // namespace dsound
