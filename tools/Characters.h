#pragma once

#include "Model.h"

// The three characters of the archive, each standing on y = 0 and facing +z, about 20 sheet
// units (200 scene units) long. Legs, heads and caps are frames of their own so that a walk
// can move them.
Frame Lizard(); // character 1: a reptile with a propeller cap
Frame Snail();  // character 2: a snail with a top hat
Frame Turtle(); // character 3: the turtle with a red cap
