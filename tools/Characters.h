#pragma once

#include "Model.h"

// A character of the archive: its model, standing on y = 0 and facing +z, about 50 sheet units
// (500 scene units) long, with what it does while the turtle stands (entry A) and while it walks
// (entry B). Legs, heads, caps and the part that carries them are frames of their own so that
// the animations can move them.
struct Character {
    Frame model;
    AnimationSet stand;
    AnimationSet walk;
};

Character Lizard(); // character 1: a reptile with a propeller cap
Character Snail();  // character 2: a snail with a top hat
Character Turtle(); // character 3: the turtle with a red cap
