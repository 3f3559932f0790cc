#pragma once

#include <cstdint>

// The fog's settings; the scene turns linear fog on only when FogEnable is set.
class TDXFog {
public:
    TDXFog();

    std::int32_t FogColor = 0;
    bool FogEnable = false;
    float FogStart = 0.0f;
    float FogEnd = 0.0f;
    float FogDensity = 0.0f;
};
