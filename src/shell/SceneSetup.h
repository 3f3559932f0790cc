#pragma once

class TDXCamera;
class TDXLight;
class TDXScene;

// The main window's stored settings of its scene: a white background, a directional and an
// ambient light, and the camera 2000 behind and 3000 above the turtle's home, looking at it.
void SetUpScene(TDXScene& scene, TDXCamera& camera, TDXLight& directional, TDXLight& ambient);
