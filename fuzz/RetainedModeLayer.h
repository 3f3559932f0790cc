#pragma once

#include "rm/Direct3DRM.h"

// The program's own retained-mode layer, made once per process, that the engine's texture loader
// loads its textures through as it does once a core is created. The layer keeps nothing of what
// it makes.
rm::Direct3DRM3& RetainedModeLayer();
