#include "Characters.h"

#include "Shapes.h"

#include <cmath>
#include <numbers>
#include <tuple>

namespace {

constexpr Color kBlack{0.05f, 0.05f, 0.05f};
constexpr Color kRed{0.85f, 0.1f, 0.1f};
constexpr Color kYellow{0.95f, 0.8f, 0.1f};

Frame Part(std::string name, Vec3 origin, Mesh mesh, std::vector<Frame> children = {})
{
    return {std::move(name), origin, std::move(mesh), std::move(children)};
}

// A pair of round black eyes, mirrored on x.
Mesh Eyes(Vec3 right, float radius)
{
    const Vec3 radii{radius, radius, radius};
    return Join({Ellipsoid(right, radii, kBlack, 8, 6),
                 Ellipsoid({-right.x, right.y, right.z}, radii, kBlack, 8, 6)});
}

// The legs stand at (±x, hipY, ±z); each mesh hangs from its hip, splayed outwards by `splay`,
// and reaches down to the ground.
std::vector<Frame> Legs(float x, float hipY, float z, float splay, Vec3 radii, Color color)
{
    std::vector<Frame> legs;
    for (const auto& [name, side, end] : {std::tuple{"LegFL", -1.0f, 1.0f}, std::tuple{"LegFR", 1.0f, 1.0f},
                                          std::tuple{"LegBL", -1.0f, -1.0f}, std::tuple{"LegBR", 1.0f, -1.0f}}) {
        const Vec3 hip{side * x, hipY, end * z};
        legs.push_back(Part(name, hip, Ellipsoid({side * splay, radii.y - hipY, 0.0f}, radii, color, 10, 6)));
    }
    return legs;
}

} // namespace

Frame Turtle()
{
    constexpr Color kGreen{0.25f, 0.62f, 0.2f};
    constexpr Color kShellBlue{0.15f, 0.3f, 0.85f};
    constexpr Color kSpotBlue{0.55f, 0.75f, 1.0f};

    const Vec3 shellCenter{0.0f, 38.0f, -4.0f};
    const Vec3 shellRadii{58.0f, 28.0f, 74.0f};
    constexpr int kShellSegments = 24;
    constexpr int kShellRings = 14;
    Mesh shell = Ellipsoid(shellCenter, shellRadii, kShellBlue, kShellSegments, kShellRings);
    // Spots are whole cells of the shell's grid, so their edges follow the mesh: a disc on top and
    // two staggered rings of four 2 x 2 cells each around the dome.
    Paint(shell, [&](Vec3 p) {
        const double x = (p.x - shellCenter.x) / shellRadii.x;
        const double y = (p.y - shellCenter.y) / shellRadii.y;
        const double z = (p.z - shellCenter.z) / shellRadii.z;
        const double polar = std::atan2(std::hypot(x, z), y);
        const double azimuth = std::atan2(x, z) + std::numbers::pi;
        const int ring = static_cast<int>(polar / (std::numbers::pi / kShellRings));
        const int segment = static_cast<int>(azimuth / (2 * std::numbers::pi / kShellSegments));
        const int ringPair = (ring - 3) / 2;
        return ring < 2 || (ring >= 3 && ring < 7 && (segment + 3 * ringPair) % 6 / 2 == 0);
    }, kSpotBlue);

    Frame cap = Part("Cap", {0.0f, 26.0f, 34.0f},
                     Join({Ellipsoid({0.0f, 0.0f, 0.0f}, {19.0f, 10.0f, 21.0f}, kRed),
                           Box({0.0f, -1.0f, 20.0f}, {26.0f, 3.0f, 16.0f}, kRed)}));
    Frame head = Part("Head", {0.0f, 30.0f, 64.0f},
                      Join({Ellipsoid({0.0f, 4.0f, 10.0f}, {12.0f, 11.0f, 22.0f}, kGreen),
                            Ellipsoid({0.0f, 12.0f, 34.0f}, {19.0f, 16.0f, 22.0f}, kGreen),
                            Eyes({11.0f, 18.0f, 49.0f}, 4.5f)}),
                      {std::move(cap)});

    std::vector<Frame> parts{Part("Body", {}, Ellipsoid({0.0f, 24.0f, 0.0f}, {50.0f, 12.0f, 64.0f}, kGreen)),
                             Part("Shell", {}, std::move(shell)), std::move(head),
                             Part("Tail", {0.0f, 22.0f, -66.0f},
                                  Ellipsoid({0.0f, 0.0f, -14.0f}, {7.0f, 6.0f, 16.0f}, kGreen, 8, 6))};
    for (Frame& leg : Legs(40.0f, 30.0f, 40.0f, 6.0f, {13.0f, 15.0f, 16.0f}, kGreen))
        parts.push_back(std::move(leg));
    return Part("Turtle", {}, {}, std::move(parts));
}

Frame Snail()
{
    constexpr Color kSkin{0.82f, 0.68f, 0.4f};
    constexpr Color kShell{0.65f, 0.33f, 0.1f};
    constexpr Color kSwirl{0.95f, 0.72f, 0.38f};

    // The spiral shows as a light disc with a dark centre on both sides of the shell.
    Mesh shell = Ellipsoid({0.0f, 45.0f, 0.0f}, {26.0f, 48.0f, 50.0f}, kShell, 16, 10);
    for (float side : {-1.0f, 1.0f}) {
        shell = Join({std::move(shell), Ellipsoid({side * 21.0f, 45.0f, -4.0f}, {8.0f, 30.0f, 32.0f}, kSwirl),
                      Ellipsoid({side * 27.0f, 50.0f, -8.0f}, {4.0f, 14.0f, 15.0f}, kShell)});
    }

    Frame hat = Part("Hat", {0.0f, 38.0f, 4.0f},
                     Join({Cylinder({0.0f, 0.0f, 0.0f}, 18.0f, 3.0f, kBlack),
                           Cylinder({0.0f, 3.0f, 0.0f}, 13.0f, 30.0f, kBlack),
                           Cylinder({0.0f, 5.0f, 0.0f}, 13.6f, 6.0f, kRed)}));
    Frame head = Part("Head", {0.0f, 16.0f, 70.0f},
                      Join({Ellipsoid({0.0f, 18.0f, 14.0f}, {17.0f, 24.0f, 18.0f}, kSkin),
                            Cylinder({7.0f, 30.0f, 28.0f}, 2.5f, 30.0f, kSkin, 8),
                            Cylinder({-7.0f, 30.0f, 28.0f}, 2.5f, 30.0f, kSkin, 8),
                            Eyes({7.0f, 62.0f, 28.0f}, 5.0f)}),
                      {std::move(hat)});

    return Part("Snail", {}, {},
                {Part("Foot", {}, Ellipsoid({0.0f, 12.0f, 0.0f}, {26.0f, 12.0f, 88.0f}, kSkin, 12, 8)),
                 Part("Shell", {0.0f, 20.0f, -20.0f}, std::move(shell)), std::move(head)});
}

Frame Lizard()
{
    constexpr Color kLime{0.5f, 0.78f, 0.12f};
    constexpr Color kCapBlue{0.2f, 0.45f, 0.95f};

    // The cap is sewn from four panels, blue and yellow in turn.
    Mesh capDome = Ellipsoid({0.0f, 0.0f, 0.0f}, {15.0f, 8.0f, 17.0f}, kCapBlue);
    Paint(capDome, [](Vec3 p) { return (p.x > 0) == (p.z > 0); }, kYellow);
    Frame propeller = Part("Propeller", {0.0f, 14.0f, 0.0f},
                           Join({Box({11.0f, 0.0f, 0.0f}, {20.0f, 1.5f, 5.0f}, kRed),
                                 Box({-11.0f, 0.0f, 0.0f}, {20.0f, 1.5f, 5.0f}, kRed),
                                 Ellipsoid({0.0f, 0.0f, 0.0f}, {2.5f, 2.5f, 2.5f}, kYellow, 8, 6)}));
    Frame cap = Part("Cap", {0.0f, 14.0f, 22.0f},
                     Join({std::move(capDome), Cylinder({0.0f, 6.0f, 0.0f}, 1.5f, 8.0f, kYellow, 8)}),
                     {std::move(propeller)});
    Frame head = Part("Head", {0.0f, 30.0f, 50.0f},
                      Join({Ellipsoid({0.0f, 4.0f, 26.0f}, {16.0f, 12.0f, 28.0f}, kLime),
                            Eyes({11.0f, 10.0f, 38.0f}, 4.5f)}),
                      {std::move(cap)});

    std::vector<Frame> parts{Part("Body", {}, Ellipsoid({0.0f, 26.0f, 0.0f}, {22.0f, 14.0f, 58.0f}, kLime)),
                             std::move(head),
                             Part("Tail", {0.0f, 24.0f, -52.0f},
                                  Ellipsoid({0.0f, -2.0f, -40.0f}, {9.0f, 7.0f, 44.0f}, kLime, 10, 6))};
    for (Frame& leg : Legs(18.0f, 24.0f, 32.0f, 10.0f, {8.0f, 12.0f, 8.0f}, kLime))
        parts.push_back(std::move(leg));
    return Part("Lizard", {}, {}, std::move(parts));
}
