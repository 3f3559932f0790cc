#pragma once

#include "Model.h"

#include <cstdint>
#include <vector>

// The floor the turtle draws on: a square model textured with the sheet, the sheet's pixels one
// sheet unit (10 scene units) wide.

inline constexpr char kFloorTextureName[] = "floor.bmp";

// A 256 × 256 8-bit BMP file, all white, whose palette begins with the sixteen sheet colours.
std::vector<std::uint8_t> FloorBitmap();

// One mesh on y = 0 facing up, textured with kFloorTextureName so that sheet pixel
// (trunc(X + 127), trunc(127 − Y)) lies under the scene point (10·X, 0, 10·Y); around it, in a
// frame of its own, an untextured wooden board that shows the sheet's edge.
Frame FloorModel();
