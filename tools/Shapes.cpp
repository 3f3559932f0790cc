#include "Shapes.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

Vec3 operator-(Vec3 a, Vec3 b)
{
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}

Vec3 Cross(Vec3 a, Vec3 b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

float Dot(Vec3 a, Vec3 b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

Vec3 Centroid(const Mesh& mesh, const std::array<std::int32_t, 3>& triangle)
{
    const Vec3& a = mesh.vertices[triangle[0]];
    const Vec3& b = mesh.vertices[triangle[1]];
    const Vec3& c = mesh.vertices[triangle[2]];
    return {(a.x + b.x + c.x) / 3, (a.y + b.y + c.y) / 3, (a.z + b.z + c.z) / 3};
}

std::int32_t MaterialIndex(Mesh& mesh, Color color)
{
    const auto found = std::ranges::find(mesh.materials, color);
    if (found != mesh.materials.end())
        return static_cast<std::int32_t>(found - mesh.materials.begin());
    mesh.materials.push_back(color);
    return static_cast<std::int32_t>(mesh.materials.size() - 1);
}

// Builds one convex solid: every triangle is turned to face away from `center`,
// so the shapes below only list corners and never worry about winding.
class SolidBuilder {
public:
    SolidBuilder(Vec3 center, Color color) : center_(center) { mesh_.materials.push_back(color); }

    std::int32_t Vertex(Vec3 v)
    {
        mesh_.vertices.push_back(v);
        return static_cast<std::int32_t>(mesh_.vertices.size() - 1);
    }

    void Triangle(std::int32_t a, std::int32_t b, std::int32_t c)
    {
        std::array<std::int32_t, 3> triangle{a, b, c};
        const Vec3& va = mesh_.vertices[a];
        const Vec3 normal = Cross(mesh_.vertices[b] - va, mesh_.vertices[c] - va);
        if (Dot(normal, Centroid(mesh_, triangle) - center_) < 0)
            std::swap(triangle[1], triangle[2]);
        mesh_.triangles.push_back(triangle);
        mesh_.triangleMaterials.push_back(0);
    }

    // a, b, c, d in order around the quad.
    void Quad(std::int32_t a, std::int32_t b, std::int32_t c, std::int32_t d)
    {
        Triangle(a, b, c);
        Triangle(a, c, d);
    }

    Mesh Take() { return std::move(mesh_); }

private:
    Vec3 center_;
    Mesh mesh_;
};

} // namespace

Mesh Box(Vec3 center, Vec3 size, Color color)
{
    SolidBuilder box(center, color);
    std::int32_t corner[8];
    for (int i = 0; i < 8; ++i) {
        corner[i] = box.Vertex({center.x + (i & 1 ? 0.5f : -0.5f) * size.x,
                                center.y + (i & 2 ? 0.5f : -0.5f) * size.y,
                                center.z + (i & 4 ? 0.5f : -0.5f) * size.z});
    }
    // Corner bit 0 is x, bit 1 is y, bit 2 is z; each side keeps one bit fixed.
    box.Quad(corner[0], corner[1], corner[3], corner[2]);
    box.Quad(corner[4], corner[5], corner[7], corner[6]);
    box.Quad(corner[0], corner[1], corner[5], corner[4]);
    box.Quad(corner[2], corner[3], corner[7], corner[6]);
    box.Quad(corner[0], corner[2], corner[6], corner[4]);
    box.Quad(corner[1], corner[3], corner[7], corner[5]);
    return box.Take();
}

Mesh Ellipsoid(Vec3 center, Vec3 radii, Color color, int segments, int rings)
{
    SolidBuilder solid(center, color);
    const auto point = [&](double polar, double azimuth) {
        return Vec3{center.x + radii.x * static_cast<float>(std::sin(polar) * std::sin(azimuth)),
                    center.y + radii.y * static_cast<float>(std::cos(polar)),
                    center.z + radii.z * static_cast<float>(std::sin(polar) * std::cos(azimuth))};
    };
    const std::int32_t top = solid.Vertex({center.x, center.y + radii.y, center.z});
    const std::int32_t bottom = solid.Vertex({center.x, center.y - radii.y, center.z});
    // Ring r (1 .. rings - 1) starts at vertex 2 + (r - 1) * segments.
    const auto at = [segments](int ring, int segment) {
        return static_cast<std::int32_t>(2 + (ring - 1) * segments + segment % segments);
    };
    for (int r = 1; r < rings; ++r)
        for (int s = 0; s < segments; ++s)
            solid.Vertex(point(std::numbers::pi * r / rings, 2 * std::numbers::pi * s / segments));
    for (int s = 0; s < segments; ++s) {
        solid.Triangle(top, at(1, s), at(1, s + 1));
        for (int r = 1; r + 1 < rings; ++r)
            solid.Quad(at(r, s), at(r, s + 1), at(r + 1, s + 1), at(r + 1, s));
        solid.Triangle(bottom, at(rings - 1, s), at(rings - 1, s + 1));
    }
    return solid.Take();
}

Mesh Cylinder(Vec3 baseCenter, float radius, float height, Color color, int segments)
{
    const Vec3 topCenter{baseCenter.x, baseCenter.y + height, baseCenter.z};
    SolidBuilder solid({baseCenter.x, baseCenter.y + height / 2, baseCenter.z}, color);
    const std::int32_t bottom = solid.Vertex(baseCenter);
    const std::int32_t top = solid.Vertex(topCenter);
    // Rim vertex s of the base is 2 + 2s, of the top 3 + 2s.
    for (int s = 0; s < segments; ++s) {
        const double azimuth = 2 * std::numbers::pi * s / segments;
        const float dx = radius * static_cast<float>(std::sin(azimuth));
        const float dz = radius * static_cast<float>(std::cos(azimuth));
        solid.Vertex({baseCenter.x + dx, baseCenter.y, baseCenter.z + dz});
        solid.Vertex({topCenter.x + dx, topCenter.y, topCenter.z + dz});
    }
    for (int s = 0; s < segments; ++s) {
        const std::int32_t low = 2 + 2 * s;
        const std::int32_t nextLow = 2 + 2 * ((s + 1) % segments);
        solid.Triangle(bottom, low, nextLow);
        solid.Triangle(top, low + 1, nextLow + 1);
        solid.Quad(low, nextLow, nextLow + 1, low + 1);
    }
    return solid.Take();
}

Mesh Join(std::initializer_list<Mesh> parts)
{
    Mesh joined;
    for (const Mesh& part : parts) {
        const auto base = static_cast<std::int32_t>(joined.vertices.size());
        joined.vertices.insert(joined.vertices.end(), part.vertices.begin(), part.vertices.end());
        for (std::size_t t = 0; t < part.triangles.size(); ++t) {
            const auto& [a, b, c] = part.triangles[t];
            joined.triangles.push_back({base + a, base + b, base + c});
            joined.triangleMaterials.push_back(
                MaterialIndex(joined, part.materials[part.triangleMaterials[t]]));
        }
    }
    return joined;
}

void Paint(Mesh& mesh, const std::function<bool(Vec3)>& where, Color color)
{
    for (std::size_t t = 0; t < mesh.triangles.size(); ++t) {
        if (where(Centroid(mesh, mesh.triangles[t])))
            mesh.triangleMaterials[t] = MaterialIndex(mesh, color);
    }
}
