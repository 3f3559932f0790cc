#include "Characters.h"

#include "Motion.h"
#include "Shapes.h"

#include <cmath>
#include <numbers>
#include <tuple>

namespace {

constexpr Color kBlack{0.05f, 0.05f, 0.05f};
constexpr Color kWhite{1.0f, 1.0f, 1.0f};
constexpr Color kRed{0.9f, 0.22f, 0.21f};
constexpr Color kYellow{0.95f, 0.8f, 0.1f};

// Axes of the frames' turns: pitch (legs swing, heads nod), yaw and roll.
constexpr Vec3 kAcross{1.0f, 0.0f, 0.0f};
constexpr Vec3 kUp{0.0f, 1.0f, 0.0f};
constexpr Vec3 kAlong{0.0f, 0.0f, 1.0f};

// Shown at 5 key times a second, a stride of four keys takes 0.8 s and shows its four poses:
// contact, passing, the other contact, passing.
constexpr int kStride = 4;
constexpr float kLegSwing = 25.0f;

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

// Four legs at (±x, hipHeight, ±z); each hangs from its hip, an ellipsoid splayed outwards by
// `splay` that reaches down to the ground.
struct LegLayout {
    float x = 0.0f, hipHeight = 0.0f, z = 0.0f, splay = 0.0f;
    Vec3 radii;
};

std::vector<Frame> Legs(const LegLayout& layout, Color color)
{
    const Vec3 radii = layout.radii;
    std::vector<Frame> legs;
    for (const auto& [name, side, end] : {std::tuple{"LegFL", -1.0f, 1.0f}, std::tuple{"LegFR", 1.0f, 1.0f},
                                          std::tuple{"LegBL", -1.0f, -1.0f}, std::tuple{"LegBR", 1.0f, -1.0f}}) {
        const Vec3 hip{side * layout.x, layout.hipHeight, end * layout.z};
        const Vec3 center{side * layout.splay, radii.y - layout.hipHeight, 0.0f};
        legs.push_back(Part(name, hip, Ellipsoid(center, radii, color, 10, 6)));
    }
    return legs;
}

// How far below its hip a leg reaches when swung by `degrees`: the lowest point of its turned
// ellipsoid, which for a long foot lies below where the sole's centre goes.
double Reach(const LegLayout& layout, float degrees)
{
    const double angle = degrees * std::numbers::pi / 180;
    const Vec3 radii = layout.radii;
    return (layout.hipHeight - radii.y) * std::cos(angle)
        + std::hypot(radii.y * std::cos(angle), radii.z * std::sin(angle));
}

Pose Turn(Vec3 axis, float degrees)
{
    Pose pose;
    pose.axis = axis;
    pose.degrees = degrees;
    return pose;
}

Pose Shift(Vec3 offset)
{
    Pose pose;
    pose.offset = offset;
    return pose;
}

// Where `time` is in a cycle of `length` key times, as an angle.
double Phase(int time, int length)
{
    return 2 * std::numbers::pi * (time % length) / length;
}

float Sine(int time, int length)
{
    return static_cast<float>(std::sin(Phase(time, length)));
}

float Cosine(int time, int length)
{
    return static_cast<float>(std::cos(Phase(time, length)));
}

float LegSwing(int time)
{
    return kLegSwing * Cosine(time, kStride);
}

// Four legs swing about their hips in diagonal pairs. The body, which carries them, dips by as
// much as a swung foot rises, so the feet stay on the ground; the head nods with every step.
std::vector<FrameMotion> Trot(const LegLayout& legs, float nod)
{
    const auto forward = [](int time) { return Turn(kAcross, LegSwing(time)); };
    const auto back = [](int time) { return Turn(kAcross, -LegSwing(time)); };
    return {
        {"LegFL", forward},
        {"LegBR", forward},
        {"LegFR", back},
        {"LegBL", back},
        {"Body",
         [legs](int time) {
             return Shift({0.0f, static_cast<float>(Reach(legs, LegSwing(time)) - legs.hipHeight), 0.0f});
         }},
        {"Head", [nod](int time) { return Turn(kAcross, nod * Cosine(2 * time, kStride)); }},
    };
}

// Standing, the character slowly looks left and right, once in 8 seconds.
std::vector<FrameMotion> LookAround()
{
    return {{"Head", [](int time) { return Turn(kUp, 10.0f * Sine(time, 40)); }}};
}

// The characters are modelled at about 20 sheet units long; they walk the sheet larger, so that
// the start camera shows them clearly.
constexpr float kCharacterScale = 2.5f;

Vec3 Scaled(Vec3 v)
{
    return {kCharacterScale * v.x, kCharacterScale * v.y, kCharacterScale * v.z};
}

void Enlarge(Frame& frame)
{
    frame.origin = Scaled(frame.origin);
    for (Vec3& vertex : frame.mesh.vertices)
        vertex = Scaled(vertex);
    for (Frame& child : frame.children)
        Enlarge(child);
}

// Turns and scale keys hold at any size; the places move with the model.
void Enlarge(AnimationSet& animation)
{
    for (FrameKeys& keys : animation.frames)
        for (Key<Vec3>& position : keys.positions)
            position.value = Scaled(position.value);
}

Character Animated(Frame model, const std::vector<FrameMotion>& walk)
{
    AnimationSet stand = SampleAnimation("Stand", model, LookAround());
    AnimationSet walking = SampleAnimation("Walk", model, walk);
    Enlarge(model);
    Enlarge(stand);
    Enlarge(walking);
    return {std::move(model), std::move(stand), std::move(walking)};
}

} // namespace

Character Turtle()
{
    // The colours of the turtle's picture in the character dialog.
    constexpr Color kGreen{0.42f, 0.75f, 0.29f};
    constexpr Color kShellBlue{0.18f, 0.44f, 0.84f};
    constexpr Color kSpotBlue{0.62f, 0.82f, 1.0f};
    constexpr LegLayout kLegs{40.0f, 30.0f, 40.0f, 6.0f, {13.0f, 15.0f, 16.0f}};

    // The shell rocks about a point inside the body, a little below its own centre.
    const Vec3 shellOrigin{0.0f, 24.0f, -4.0f};
    const Vec3 shellCenter{0.0f, 14.0f, 0.0f};
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
                           Box({0.0f, -1.0f, 20.0f}, {26.0f, 3.0f, 16.0f}, kRed),
                           Ellipsoid({0.0f, 10.0f, 0.0f}, {3.0f, 2.0f, 3.0f}, kWhite, 8, 4)}));
    Frame head = Part("Head", {0.0f, 30.0f, 64.0f},
                      Join({Ellipsoid({0.0f, 4.0f, 10.0f}, {12.0f, 11.0f, 22.0f}, kGreen),
                            Ellipsoid({0.0f, 12.0f, 34.0f}, {19.0f, 16.0f, 22.0f}, kGreen),
                            Eyes({11.0f, 18.0f, 49.0f}, 4.5f)}),
                      {std::move(cap)});

    std::vector<Frame> parts{Part("Shell", shellOrigin, std::move(shell)), std::move(head),
                             Part("Tail", {0.0f, 22.0f, -66.0f},
                                  Ellipsoid({0.0f, 0.0f, -14.0f}, {7.0f, 6.0f, 16.0f}, kGreen, 8, 6))};
    for (Frame& leg : Legs(kLegs, kGreen))
        parts.push_back(std::move(leg));
    Frame body = Part("Body", {}, Ellipsoid({0.0f, 24.0f, 0.0f}, {50.0f, 12.0f, 64.0f}, kGreen), std::move(parts));

    std::vector<FrameMotion> walk = Trot(kLegs, 4.0f);
    walk.push_back({"Shell", [](int time) { return Turn(kAlong, 3.0f * Sine(time, kStride)); }});
    walk.push_back({"Tail", [](int time) { return Turn(kUp, 12.0f * Sine(time, kStride)); }});
    return Animated(Part("Turtle", {}, {}, {std::move(body)}), walk);
}

Character Snail()
{
    constexpr Color kSkin{0.82f, 0.68f, 0.4f};
    constexpr Color kShell{0.65f, 0.33f, 0.1f};
    constexpr Color kSwirl{0.95f, 0.72f, 0.38f};
    // A snail glides rather than steps: one stretch of its foot takes 1.2 s.
    constexpr int kCrawl = 6;
    static constexpr Vec3 kShellOrigin{0.0f, 20.0f, -20.0f};
    static constexpr Vec3 kHeadOrigin{0.0f, 16.0f, 70.0f};

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
    Frame head = Part("Head", kHeadOrigin,
                      Join({Ellipsoid({0.0f, 18.0f, 14.0f}, {17.0f, 24.0f, 18.0f}, kSkin),
                            Cylinder({7.0f, 30.0f, 28.0f}, 2.5f, 30.0f, kSkin, 8),
                            Cylinder({-7.0f, 30.0f, 28.0f}, 2.5f, 30.0f, kSkin, 8),
                            Eyes({7.0f, 62.0f, 28.0f}, 5.0f)}),
                      {std::move(hat)});
    Frame model = Part("Snail", {}, {},
                       {Part("Foot", {}, Ellipsoid({0.0f, 12.0f, 0.0f}, {26.0f, 12.0f, 88.0f}, kSkin, 12, 8)),
                        Part("Shell", kShellOrigin, std::move(shell)), std::move(head)});

    // The foot grows longer and flatter and back again; head and shell ride on it, moving as the
    // point of the foot under them does, and the hat hops once a stretch.
    const auto footScale = [](int time) {
        const float stretch = Cosine(time, kCrawl);
        return Vec3{1.0f, 1.0f - 0.06f * stretch, 1.0f + 0.08f * stretch};
    };
    const auto ride = [footScale](Vec3 origin, int time) {
        const Vec3 scale = footScale(time);
        return Vec3{0.0f, origin.y * (scale.y - 1.0f), origin.z * (scale.z - 1.0f)};
    };
    const std::vector<FrameMotion> crawl{
        {"Foot",
         [footScale](int time) {
             Pose pose;
             pose.scale = footScale(time);
             return pose;
         }},
        {"Shell",
         [ride](int time) {
             Pose pose = Turn(kAcross, 2.0f * Cosine(time, kCrawl));
             pose.offset = ride(kShellOrigin, time);
             return pose;
         }},
        {"Head", [ride](int time) { return Shift(ride(kHeadOrigin, time)); }},
        {"Hat", [](int time) { return Shift({0.0f, 1.5f * (1.0f - Cosine(time, kCrawl)), 0.0f}); }},
    };
    return Animated(std::move(model), crawl);
}

Character Lizard()
{
    constexpr Color kLime{0.5f, 0.78f, 0.12f};
    constexpr Color kCapBlue{0.2f, 0.45f, 0.95f};
    constexpr LegLayout kLegs{18.0f, 24.0f, 32.0f, 10.0f, {8.0f, 12.0f, 8.0f}};
    // Two blades look alike every half turn: an eighth of a turn per key time shows four
    // different positions, each a small step on from the last, so the propeller turns one way.
    constexpr float kPropellerStep = 45.0f;

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

    std::vector<Frame> parts{std::move(head),
                             Part("Tail", {0.0f, 24.0f, -52.0f},
                                  Ellipsoid({0.0f, -2.0f, -40.0f}, {9.0f, 7.0f, 44.0f}, kLime, 10, 6))};
    for (Frame& leg : Legs(kLegs, kLime))
        parts.push_back(std::move(leg));
    Frame body = Part("Body", {}, Ellipsoid({0.0f, 26.0f, 0.0f}, {22.0f, 14.0f, 58.0f}, kLime), std::move(parts));

    std::vector<FrameMotion> walk = Trot(kLegs, 3.0f);
    walk.push_back({"Tail", [](int time) { return Turn(kUp, 15.0f * Sine(time, kStride)); }});
    walk.push_back({"Propeller", [](int time) { return Turn(kUp, kPropellerStep * static_cast<float>(time)); }});
    return Animated(Part("Lizard", {}, {}, {std::move(body)}), walk);
}
