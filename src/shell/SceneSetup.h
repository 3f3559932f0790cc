#pragma once

class TDXAnimation;
class TDXCamera;
class TDXCore;
class TDXLight;
class TDXScene;
class TDXViewport;

// The main window's stored settings of its scene: a white background, a directional and an
// ambient light, and the camera 2000 behind and 3000 above the turtle's home, looking at it.
void SetUpScene(TDXScene& scene, TDXCamera& camera, TDXLight& directional, TDXLight& ambient);

// The core showing that scene in the view, between its clipping planes 1 and 8000.
void SetUpCore(TDXCore& core, TDXViewport& viewport, TDXScene& scene);

// The walking character: repeating, so that it never freezes after its first full pass, and
// still until a command runs.
void SetUpCharacter(TDXAnimation& character, TDXScene& scene, TDXCore& core);
