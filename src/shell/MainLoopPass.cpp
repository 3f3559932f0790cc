#include "shell/MainLoopPass.h"

#include "engine/DXAnimation.h"
#include "engine/DXCore.h"
#include "engine/DXInput.h"
#include "engine/DXScene.h"
#include "turtle/CameraControl.h"
#include "turtle/TurtleMotion.h"
#include "turtle/TurtleState.h"
#include "win/TickClock.h"

namespace {

constexpr std::uint8_t kKeyDown = 0x80;

} // namespace

MainLoopPass::MainLoopPass(const LoopParts& parts)
    : parts_(parts), mouseInViewport_([&window = parts.window] { return window.MouseInViewport(); })
{
}

void MainLoopPass::RunWhileRunning()
{
    while (parts_.core.Running)
        Run();
}

void MainLoopPass::Run()
{
    const std::uint32_t start = win::GetTickCount();
    if (parts_.core.GetMouseState(&mouse_))
        parts_.camera.HandleMouse(mouse_, dt_, mouseInViewport_);
    StopCommandOnEscape();
    parts_.motion.StepCommand(dt_);
    parts_.core.Step();
    parts_.core.RenderScene();
    parts_.character.Animate(dt_);
    PlaceCamera();
    PlaceCharacter();
    dt_ = win::GetTickCount() - start;
    statusTime_ += dt_;
    if (statusTime_ > kStatusRefreshMs) {
        parts_.window.RefreshStatus();
        statusTime_ = 0;
    }
}

void MainLoopPass::StopCommandOnEscape()
{
    // Esc ends a running command where the turtle got to.
    if (parts_.motion.State == CommandState::Idle)
        return;
    if (parts_.keyboard.GetKBState(keys_.data()) && (static_cast<std::uint8_t>(keys_[dinput::DIK_ESCAPE]) & kKeyDown))
        parts_.motion.Stop();
}

void MainLoopPass::PlaceCamera()
{
    const CameraPose pose = parts_.camera.PlaceCamera(parts_.turtle);
    parts_.scene.SetCamPosition(pose.x, pose.y, pose.z);
    parts_.scene.SetCamOrientation(pose.viewX, pose.viewY, pose.viewZ);
}

void MainLoopPass::PlaceCharacter()
{
    // A hidden character is lifted far above the scene, out of view.
    const TTurtleState& turtle = parts_.turtle;
    parts_.character.SetPosition(kSceneUnitsPerSheetUnit * turtle.X, turtle.Hidden ? kHiddenCharacterHeight : 0.0,
                                 kSceneUnitsPerSheetUnit * turtle.Y);
    parts_.character.SetOrientation(turtle.Heading, 0.0);
}
