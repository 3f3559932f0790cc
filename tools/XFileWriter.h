#pragma once

#include "Model.h"

#include <string>

// The model as a DirectX text model file (format 0302, no templates): the frame hierarchy with
// each frame's translation, and each mesh with its triangles, face colours and, when it has one, its texture.
std::string XFileText(const Frame& root);
