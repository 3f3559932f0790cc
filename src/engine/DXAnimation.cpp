#include "DXAnimation.h"

#include "DXScene.h"
#include "win/Fpu.h"

#include <cmath>

TDXAnimation::TDXAnimation()
{
    win::MaskFloatingPointExceptions();
}

bool TDXAnimation::Create(const void* data, std::int32_t size)
{
    if (!DXCore || !DXScene || !DXScene->SceneFrame || !data || size < 0)
        return false;
    characterFrame_ = rm::MakePtr<rm::Frame3>();
    DXScene->SceneFrame->AddChild(characterFrame_.get());
    SetPosition(PosX, PosY, PosZ);
    CurrentTime = StartTime;
    TimeFraction = 0.0;
    return true;
}

void TDXAnimation::Destroy()
{
    characterFrame_.reset();
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
    return true;
}

void TDXAnimation::SetPosition(double x, double y, double z)
{
    x_ = static_cast<float>(x);
    y_ = static_cast<float>(y);
    z_ = static_cast<float>(z);
}

void TDXAnimation::SetOrientation(double heading, double)
{
    facingX_ = static_cast<float>(std::sin(heading));
    facingZ_ = static_cast<float>(std::cos(heading));
}
