#include "DXCore.h"

#include "DXScene.h"
#include "rm/Texture.h"
#include "win/Fpu.h"
#include "win/MessagePump.h"
#include "win/TickClock.h"

TDXCore::TDXCore(QWidget* owner) : owner_(owner)
{
    win::MaskFloatingPointExceptions();
}

TDXCore::~TDXCore()
{
    Destroy();
}

bool TDXCore::Create(void*, const char*)
{
    if (Ready)
        Destroy();
    Ready = true;
    return true;
}

void TDXCore::Destroy()
{
    lastTexture_.reset();
    Ready = false;
}

rm::Ptr<rm::Frame3> TDXCore::AddMeshFromFile(const char*, float, float, float)
{
    if (!Ready || !DXScene)
        return nullptr;
    // The floor model carries one 256 × 256 paletted texture, the last one its load produces.
    lastTexture_ = rm::MakePtr<rm::Texture3>(kFloorTextureSize, kFloorTextureSize);
    auto frame = rm::MakePtr<rm::Frame3>();
    DXScene->SceneFrame()->AddChild(frame.get());
    return frame;
}

rm::Ptr<rm::Texture3> TDXCore::GetTexture()
{
    return lastTexture_;
}

bool TDXCore::GetMouseState(void*)
{
    return false; // no input device is linked
}

void TDXCore::RunWindow()
{
    if (win::PumpMessages().quit)
        Running = false;
}

int TDXCore::Step()
{
    const std::uint32_t start = win::GetTickCount();
    RunWindow();
    return static_cast<int>(win::GetTickCount() - start);
}

bool TDXCore::RenderScene()
{
    return true; // nothing renders yet: the core has no device
}
