#pragma once

// The camera's stored settings: where it starts, in scene coordinates.
class TDXCamera {
public:
    TDXCamera();

    float PosX = 0.0f;
    float PosY = 0.0f;
    float PosZ = 0.0f;
};
