#pragma once

#include "DirectX3DRM.h"

#include <cstdint>
#include <memory>
#include <optional>

class QWidget;
class TDXInput;
class TDXScene;
class TDXSound;
class TDXViewport;

// The engine core: owns the 3D output over its viewport rectangle. It makes the render window,
// the device, the scene's objects and the viewport, renders one frame per call, and pumps the
// thread's messages for the host's frame loop. Failures of the system calls are shown by
// ComponentError and end the operation with its failure value.
class TDXCore {
public:
    explicit TDXCore(QWidget* owner, EngineSystem& system = SystemEngine());
    ~TDXCore();
    TDXCore(const TDXCore&) = delete;
    TDXCore& operator=(const TDXCore&) = delete;

    TDXViewport* DXViewport = nullptr;
    TDXScene* DXScene = nullptr;
    TDXInput* DXInput = nullptr;
    TDXSound* DXSound = nullptr;
    bool Ready = false;
    std::unique_ptr<QWidget> RenderForm;
    float Front = 0.0f;
    float Back = 0.0f;
    bool Hardware = true;
    std::unique_ptr<TDirectX3DRM> DirectX3DRM;
    bool Running = false; // the host's frame loop runs while this is set

    bool Create(void* instance, const char* texturePackPath);
    void Destroy();
    void InitForm();
    void ShowForm(bool show);
    bool ActivateWindow(int active);
    void PaintWindow();
    // The 3D view changed its size: the render window, the device and the viewport follow.
    void ResizeViewport(int width, int height);

    bool RenderScene();
    bool SceneRender();
    bool DummyRenderScene();
    bool SceneUpdate();
    // Dispatches every pending message of the thread; a quit request clears Running.
    void RunWindow();
    // RunWindow once; the milliseconds it took.
    int Step();
    // RunWindow once, but with nothing pending, first sleeps until a message comes; the
    // milliseconds it slept.
    std::uint32_t WaitAndStep();
    void Step10();
    void Run();

    void SetQuality(rm::D3DRMRENDERQUALITY quality, bool rebuild);
    void SetColorModel(std::uint32_t model, bool rebuild);
    void SetRenderMode(rm::D3DRMRENDERMODE flags, bool rebuild);
    bool SetTextureQuality(rm::D3DRMTEXTUREQUALITY quality, bool rebuild);
    void SetDither(bool dither);
    void SetHardware(bool hardware) { Hardware = hardware; }
    bool IsHardwareDevice() const { return DirectX3DRM && DirectX3DRM->HardwareDevice; }

    // Fills 256 key bytes / the 16-byte mouse record; false when no input is linked or read.
    bool GetKBState(char* keys);
    bool GetMouseState(void* state);

    rm::Ptr<rm::Frame3> AddMeshFromFile(const char* fileName, float x, float y, float z);
    rm::Ptr<rm::Frame3> AddMeshFromMem(const void* data, int size, float x, float y, float z);
    // The texture that the last model load produced.
    rm::Ptr<rm::Texture3> GetTexture();
    TDirectX3DRM* GetD3DRM() { return DirectX3DRM.get(); }

    // The DirectX release the system offers and its platform id (see DXVersion); either pointer
    // may be null.
    void GetDXVersion(std::uint32_t* version, std::uint32_t* platform);
    // Whether the system offers DirectX 5 or later.
    bool CheckDXVersion();
    void ComponentError(std::uint16_t code);

private:
    // What a rebuild carries over from the device it replaces.
    struct DeviceShape {
        int width = 0;
        int height = 0;
        std::uint32_t shades = 0;
    };

    const win::GUID* FindDevice(std::uint32_t colorModel, bool software);
    void MakeDevice(bool hardware, int width, int height);
    void CreateDevice(bool hardware, int width, int height);
    void CreateViewport();
    // At the size and shades of `shape`, else of the device it replaces.
    void RebuildDevice(bool hardware, std::optional<DeviceShape> shape = std::nullopt);
    // A created core, or one whose device a failed rebuild took: the setters may rebuild it.
    bool Rebuildable() const { return DirectX3DRM && (Ready || deviceLost_); }
    void ReleaseRecord();
    // Dispatches the pending messages, first waiting for one if asked; the milliseconds waited.
    std::uint32_t Pump(bool waitForMessage);
    template <class Operation>
    bool ReportingErrors(Operation&& operation);

    QWidget* owner_;
    EngineSystem& system_;
    DeviceShape lostDevice_;
    bool deviceLost_ = false; // a rebuild failed: not ready until one succeeds
};
