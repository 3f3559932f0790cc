#pragma once

#include "Model.h"

#include <functional>

// Convex solids of one colour, in the space of the frame that will carry them.
Mesh Box(Vec3 center, Vec3 size, Color color);
// A low-poly UV sphere stretched to the three radii; poles on the y axis.
Mesh Ellipsoid(Vec3 center, Vec3 radii, Color color, int segments = 12, int rings = 8);
// Upright, closed at both ends.
Mesh Cylinder(Vec3 baseCenter, float radius, float height, Color color, int segments = 12);

// Several solids as one mesh.
Mesh Join(std::initializer_list<Mesh> parts);
// Gives `color` to every triangle whose centre satisfies `where`.
void Paint(Mesh& mesh, const std::function<bool(Vec3)>& where, Color color);
