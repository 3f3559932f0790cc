#include "EngineSystem.h"

#include <QGuiApplication>
#include <QScreen>

win::HRESULT EngineSystem::Direct3DRMCreate(rm::Ptr<rm::Direct3DRM>& rm)
{
    return rm::Direct3DRMCreate(rm);
}

win::HRESULT EngineSystem::DirectDrawCreate(const win::GUID* driver, rm::Ptr<ddraw::DirectDraw>& directDraw)
{
    return ddraw::DirectDrawCreate(driver, directDraw);
}

win::HRESULT EngineSystem::DirectDrawCreateClipper(std::uint32_t flags, rm::Ptr<ddraw::Clipper>& clipper)
{
    return ddraw::DirectDrawCreateClipper(flags, clipper);
}

win::HRESULT EngineSystem::DirectInputCreate(void* instance, std::uint32_t version,
                                             rm::Ptr<dinput::DirectInput>& directInput)
{
    return dinput::DirectInputCreate(instance, version, directInput);
}

win::HRESULT EngineSystem::DirectSoundCreate(const win::GUID* device, rm::Ptr<dsound::DirectSound>& directSound)
{
    return dsound::DirectSoundCreate(device, directSound);
}

int EngineSystem::DesktopBitsPerPixel()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->depth() : 0;
}

bool EngineSystem::GetVersionEx(win::OSVERSIONINFO& info)
{
    return win::GetVersionEx(info);
}

bool EngineSystem::ModuleExports(const char* module, const char* entry)
{
    return win::ModuleExports(module, entry);
}

EngineSystem& SystemEngine()
{
    static EngineSystem system;
    return system;
}
