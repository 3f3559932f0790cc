#pragma once

#include <cstdint>

// Kinds of light; the values are the retained-mode light types.
enum LightMode : std::uint8_t { lmAmbient = 0, lmPoint = 1, lmSpot = 2, lmDirectional = 3, lmParallel = 4 };

// A light's settings, from which the scene makes its light: colour 0x00BBGGRR at full strength,
// strength in percent.
class TDXLight {
public:
    TDXLight();

    std::int32_t Color = 0;
    std::int32_t CFactor = 0;
    LightMode Mode = lmAmbient;
};
