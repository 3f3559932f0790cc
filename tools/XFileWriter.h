#pragma once

#include "Model.h"

#include <string>

// The model as a DirectX text model file (format 0302, no templates): the frame hierarchy with
// each frame's translation, each mesh with its triangles, face colours and, when it has one, its
// texture, and then the animation when it has frames. Numbers are written with a decimal point
// and at most six decimals; a number that is not finite throws std::invalid_argument.
std::string XFileText(const Frame& root, const AnimationSet& animation = {});
