#pragma once

#include "Model.h"

#include <functional>
#include <string>
#include <vector>

// The program plays key times 0 .. kLastKeyTime, 5 of them a second, and only ever asks for
// whole ones: a motion shows as one pose per key time.
inline constexpr int kLastKeyTime = 1200;

// A frame's pose relative to its place in the model: turned by `degrees` about `axis` through
// its origin, scaled about its origin, and moved by `offset`.
struct Pose {
    Vec3 axis{1.0f, 0.0f, 0.0f};
    float degrees = 0.0f;
    Vec3 scale{1.0f, 1.0f, 1.0f};
    Vec3 offset;
};

// What the frame named `frame` does at each key time.
struct FrameMotion {
    std::string frame;
    std::function<Pose(int time)> pose;
};

// Keys for every motion at every key time 0 .. kLastKeyTime. Each frame gets all three kinds of
// key, since the keys stand in for the frame's placement; a kind that never changes keeps only
// its first and last key. Throws std::invalid_argument when `model` has no frame of a motion's name.
AnimationSet SampleAnimation(std::string name, const Frame& model, const std::vector<FrameMotion>& motions);
