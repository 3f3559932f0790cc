#include "DXAnimation.h"

#include "DXCore.h"
#include "DXScene.h"
#include "EngineError.h"
#include "TextureLoader.h"
#include "win/Fpu.h"

#include <cmath>

namespace {

bool Failed(win::HRESULT result)
{
    return result != 0;
}

// The animation set's key times run 0..1200 whatever the component's own time range.
constexpr std::int32_t kLastKeyTime = 1200;

} // namespace

TDXAnimation::TDXAnimation()
{
    win::MaskFloatingPointExceptions();
}

bool TDXAnimation::Create(const void* data, std::int32_t size)
{
    const rm::D3DRMLOADMEMORY memory{data, static_cast<std::uint32_t>(size < 0 ? 0 : size)};
    return Load(&memory, rm::D3DRMLOAD_FROMMEMORY);
}

bool TDXAnimation::Create(const char* fileName)
{
    return Load(fileName, rm::D3DRMLOAD_FROMFILE);
}

bool TDXAnimation::Load(const void* source, std::uint32_t options)
{
    if (!DXCore || !DXScene || !DXCore->GetD3DRM())
        return false;
    rm::Direct3DRM3& rm3 = *DXCore->GetD3DRM()->RM3;
    rm::Frame3* sceneFrame = DXScene->SceneFrame.get();
    if (Failed(rm3.CreateFrame(sceneFrame, CharacterFrame)))
        throw EngineError(EngineErrorCode::CreateCharacterFrame);
    if (Failed(rm3.CreateAnimationSet(AnimationSet)))
        throw EngineError(EngineErrorCode::CreateAnimationSet);
    if (Failed(AnimationSet->Load(source, nullptr, options, &LoadTextureCallback, nullptr, CharacterFrame.get())))
        throw EngineError(EngineErrorCode::LoadAnimation);
    CharacterFrame->SetPosition(sceneFrame, PosX, PosY, PosZ);
    CharacterFrame->SetOrientation(sceneFrame, ViewX, ViewY, ViewZ, 0.0f, 1.0f, 0.0f);
    CurrentTime = StartTime;
    TimeFraction = 0.0;
    return true;
}

void TDXAnimation::Destroy()
{
    if (!AnimationSet)
        return;
    AnimationSet.reset();
    // The character leaves the scene, so that the next one is shown alone.
    if (CharacterFrame && CharacterFrame->Parent())
        CharacterFrame->Parent()->DeleteChild(CharacterFrame.get());
    CharacterFrame.reset();
}

void TDXAnimation::ShowKeyTime()
{
    if (AnimationSet && EndTime > 0)
        AnimationSet->SetTime(static_cast<float>(CurrentTime * kLastKeyTime / EndTime));
}

bool TDXAnimation::Animate(double elapsed)
{
    if (!Play)
        return false;
    TimeFraction = elapsed * SpeedFactor + TimeFraction;
    const auto whole = static_cast<std::int32_t>(TimeFraction);
    if (whole == 0)
        return true;
    TimeFraction -= whole;
    CurrentTime += whole;
    if (CurrentTime > EndTime) {
        if (AutoRepeat) {
            CurrentTime = StartTime + CurrentTime - EndTime;
        } else {
            CurrentTime = EndTime;
            Play = false;
        }
    }
    ShowKeyTime();
    return true;
}

void TDXAnimation::SetPosition(double x, double y, double z)
{
    if (CharacterFrame)
        CharacterFrame->SetPosition(DXScene->SceneFrame.get(), static_cast<float>(x), static_cast<float>(y),
                                    static_cast<float>(z));
}

void TDXAnimation::SetOrientation(double heading, double)
{
    if (CharacterFrame)
        CharacterFrame->SetOrientation(DXScene->SceneFrame.get(), static_cast<float>(std::sin(heading)), 0.0f,
                                       static_cast<float>(std::cos(heading)), 0.0f, 1.0f, 0.0f);
}

void TDXAnimation::Reset()
{
    if (AnimationSet)
        AnimationSet->SetTime(0.0f);
    CurrentTime = 0;
}
