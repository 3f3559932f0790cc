#include "shell/MainLoopPass.h"

#include "engine/DXAnimation.h"
#include "engine/DXCore.h"
#include "engine/DXInput.h"
#include "engine/DXScene.h"
#include "turtle/CameraControl.h"
#include "notebook/TurtleWalker.h"
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
    parts_.walker.SetDriven(true);
    while (parts_.core.Running)
        Run();
    parts_.walker.SetDriven(false);
}

void MainLoopPass::Run()
{
    const std::uint32_t start = win::GetTickCount();
    buttonHeld_ = false;
    if (parts_.core.GetMouseState(&mouse_)) {
        buttonHeld_ = dinput::IsPressed(mouse_.rgbButtons[0]) || dinput::IsPressed(mouse_.rgbButtons[1]);
        parts_.camera.HandleMouse(mouse_, dt_, mouseInViewport_);
    }
    StopCommandOnEscape();
    WalkOn();
    std::uint32_t waited = 0;
    if (NothingCanChange())
        waited = parts_.core.WaitAndStep();
    else
        parts_.core.Step();
    rendered_ = parts_.core.RenderScene() ? placed_ : std::nullopt;
    parts_.character.Animate(dt_);
    PlaceCamera();
    PlaceCharacter();
    placed_ = Now();
    dt_ = win::GetTickCount() - start - waited;
    statusTime_ += dt_;
    if (statusTime_ > kStatusRefreshMs) {
        parts_.window.RefreshStatus();
        status_ = StatusNow();
        statusTime_ = 0;
    }
}

bool MainLoopPass::NothingCanChange() const
{
    // Up to here a pass in which nothing runs has changed nothing, so the last frame and the
    // last status refresh tell whether the window shows what is.
    return parts_.core.Running && !parts_.walker.Busy() && !parts_.character.Play
           && !buttonHeld_ && rendered_ && *rendered_ == Now() && status_ == StatusNow();
}

MainLoopPass::Shown MainLoopPass::Now() const
{
    const TTurtleState& turtle = parts_.turtle;
    const auto& camera = parts_.camera.CameraPos;
    return {turtle.X, turtle.Y, turtle.Heading, turtle.Hidden, {camera[0], camera[1], camera[2]},
            parts_.character.CharacterFrame.get(), parts_.character.CurrentTime};
}

MainLoopPass::StatusShown MainLoopPass::StatusNow() const
{
    return {parts_.turtle.X, parts_.turtle.Y, parts_.turtle.Heading};
}

void MainLoopPass::StopCommandOnEscape()
{
    // Esc ends a running command where the turtle got to, and a replay at once.
    if (!parts_.walker.Busy())
        return;
    if (parts_.keyboard.GetKBState(keys_.data()) && (static_cast<std::uint8_t>(keys_[dinput::DIK_ESCAPE]) & kKeyDown))
        parts_.walker.Stop();
}

void MainLoopPass::WalkOn()
{
    // The speed paces a command and a replay alike; at Błyskawicznie the walker walks for the
    // pass's budget, then the frame shows the page so far.
    if (speed_.Pace() == TurtlePace::Instant)
        parts_.walker.WalkFor();
    else
        parts_.walker.Walk(dt_ * speed_.Factor());
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
