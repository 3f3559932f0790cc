#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// Models are left-handed and y-up in scene units, as the program's scene is.
struct Vec3 {
    float x = 0.0f, y = 0.0f, z = 0.0f;
    bool operator==(const Vec3&) const = default;
};

struct Color {
    float r = 0.0f, g = 0.0f, b = 0.0f;
    bool operator==(const Color&) const = default;
};

// Triangles seen from outside are wound clockwise, the front side of the model format;
// each triangle has one of the mesh's materials.
struct Mesh {
    std::vector<Vec3> vertices;
    std::vector<std::array<std::int32_t, 3>> triangles;
    std::vector<std::int32_t> triangleMaterials;
    std::vector<Color> materials;
    // A textured mesh names its image, drawn on all its materials, and gives every vertex its
    // place in it: u runs right across the image, v down from its top row.
    std::string textureFile;
    std::vector<std::array<float, 2>> textureCoords;
};

// A named part of a model, placed at `origin` in its parent's space. Turning the frame turns its
// mesh and its children about that point, so a leg's origin is its hip.
struct Frame {
    std::string name;
    Vec3 origin;
    Mesh mesh;
    std::vector<Frame> children;
};

// A turn as the model format keeps it: cos(a/2), then the unit axis times sin(a/2).
struct Quaternion {
    float w = 1.0f, x = 0.0f, y = 0.0f, z = 0.0f;
    bool operator==(const Quaternion&) const = default;
};

template <class Value>
struct Key {
    int time = 0;
    Value value;
};

// One frame's keys, each kind in ascending time. A frame's keys replace its placement while the
// animation plays, so `positions` include the frame's origin.
struct FrameKeys {
    std::string frame;
    std::vector<Key<Quaternion>> rotations;
    std::vector<Key<Vec3>> scales;
    std::vector<Key<Vec3>> positions;
};

// A named animation of a model's frames; one without frames is no animation at all.
struct AnimationSet {
    std::string name;
    std::vector<FrameKeys> frames;
};
