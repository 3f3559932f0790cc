#include "Floor.h"

#include <array>
#include <utility>

namespace {

constexpr int kSide = 256;
constexpr int kPaletteEntries = 256;
constexpr int kFileHeaderBytes = 14;
constexpr int kInfoHeaderBytes = 40;
constexpr int kPixelsAt = kFileHeaderBytes + kInfoHeaderBytes + 4 * kPaletteEntries;
constexpr std::uint8_t kWhite = 15;
constexpr float kSceneUnitsPerSheetUnit = 10.0f;
// The turtle point of the sheet's top left corner.
constexpr float kSheetLeft = -127.0f;
constexpr float kSheetTop = 127.0f;

struct Rgb {
    std::uint8_t red, green, blue;
};

// The sheet palette's first entries, in palette order.
constexpr std::array<Rgb, 16> kSheetColors{{
    {0, 0, 0},     {128, 0, 0},     {0, 128, 0},     {128, 128, 0}, // black, maroon, green, olive
    {0, 0, 128},   {128, 0, 128},   {0, 128, 128},   {192, 192, 192}, // navy, purple, teal, silver
    {128, 128, 128}, {255, 0, 0},   {0, 255, 0},     {255, 255, 0}, // grey, red, lime, yellow
    {0, 0, 255},   {255, 0, 255},   {0, 255, 255},   {255, 255, 255}, // blue, fuchsia, aqua, white
}};

void Put(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// The sheet lies on a wooden board: a rim around it, flush with it, and the board's edges going
// down, so that a child sees where the turtle will stop.
constexpr float kBorderWidth = 120.0f;
constexpr float kBoardThickness = 60.0f;
constexpr Color kWoodTop{0.78f, 0.55f, 0.3f};
constexpr Color kWoodEdge{0.55f, 0.35f, 0.17f};

// A four-cornered face, its corners clockwise as seen from its front.
void AddQuad(Mesh& mesh, const std::array<Vec3, 4>& corners, std::int32_t material)
{
    const auto first = static_cast<std::int32_t>(mesh.vertices.size());
    mesh.vertices.insert(mesh.vertices.end(), corners.begin(), corners.end());
    mesh.triangles.push_back({first, first + 1, first + 2});
    mesh.triangles.push_back({first, first + 2, first + 3});
    mesh.triangleMaterials.insert(mesh.triangleMaterials.end(), {material, material});
}

Frame FloorBorder()
{
    // The sheet's edges in scene units; the board reaches kBorderWidth beyond them.
    const float left = kSceneUnitsPerSheetUnit * kSheetLeft;
    const float right = left + kSceneUnitsPerSheetUnit * kSide;
    const float top = kSceneUnitsPerSheetUnit * kSheetTop;
    const float bottom = top - kSceneUnitsPerSheetUnit * kSide;
    const float outerLeft = left - kBorderWidth, outerRight = right + kBorderWidth;
    const float outerTop = top + kBorderWidth, outerBottom = bottom - kBorderWidth;
    const float low = -kBoardThickness;

    Mesh mesh;
    mesh.materials = {kWoodTop, kWoodEdge};
    // The rim, seen from above with +x to the right and +z up.
    AddQuad(mesh, {{{outerLeft, 0, outerTop}, {outerRight, 0, outerTop}, {outerRight, 0, top}, {outerLeft, 0, top}}}, 0);
    AddQuad(mesh, {{{outerLeft, 0, bottom}, {outerRight, 0, bottom}, {outerRight, 0, outerBottom},
                    {outerLeft, 0, outerBottom}}}, 0);
    AddQuad(mesh, {{{outerLeft, 0, top}, {left, 0, top}, {left, 0, bottom}, {outerLeft, 0, bottom}}}, 0);
    AddQuad(mesh, {{{right, 0, top}, {outerRight, 0, top}, {outerRight, 0, bottom}, {right, 0, bottom}}}, 0);
    // The board's four edges, each seen from outside.
    AddQuad(mesh, {{{outerLeft, 0, outerBottom}, {outerRight, 0, outerBottom}, {outerRight, low, outerBottom},
                    {outerLeft, low, outerBottom}}}, 1);
    AddQuad(mesh, {{{outerRight, 0, outerTop}, {outerLeft, 0, outerTop}, {outerLeft, low, outerTop},
                    {outerRight, low, outerTop}}}, 1);
    AddQuad(mesh, {{{outerLeft, 0, outerTop}, {outerLeft, 0, outerBottom}, {outerLeft, low, outerBottom},
                    {outerLeft, low, outerTop}}}, 1);
    AddQuad(mesh, {{{outerRight, 0, outerBottom}, {outerRight, 0, outerTop}, {outerRight, low, outerTop},
                    {outerRight, low, outerBottom}}}, 1);
    return {"Border", {}, std::move(mesh), {}};
}

} // namespace

std::vector<std::uint8_t> FloorBitmap()
{
    constexpr std::uint32_t kPixelBytes = kSide * kSide;
    std::vector<std::uint8_t> out{'B', 'M'};
    Put(out, kPixelsAt + kPixelBytes, 4);
    Put(out, 0, 4); // reserved
    Put(out, kPixelsAt, 4);

    Put(out, kInfoHeaderBytes, 4);
    Put(out, kSide, 4); // width
    Put(out, kSide, 4); // height: positive, so the rows are stored bottom row first
    Put(out, 1, 2);     // planes
    Put(out, 8, 2);     // bits per pixel
    Put(out, 0, 4);     // uncompressed
    Put(out, kPixelBytes, 4);
    Put(out, 2835, 4); // 72 dpi, in pixels per metre
    Put(out, 2835, 4);
    Put(out, kPaletteEntries, 4);
    Put(out, 0, 4); // all colours important

    for (int i = 0; i < kPaletteEntries; ++i) {
        const Rgb color = i < static_cast<int>(kSheetColors.size()) ? kSheetColors[i] : Rgb{0, 0, 0};
        out.insert(out.end(), {color.blue, color.green, color.red, 0});
    }
    out.resize(out.size() + kPixelBytes, kWhite);
    return out;
}

Frame FloorModel()
{
    // Texel column c spans X in [c − 127, c − 126), texel row r spans Y in (126 − r, 127 − r]:
    // the texture's top left corner is the turtle point (−127, 127), one texel per sheet unit.
    // Because u and v are the same affine function of the position at every vertex, they are
    // so everywhere on the square.
    Mesh mesh;
    for (const auto& [u, v] : {std::array{0.0f, 0.0f}, {1.0f, 0.0f}, {1.0f, 1.0f}, {0.0f, 1.0f}}) {
        const float x = kSheetLeft + u * kSide;
        const float y = kSheetTop - v * kSide;
        mesh.vertices.push_back({kSceneUnitsPerSheetUnit * x, 0.0f, kSceneUnitsPerSheetUnit * y});
        mesh.textureCoords.push_back({u, v});
    }
    // Seen from above (+x right, +z up), top left → top right → bottom right is clockwise: the
    // front of both triangles faces +y.
    mesh.triangles = {{0, 1, 2}, {0, 2, 3}};
    mesh.triangleMaterials = {0, 0};
    mesh.materials = {Color{1.0f, 1.0f, 1.0f}};
    mesh.textureFile = kFloorTextureName;
    return {"Floor", {}, std::move(mesh), {FloorBorder()}};
}
