#pragma once

#include "rm/Frame.h"
#include "rm/Texture.h"

#include <cstdint>

class QWidget;
class TDXScene;
class TDXViewport;

// Side of the floor texture that the floor model carries: one texel per sheet pixel.
inline constexpr int kFloorTextureSize = 256;

// The engine core: owns the 3D output over its viewport rectangle, pumps the thread's
// messages for the host's frame loop and renders one frame per call.
class TDXCore {
public:
    explicit TDXCore(QWidget* owner);
    ~TDXCore();
    TDXCore(const TDXCore&) = delete;
    TDXCore& operator=(const TDXCore&) = delete;

    TDXViewport* DXViewport = nullptr;
    TDXScene* DXScene = nullptr;
    float Front = 0.0f;
    float Back = 0.0f;

    bool Ready = false;
    bool Running = false; // the host's frame loop runs while this is set

    bool Create(void* instance, const char* texturePackPath);
    void Destroy();

    rm::Ptr<rm::Frame3> AddMeshFromFile(const char* fileName, float x, float y, float z);
    // The texture that the last model load produced.
    rm::Ptr<rm::Texture3> GetTexture();

    // Fills the 16-byte mouse record; false when no reading was taken this time.
    bool GetMouseState(void* state);

    // Dispatches every pending message of the thread; a quit request clears Running.
    void RunWindow();
    // RunWindow once; the milliseconds it took.
    int Step();
    // Clears, renders and presents one frame; true also when there is nothing to render.
    bool RenderScene();

private:
    QWidget* owner_;
    rm::Ptr<rm::Texture3> lastTexture_;
};
