#include "DXCore.h"

#include "DXCamera.h"
#include "DXErrors.h"
#include "DXInput.h"
#include "DXScene.h"
#include "DXSound.h"
#include "DXVersion.h"
#include "DXViewport.h"
#include "EngineError.h"
#include "TextureLoader.h"
#include "win/Fpu.h"
#include "win/MessageBox.h"
#include "win/MessagePump.h"
#include "win/TickClock.h"

#include <QCoreApplication>
#include <QWidget>

#include <cerrno>
#include <cstring>

namespace {

bool Failed(win::HRESULT result)
{
    return result != 0;
}

constexpr int kStep10Passes = 10;

// The render-depth flag of a desktop depth; depths without one count as unsupported.
std::uint32_t DepthFlag(int bitsPerPixel)
{
    switch (bitsPerPixel) {
    case 1: return ddraw::DDBD_1;
    case 2: return ddraw::DDBD_2;
    case 4: return ddraw::DDBD_4;
    case 8: return ddraw::DDBD_8;
    case 16: return ddraw::DDBD_16;
    case 24: return ddraw::DDBD_24;
    case 32: return ddraw::DDBD_32;
    default: return 0;
    }
}

QColor ColorOf(std::int32_t bgr)
{
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

} // namespace

TDXCore::TDXCore(QWidget* owner, EngineSystem& system) : owner_(owner), system_(system)
{
    win::MaskFloatingPointExceptions();
}

TDXCore::~TDXCore()
{
    // The linked components may be gone already: the owner destroys the engine through Destroy
    // while they live. Here only what the core itself holds is let go.
    if (DirectX3DRM)
        UseTextureRM(nullptr);
    ReleaseRecord();
}

template <class Operation>
bool TDXCore::ReportingErrors(Operation&& operation)
{
    try {
        return operation();
    } catch (const EngineError& error) {
        ComponentError(error.Code);
        return false;
    }
}

bool TDXCore::Create(void* instance, const char* texturePackPath)
{
    // A second Create tears the first set down before the pack is opened, so that the new
    // engine keeps its texture pack.
    if (RenderForm)
        Destroy();
    LoadTextureHeader(texturePackPath);
    if (!CheckDXVersion())
        return false;
    InitForm();
    return ReportingErrors([&] {
        DirectX3DRM = std::make_unique<TDirectX3DRM>();
        TDirectX3DRM& r = *DirectX3DRM;
        if (Failed(system_.Direct3DRMCreate(r.RM)))
            throw EngineError(EngineErrorCode::CreateRetainedMode);
        r.Window = RenderForm.get();
        r.Core = this;
        if (Failed(r.RM->QueryRM3(r.RM3)))
            throw EngineError(EngineErrorCode::QueryRetainedMode3);
        UseTextureRM(r.RM3.get());
        if (Failed(system_.DirectDrawCreateClipper(0, r.Clipper)))
            throw EngineError(EngineErrorCode::CreateClipper);
        if (Failed(r.Clipper->SetHWnd(0, r.Window)))
            throw EngineError(EngineErrorCode::SetClipperWindow);
        CreateDevice(Hardware, r.Window->width(), r.Window->height());
        if (!DXScene)
            throw EngineError(EngineErrorCode::CreateFrame);
        DXScene->Create(r);
        CreateViewport();
        RenderForm->repaint();
        if (DXInput)
            DXInput->Create(instance, owner_);
        if (DXSound)
            DXSound->Create(RenderForm.get());
        ActivateWindow(1);
        QCoreApplication::processEvents();
        Ready = true;
        return true;
    });
}

void TDXCore::InitForm()
{
    QWidget* parent = DXViewport ? DXViewport->parentWidget() : owner_;
    RenderForm = std::make_unique<QWidget>(parent, Qt::FramelessWindowHint);
    RenderForm->setAutoFillBackground(true);
    QPalette palette = RenderForm->palette();
    palette.setColor(QPalette::Window, ColorOf(DXScene ? DXScene->BGColor : 0));
    RenderForm->setPalette(palette);
    if (DXViewport)
        RenderForm->setGeometry(DXViewport->Left(), DXViewport->Top(), DXViewport->Width(), DXViewport->Height());
    // The cursor is hidden over the 3D picture.
    RenderForm->setCursor(Qt::BlankCursor);
    RenderForm->show();
    RenderForm->raise();
    RenderForm->setFocus();
    RenderForm->repaint();
}

void TDXCore::ShowForm(bool show)
{
    if (RenderForm)
        RenderForm->setVisible(show);
}

const win::GUID* TDXCore::FindDevice(std::uint32_t colorModel, bool software)
{
    TDirectX3DRM& r = *DirectX3DRM;
    r.HardwareDevice = !software;
    const int bitsPerPixel = system_.DesktopBitsPerPixel();
    r.DD.reset();
    r.D3D.reset();
    if (Failed(system_.DirectDrawCreate(nullptr, r.DD)))
        return nullptr;
    if (Failed(r.DD->QueryDirect3D(r.D3D))) {
        r.DD.reset();
        return nullptr;
    }
    ddraw::D3DFINDDEVICESEARCH search{};
    search.dwSize = sizeof search;
    search.dwFlags = ddraw::D3DFDS_COLORMODEL | ddraw::D3DFDS_HARDWARE;
    search.dcmColorModel = colorModel == 1 ? rm::D3DCOLOR_MONO : rm::D3DCOLOR_RGB;
    search.bHardware = software ? 0 : 1;
    r.FindResult = {};
    r.FindResult.dwSize = sizeof r.FindResult;
    win::HRESULT found = r.D3D->FindDevice(search, r.FindResult);
    // A hardware device that cannot draw at the desktop's depth: take a software one.
    if (Failed(found) && r.FindResult.ddHwDesc.dwFlags != 0
        && (r.FindResult.ddHwDesc.dwDeviceRenderBitDepth & DepthFlag(bitsPerPixel)) == 0) {
        search.bHardware = 0;
        r.HardwareDevice = false;
        r.FindResult = {};
        r.FindResult.dwSize = sizeof r.FindResult;
        found = r.D3D->FindDevice(search, r.FindResult);
    }
    return Failed(found) ? nullptr : &r.FindResult.guid;
}

void TDXCore::MakeDevice(bool hardware, int width, int height)
{
    // A device of the kind asked for, else a software one.
    TDirectX3DRM& r = *DirectX3DRM;
    if (Failed(r.RM3->CreateDeviceFromClipper(r.Clipper.get(), FindDevice(r.ColorModel, !hardware), width, height,
                                              r.Device))
        && Failed(r.RM3->CreateDeviceFromClipper(r.Clipper.get(), FindDevice(r.ColorModel, true), width, height,
                                                 r.Device)))
        throw EngineError(EngineErrorCode::CreateDevice);
}

void TDXCore::CreateDevice(bool hardware, int width, int height)
{
    TDirectX3DRM& r = *DirectX3DRM;
    MakeDevice(hardware, width, height);
    r.Device->SetRenderMode(r.RenderMode);
    r.Device->SetQuality(r.Quality);
    r.Device->SetTextureQuality(r.TextureQuality);
    if (Failed(r.Device->QueryDevice(r.Device1)))
        throw EngineError(EngineErrorCode::QueryDevice);
    if (Failed(r.Device->SetDither(r.Dither)))
        throw EngineError(EngineErrorCode::SetDither);
}

void TDXCore::CreateViewport()
{
    TDirectX3DRM& r = *DirectX3DRM;
    if (Failed(r.RM3->CreateViewport(r.Device.get(), DXScene->Camera->CameraFrame.get(), 0, 0, r.Device->GetWidth(),
                                     r.Device->GetHeight(), r.Viewport)))
        throw EngineError(EngineErrorCode::CreateViewport);
    if (Failed(r.Viewport->SetBack(Back)))
        throw EngineError(EngineErrorCode::SetBackClipping);
    if (Failed(r.Viewport->SetFront(Front)))
        throw EngineError(EngineErrorCode::SetFrontClipping);
}

void TDXCore::RebuildDevice(bool hardware, std::optional<DeviceShape> shape)
{
    TDirectX3DRM& r = *DirectX3DRM;
    // A device lost to an earlier failed rebuild left its size and shades behind; dither and
    // quality are in the record, as the setters keep the device and the record alike.
    if (shape)
        lostDevice_ = *shape;
    else if (r.Device)
        lostDevice_ = {r.Device->GetWidth(), r.Device->GetHeight(), r.Device->GetShades()};
    const bool dither = r.Device ? r.Device->GetDither() : r.Dither;
    const rm::D3DRMRENDERQUALITY quality = r.Device ? r.Device->GetQuality() : r.Quality;
    // Until the new device and viewport stand there is nothing to render with.
    deviceLost_ = Ready || deviceLost_;
    Ready = false;
    r.Viewport.reset();
    r.Device.reset();
    r.Device1.reset();
    MakeDevice(hardware, lostDevice_.width, lostDevice_.height);
    r.Device->SetRenderMode(r.RenderMode);
    if (Failed(r.Device->QueryDevice(r.Device1)))
        throw EngineError(EngineErrorCode::QueryDevice);
    if (Failed(r.Device->SetDither(dither)))
        throw EngineError(EngineErrorCode::SetDither);
    if (Failed(r.Device->SetQuality(quality)))
        throw EngineError(EngineErrorCode::SetQuality);
    if (Failed(r.Device->SetTextureQuality(r.TextureQuality)))
        throw EngineError(EngineErrorCode::SetTextureQuality);
    if (Failed(r.Device->SetShades(lostDevice_.shades)))
        throw EngineError(EngineErrorCode::SetShades);
    CreateViewport();
    Ready = deviceLost_;
    deviceLost_ = false;
}

void TDXCore::ReleaseRecord()
{
    if (!DirectX3DRM)
        return;
    TDirectX3DRM& r = *DirectX3DRM;
    r.Viewport.reset();
    r.Device.reset();
    r.Device1.reset();
    r.RM3.reset();
    r.Clipper.reset();
    r.DD.reset();
    r.D3D.reset();
    r.RM.reset();
    DirectX3DRM.reset();
}

void TDXCore::Destroy()
{
    ReportingErrors([&] {
        if (DXSound)
            DXSound->Destroy();
        if (DXInput)
            DXInput->Destroy();
        if (DXScene)
            DXScene->Destroy();
        return true;
    });
    UseTextureRM(nullptr);
    ReleaseRecord();
    if (RenderForm) {
        RenderForm->hide();
        RenderForm.reset();
    }
    FreeTextureLoader();
    Ready = false;
    deviceLost_ = false;
}

bool TDXCore::ActivateWindow(int active)
{
    if (!DirectX3DRM || !DirectX3DRM->Device)
        return false;
    if (active != 0 && RenderForm)
        RenderForm->setFocus();
    rm::Ptr<rm::WinDevice> windowDevice;
    if (!Failed(DirectX3DRM->Device->QueryWinDevice(windowDevice)))
        windowDevice->HandleActivate(static_cast<std::uint16_t>(active & 0xFFFF));
    return true;
}

void TDXCore::PaintWindow()
{
    if (!Ready || !DirectX3DRM->Device)
        return;
    rm::Ptr<rm::WinDevice> windowDevice;
    if (!Failed(DirectX3DRM->Device->QueryWinDevice(windowDevice)))
        windowDevice->HandlePaint(RenderForm.get());
}

void TDXCore::ResizeViewport(int width, int height)
{
    // The render window covers the view's rectangle at its new size, and the device and its
    // viewport are made again at that size, of the kind the settings ask for.
    if (width <= 0 || height <= 0)
        return;
    if (RenderForm && DXViewport)
        RenderForm->setGeometry(DXViewport->Left(), DXViewport->Top(), width, height);
    if (!Rebuildable())
        return;
    const rm::Device3* device = DirectX3DRM->Device.get();
    const DeviceShape now = device ? DeviceShape{device->GetWidth(), device->GetHeight(), device->GetShades()}
                                   : lostDevice_;
    if (width == now.width && height == now.height)
        return;
    ReportingErrors([&] {
        RebuildDevice(Hardware, DeviceShape{width, height, now.shades});
        return true;
    });
}

bool TDXCore::SceneRender()
{
    if (!Ready)
        return true;
    return ReportingErrors([&] {
        TDirectX3DRM& r = *DirectX3DRM;
        return !Failed(r.Viewport->Clear(rm::D3DRMCLEAR_ALL)) && !Failed(r.Viewport->Render(DXScene->SceneFrame.get()));
    });
}

bool TDXCore::DummyRenderScene()
{
    return SceneRender();
}

bool TDXCore::SceneUpdate()
{
    if (!Ready)
        return true;
    return ReportingErrors([&] { return !Failed(DirectX3DRM->Device->Update()); });
}

bool TDXCore::RenderScene()
{
    if (!Ready)
        return true;
    return SceneRender() && SceneUpdate();
}

void TDXCore::RunWindow()
{
    Pump(false);
}

std::uint32_t TDXCore::Pump(bool waitForMessage)
{
    const win::PumpResult result = win::PumpMessages(waitForMessage);
    if (result.quit)
        Running = false;
    return result.waited;
}

int TDXCore::Step()
{
    const std::uint32_t start = win::GetTickCount();
    RunWindow();
    return static_cast<int>(win::GetTickCount() - start);
}

std::uint32_t TDXCore::WaitAndStep()
{
    return Pump(true);
}

void TDXCore::Step10()
{
    for (int pass = 0; pass < kStep10Passes; ++pass)
        RunWindow();
    RenderScene();
}

void TDXCore::Run()
{
    Running = true;
    while (Running)
        Step10();
}

void TDXCore::SetQuality(rm::D3DRMRENDERQUALITY quality, bool rebuild)
{
    if (!Rebuildable() || DirectX3DRM->Quality == quality)
        return;
    DirectX3DRM->Quality = quality;
    if (DirectX3DRM->Device)
        DirectX3DRM->Device->SetQuality(quality);
    if (rebuild)
        RebuildDevice(Hardware);
}

void TDXCore::SetColorModel(std::uint32_t model, bool rebuild)
{
    if (!Rebuildable() || DirectX3DRM->ColorModel == model)
        return;
    DirectX3DRM->ColorModel = model;
    if (rebuild)
        RebuildDevice(Hardware);
}

void TDXCore::SetRenderMode(rm::D3DRMRENDERMODE flags, bool rebuild)
{
    if (!Rebuildable() || DirectX3DRM->RenderMode == flags)
        return;
    DirectX3DRM->RenderMode = flags;
    if (rebuild)
        RebuildDevice(Hardware);
}

bool TDXCore::SetTextureQuality(rm::D3DRMTEXTUREQUALITY quality, bool rebuild)
{
    if (!Rebuildable() || DirectX3DRM->TextureQuality == quality)
        return false;
    DirectX3DRM->TextureQuality = quality;
    if (rebuild)
        RebuildDevice(Hardware);
    return true;
}

void TDXCore::SetDither(bool dither)
{
    if (!Rebuildable() || DirectX3DRM->Dither == dither)
        return;
    DirectX3DRM->Dither = dither;
    if (DirectX3DRM->Device)
        DirectX3DRM->Device->SetDither(dither);
    RebuildDevice(Hardware);
}

bool TDXCore::GetKBState(char* keys)
{
    return DXInput && DXInput->GetKBState(keys);
}

bool TDXCore::GetMouseState(void* state)
{
    // A failed read is shown here rather than left to end the host's frame loop.
    return DXInput && ReportingErrors([&] { return DXInput->GetMouseState(state); });
}

rm::Ptr<rm::Frame3> TDXCore::AddMeshFromFile(const char* fileName, float x, float y, float z)
{
    rm::Ptr<rm::Frame3> frame;
    ReportingErrors([&] {
        frame = DXScene->AddMesh(fileName, rm::D3DRMLOAD_FROMFILE, x, y, z);
        return true;
    });
    return frame;
}

rm::Ptr<rm::Frame3> TDXCore::AddMeshFromMem(const void* data, int size, float x, float y, float z)
{
    const rm::D3DRMLOADMEMORY memory{data, static_cast<std::uint32_t>(size < 0 ? 0 : size)};
    rm::Ptr<rm::Frame3> frame;
    ReportingErrors([&] {
        frame = DXScene->AddMesh(&memory, rm::D3DRMLOAD_FROMMEMORY, x, y, z);
        return true;
    });
    return frame;
}

rm::Ptr<rm::Texture3> TDXCore::GetTexture()
{
    return LastTexture();
}

void TDXCore::GetDXVersion(std::uint32_t* version, std::uint32_t* platform)
{
    const DXVersion found = ProbeDXVersion(system_);
    if (version)
        *version = found.Version;
    if (platform)
        *platform = found.Platform;
}

bool TDXCore::CheckDXVersion()
{
    return ProbeDXVersion(system_).Version >= kDirectX5;
}

void TDXCore::ComponentError(std::uint16_t code)
{
    // The text tells the thread's last system error, which is seldom more than "no error".
    win::MessageBox({nullptr, QString::fromLatin1(ErrorText(errno)), QStringLiteral("DirectX Component Error %1").arg(code),
                     win::MB_OK | win::MB_ICONSTOP});
}
