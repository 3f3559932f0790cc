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
    return {"Floor", {}, std::move(mesh), {}};
}
