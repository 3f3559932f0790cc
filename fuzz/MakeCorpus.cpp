// qel_fuzz_corpus FOLDER: writes the fuzz targets' seeds into FOLDER/<target>/, replacing what
// was there: a few small valid files made as the asset generator makes ours, and broken ones made
// from them, cut short, claiming more than they hold, with counts, offsets and indices out of
// range.

#include "JoinFileWriter.h"
#include "Model.h"
#include "Shapes.h"
#include "TexturePackWriter.h"
#include "XFileWriter.h"

#include <zlib.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <fstream>
#include <limits>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;
namespace fs = std::filesystem;

constexpr std::uint32_t kHuge = std::numeric_limits<std::int32_t>::max();

Bytes Text(const std::string& text)
{
    return {text.begin(), text.end()};
}

// The bytes of a literal that may hold NULs, without its terminating one.
template <std::size_t N>
Bytes Raw(const char (&literal)[N])
{
    return {literal, literal + N - 1};
}

void Put(Bytes& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// `bytes` with the little-endian number at `at` replaced.
Bytes Patched(Bytes bytes, std::size_t at, std::uint32_t value, int width = 4)
{
    for (int i = 0; i < width; ++i)
        bytes.at(at + i) = static_cast<std::uint8_t>(value >> (8 * i));
    return bytes;
}

Bytes Cut(const Bytes& bytes, std::size_t length)
{
    return {bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(std::min(length, bytes.size()))};
}

// One target's seed folder, emptied first so that a seed the generator no longer makes goes.
class Seeds {
public:
    Seeds(const fs::path& corpus, const std::string& target) : folder_(corpus / target)
    {
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }

    void Add(const std::string& name, const Bytes& bytes)
    {
        std::ofstream file(folder_ / name, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        if (!file.flush())
            throw std::runtime_error("cannot write " + (folder_ / name).string());
    }

private:
    fs::path folder_;
};

// Bitmaps. Offsets of the headers' fields in the file.
constexpr std::size_t kPixelsAtField = 10;
constexpr std::size_t kHeaderSizeField = 14;
constexpr std::size_t kWidthField = 18;
constexpr std::size_t kHeightField = 22;
constexpr std::size_t kBitCountField = 28;
constexpr std::size_t kImageBytesField = 34;

constexpr std::uint32_t kRle8 = 1;
constexpr std::uint32_t kRle4 = 2;
constexpr std::uint32_t kBitFields = 3;

void PutPalette(Bytes& out, std::uint32_t entries, bool core)
{
    for (std::uint32_t i = 0; i < entries; ++i) {
        out.push_back(static_cast<std::uint8_t>(i * 37));  // blue
        out.push_back(static_cast<std::uint8_t>(i * 91));  // green
        out.push_back(static_cast<std::uint8_t>(255 - i)); // red
        if (!core)
            out.push_back(0);
    }
}

// The file header and an info header (40 bytes) for `pixelBytes` bytes of pixels after `extra`
// bytes of masks or palette.
Bytes InfoHeaders(std::int32_t width, std::int32_t height, std::uint32_t bits, std::uint32_t compression,
                  std::uint32_t extra, std::uint32_t colorsUsed, std::uint32_t pixelBytes)
{
    const std::uint32_t pixelsAt = 14 + 40 + extra;
    Bytes out{'B', 'M'};
    Put(out, pixelsAt + pixelBytes, 4);
    Put(out, 0, 4);
    Put(out, pixelsAt, 4);
    Put(out, 40, 4);
    Put(out, static_cast<std::uint32_t>(width), 4);
    Put(out, static_cast<std::uint32_t>(height), 4);
    Put(out, 1, 2);
    Put(out, bits, 2);
    Put(out, compression, 4);
    Put(out, pixelBytes, 4);
    Put(out, 2835, 4); // 72 dpi
    Put(out, 2835, 4);
    Put(out, colorsUsed, 4);
    Put(out, 0, 4);
    return out;
}

void PutPixels(Bytes& out, std::uint32_t rowBytes, std::uint32_t rows)
{
    for (std::uint32_t row = 0; row < rows; ++row)
        for (std::uint32_t i = 0; i < rowBytes; ++i)
            out.push_back(static_cast<std::uint8_t>(row * 31 + i * 7));
}

// An uncompressed bitmap; a negative height stores the rows top first. `core` writes the old
// 12-byte header with 3-byte palette entries.
Bytes Bitmap(std::int32_t width, std::int32_t height, std::uint32_t bits, bool core = false)
{
    const auto rows = static_cast<std::uint32_t>(std::abs(height));
    const std::uint32_t rowBytes = (static_cast<std::uint32_t>(width) * bits + 31) / 32 * 4;
    const std::uint32_t colors = bits <= 8 ? 1u << bits : 0;
    Bytes out;
    if (core) {
        const std::uint32_t pixelsAt = 14 + 12 + 3 * colors;
        out = {'B', 'M'};
        Put(out, pixelsAt + rowBytes * rows, 4);
        Put(out, 0, 4);
        Put(out, pixelsAt, 4);
        Put(out, 12, 4);
        Put(out, static_cast<std::uint32_t>(width), 2);
        Put(out, rows, 2);
        Put(out, 1, 2);
        Put(out, bits, 2);
    } else {
        out = InfoHeaders(width, height, bits, 0, 4 * colors, colors, rowBytes * rows);
    }
    PutPalette(out, colors, core);
    PutPixels(out, rowBytes, rows);
    return out;
}

// A page as the program saves it: 8 bits, bottom row first, the page palette (the sixteen sheet
// colours, then black) and indices below sixteen.
Bytes OwnPage()
{
    constexpr std::uint32_t kSheetColours[16] = {
        0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
        0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
    };
    Bytes out = InfoHeaders(256, 256, 8, 0, 4 * 256, 256, 256 * 256);
    for (std::uint32_t i = 0; i < 256; ++i)
        Put(out, i < 16 ? kSheetColours[i] : 0, 4); // blue, green, red, 0
    for (std::uint32_t i = 0; i < 256 * 256; ++i)
        out.push_back(static_cast<std::uint8_t>((i / 256 * 31 + i * 7) % 16));
    return out;
}

// A 16- or 32-bit bitmap whose channels the three masks after the header pick.
Bytes BitFieldsBitmap(std::int32_t width, std::int32_t height, std::uint32_t bits,
                      std::uint32_t red, std::uint32_t green, std::uint32_t blue)
{
    const std::uint32_t rowBytes = (static_cast<std::uint32_t>(width) * bits + 31) / 32 * 4;
    const auto rows = static_cast<std::uint32_t>(std::abs(height));
    Bytes out = InfoHeaders(width, height, bits, kBitFields, 12, 0, rowBytes * rows);
    Put(out, red, 4);
    Put(out, green, 4);
    Put(out, blue, 4);
    PutPixels(out, rowBytes, rows);
    return out;
}

// A run-length bitmap (8 or 4 bits) with four colours and the runs given.
Bytes RunLengthBitmap(std::uint32_t bits, std::int32_t width, std::int32_t height, const Bytes& runs)
{
    Bytes out = InfoHeaders(width, height, bits, bits == 8 ? kRle8 : kRle4, 16, 4, static_cast<std::uint32_t>(runs.size()));
    PutPalette(out, 4, false);
    out.insert(out.end(), runs.begin(), runs.end());
    return out;
}

Bytes Rle8Bitmap(std::int32_t width, std::int32_t height, const Bytes& runs)
{
    return RunLengthBitmap(8, width, height, runs);
}

// The runs of a whole page: in each of the 250 bottom rows 200 pixels of colour 1 (RLE4: 1 and
// 2 in turn), 53 of colour 2 (RLE4: 3) and the literal 1, 2, 3; then a jump over the top six
// rows, which keep colour 0, and the end mark. Without the end mark when `cut`.
Bytes PageRuns(std::uint32_t bits, bool cut = false)
{
    Bytes runs;
    for (int row = 0; row < 250; ++row) {
        if (bits == 8)
            runs.insert(runs.end(), {200, 1, 53, 2, 0, 3, 1, 2, 3, 0, 0, 0});
        else
            runs.insert(runs.end(), {200, 0x12, 53, 0x33, 0, 3, 0x12, 0x30, 0, 0});
    }
    runs.insert(runs.end(), {0, 2, 0, 6});
    if (!cut)
        runs.insert(runs.end(), {0, 1});
    return runs;
}

void BackgroundSeeds(const fs::path& corpus)
{
    Seeds seeds(corpus, "fuzz_background");
    const Bytes rgb = Bitmap(5, 3, 24);
    seeds.Add("valid-1bit.bmp", Bitmap(9, 4, 1));
    seeds.Add("valid-4bit.bmp", Bitmap(5, 3, 4));
    seeds.Add("valid-8bit.bmp", Bitmap(4, 4, 8));
    seeds.Add("valid-8bit-top-down.bmp", Bitmap(4, -4, 8));
    seeds.Add("valid-24bit.bmp", rgb);
    seeds.Add("valid-core-header.bmp", Bitmap(3, 2, 8, true));
    seeds.Add("valid-16bit-565.bmp", BitFieldsBitmap(3, 3, 16, 0xF800, 0x07E0, 0x001F));
    seeds.Add("valid-32bit-fields.bmp", BitFieldsBitmap(2, 2, 32, 0xFF0000, 0xFF00, 0xFF));
    // Wider, then taller, than the sheet: only the middle is placed.
    seeds.Add("valid-wide.bmp", Bitmap(300, 2, 4));
    seeds.Add("valid-tall.bmp", Bitmap(2, 300, 1));
    // Runs of 4 × colour 1 and 2 × colour 2 + a literal 3, 0; end of line; end of picture.
    seeds.Add("valid-rle8.bmp", Rle8Bitmap(4, 2, {4, 1, 0, 0, 2, 2, 0, 2, 3, 0, 0, 0, 0, 1}));

    seeds.Add("broken-file-header-only.bmp", Cut(rgb, 14));
    seeds.Add("broken-pixels-cut.bmp", Cut(rgb, rgb.size() - 4));
    seeds.Add("broken-not-bm.bmp", Patched(rgb, 0, 'X', 1));
    seeds.Add("broken-width-huge.bmp", Patched(rgb, kWidthField, kHuge));
    seeds.Add("broken-height-most-negative.bmp", Patched(rgb, kHeightField, 0x80000000u));
    seeds.Add("broken-header-size-huge.bmp", Patched(rgb, kHeaderSizeField, 0xFFFFFFF0u));
    seeds.Add("broken-header-size-odd.bmp", Patched(rgb, kHeaderSizeField, 20));
    seeds.Add("broken-pixels-past-end.bmp", Patched(rgb, kPixelsAtField, 0xFFFFFF00u));
    seeds.Add("broken-no-bits.bmp", Patched(rgb, kBitCountField, 0, 2));
    seeds.Add("broken-33-bits.bmp", Patched(rgb, kBitCountField, 33, 2));
    seeds.Add("broken-7-bits.bmp", Patched(rgb, kBitCountField, 7, 2));
    // Runs that go on past the picture's right edge and last row, with no end mark.
    seeds.Add("broken-rle8-runs-past-picture.bmp", Rle8Bitmap(2, 2, {255, 1, 255, 2, 0, 2, 200, 200, 9, 3}));
    const Bytes rle = Rle8Bitmap(4, 2, {4, 1, 0, 0, 2, 2, 0, 2, 3, 0, 0, 0, 0, 1});
    seeds.Add("broken-rle8-length-huge.bmp", Patched(rle, kImageBytesField, kHuge));
    seeds.Add("broken-rle8-picture-huge.bmp", Patched(Patched(rle, kWidthField, 20000), kHeightField, 20000));
}

// The texture pack's layout.
constexpr std::size_t kPackTableAt = 4;
constexpr std::size_t kPackEntryBytes = TexturePackWriter::kNameSize + 4;

std::size_t PackNameAt(std::size_t row) { return kPackTableAt + kPackEntryBytes * row; }
std::size_t PackOffsetAt(std::size_t row) { return PackNameAt(row) + TexturePackWriter::kNameSize; }

void TexturePackSeeds(const fs::path& corpus)
{
    Seeds seeds(corpus, "fuzz_texture_pack");
    // Every texture fills a slot of 65 KiB, so only these two seeds hold whole textures.
    TexturePackWriter two;
    two.Add("a.bmp", Bitmap(3, 2, 24));
    two.Add("floor.bmp", Bitmap(4, 4, 8));
    const Bytes pack = two.Bytes();
    seeds.Add("valid-two-textures.mte", pack);
    TexturePackWriter wide;
    wide.Add("floor.bmp", Bitmap(5000, 1, 1)); // wider than any texture may be
    seeds.Add("broken-texture-too-wide.mte", wide.Bytes());

    seeds.Add("valid-empty.mte", TexturePackWriter().Bytes());
    const Bytes head = Cut(pack, PackNameAt(2) + 200); // the table and the start of a slot
    seeds.Add("broken-slot-cut.mte", head);
    seeds.Add("broken-count-cut.mte", Cut(pack, 3));
    seeds.Add("broken-count-negative.mte", Patched(head, 0, 0xFFFFFFFFu));
    seeds.Add("broken-count-huge.mte", Patched(head, 0, kHuge));
    seeds.Add("broken-count-past-table.mte", Patched(head, 0, 100));
    seeds.Add("broken-offset-past-end.mte", Patched(head, PackOffsetAt(1), 0xFFFFFFF0u));
    seeds.Add("broken-offset-into-table.mte", Patched(head, PackOffsetAt(1), 2));
    Bytes unterminated = head;
    for (std::size_t i = 0; i < TexturePackWriter::kNameSize; ++i)
        unterminated[PackNameAt(1) + i] = 'f';
    seeds.Add("broken-name-unterminated.mte", unterminated);
    // The table out of order: "floor.bmp" before "a.bmp".
    Bytes unsorted = head;
    std::swap_ranges(unsorted.begin() + static_cast<std::ptrdiff_t>(PackNameAt(0)),
                     unsorted.begin() + static_cast<std::ptrdiff_t>(PackNameAt(1)),
                     unsorted.begin() + static_cast<std::ptrdiff_t>(PackNameAt(1)));
    seeds.Add("broken-table-unsorted.mte", unsorted);
}

// Models.

Frame BoxModel()
{
    return {"Box", {}, Box({0, 5, 0}, {10, 10, 10}, {0.8f, 0.2f, 0.2f}), {}};
}

// A square textured with `texture` from the program's texture pack.
Frame TexturedModel(const std::string& texture)
{
    Mesh quad;
    quad.vertices = {{-5, 0, 5}, {5, 0, 5}, {5, 0, -5}, {-5, 0, -5}};
    quad.triangles = {{0, 1, 2}, {0, 2, 3}};
    quad.triangleMaterials = {0, 0};
    quad.materials = {{1, 1, 1}};
    quad.textureFile = texture;
    quad.textureCoords = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    return {"Floor", {}, quad, {}};
}

// A body with a leg that swings once over the key times.
std::pair<Frame, AnimationSet> AnimatedModel()
{
    Frame leg{"Leg", {0, -2, 0}, Box({0, -3, 0}, {2, 6, 2}, {0.1f, 0.6f, 0.1f}), {}};
    Frame body{"Body", {0, 8, 0}, Box({}, {8, 4, 12}, {0.2f, 0.7f, 0.2f}), {leg}};
    FrameKeys swing{"Leg",
                    {{0, {1, 0, 0, 0}}, {600, {0.7071f, 0.7071f, 0, 0}}, {1200, {1, 0, 0, 0}}},
                    {{0, {1, 1, 1}}, {1200, {1, 1.5f, 1}}},
                    {{0, {0, -2, 0}}, {1200, {0, -2, 0}}}};
    return {body, {"Walk", {swing}}};
}

constexpr char kHeader[] = "xof 0302txt 0032\n";

// Two top-level frames, a mesh outside them, a material named once and referred to, normals,
// a four-cornered face.
constexpr char kFramesAndReferences[] = R"(
Material Red { 1.0;0.0;0.0;1.0;; 0.0; 0.0;0.0;0.0;; 0.0;0.0;0.0;; }
Frame A {
  FrameTransformMatrix { 1.0,0.0,0.0,0.0, 0.0,1.0,0.0,0.0, 0.0,0.0,1.0,0.0, 5.0,0.0,0.0,1.0;; }
  Mesh { 4; 0;0;0;, 1;0;0;, 1;1;0;, 0;1;0;; 1; 4;0,1,2,3;;
    MeshNormals { 1; 0;0;1;; 1; 4;0,0,0,0;; }
    MeshMaterialList { 1; 1; 0;; { Red } }
  }
}
Frame B { Frame C { } }
Mesh Loose { 3; 0;0;0;, 1;0;0;, 0;1;0;; 1; 3;0,1,2;; }
)";

// Texture coordinates, vertex colours and a texture named in capitals, in a 64-bit file.
constexpr char kCoordinatesAndColours[] = R"(xof 0302txt 0064
Frame Root {
  Mesh Tri { 3; 0;0;0;, 1;0;0;, 0;1;0;; 1; 3;0,1,2;;
    MeshTextureCoords { 3; 0;0;, 1;0;, 0;1;; }
    MeshVertexColors { 3; 0;1;0;0;1;;, 1;0;1;0;1;;, 2;0;0;1;1;;; }
    MeshMaterialList { 1; 1; 0;; Material { 1;1;1;1;; 5; 1;1;1;; 0;0;0;; TextureFilename { "FLOOR.BMP"; } } }
  }
}
)";

// A frame holding a mesh of the three vertices given, then `rest`: the faces and what follows them.
std::string Triangle(const std::string& rest, const std::string& vertices = "0;0;0;, 1;0;0;, 0;1;0;;")
{
    return std::string(kHeader) + "Frame T { Mesh { 3; " + vertices + " " + rest + " } }\n";
}

void XFileSeeds(const fs::path& corpus)
{
    Seeds seeds(corpus, "fuzz_xfile");
    const auto [animated, walk] = AnimatedModel();
    const std::string textured = XFileText(TexturedModel("floor.bmp"));
    seeds.Add("valid-box.x", Text(XFileText(BoxModel())));
    seeds.Add("valid-textured.x", Text(textured));
    seeds.Add("valid-animated.x", Text(XFileText(animated, walk)));
    seeds.Add("valid-frames-and-references.x", Text(kHeader + std::string(kFramesAndReferences)));
    seeds.Add("valid-coordinates-and-colours.x", Text(kCoordinatesAndColours));

    seeds.Add("broken-empty.x", {});
    seeds.Add("broken-header-only.x", Text(kHeader));
    seeds.Add("broken-cut.x", Cut(Text(textured), textured.size() / 2));
    seeds.Add("broken-binary.x", Raw("xof 0302bin 0032\x01\x00\x04\x00Mesh"));
    seeds.Add("broken-compressed.x", Raw("xof 0302tzip0032\x10\x00\x00\x00"));
    seeds.Add("broken-texture-missing.x", Text(XFileText(TexturedModel("nosuch.bmp"))));
    seeds.Add("broken-vertices-huge.x", Text(std::string(kHeader) + "Mesh { 4000000000; 0;0;0;; }\n"));
    seeds.Add("broken-vertices-negative.x", Text(std::string(kHeader) + "Mesh { -1; 0;0;0;; }\n"));
    seeds.Add("broken-index-past-vertices.x", Text(Triangle("1; 3;0,1,7;;")));
    seeds.Add("broken-face-without-corners.x", Text(Triangle("1; 0;;")));
    seeds.Add("broken-faces-more-than-given.x", Text(Triangle("9; 3;0,1,2;;")));
    seeds.Add("broken-material-past-list.x",
              Text(Triangle("1; 3;0,1,2;; MeshMaterialList { 1; 1; 5;; Material { 1;1;1;1;; 0; 0;0;0;; 0;0;0;; } }")));
    seeds.Add("broken-material-reference-unknown.x",
              Text(Triangle("1; 3;0,1,2;; MeshMaterialList { 1; 1; 0;; { Nowhere } }")));
    seeds.Add("broken-nan.x", Text(Triangle("1; 3;0,1,2;;", "1.#IND00;0;0;, 1;0;0;, 0;1;0;;")));
    std::string deep = kHeader;
    for (int i = 0; i < 100; ++i)
        deep += "Frame F" + std::to_string(i) + " {\n";
    deep += std::string(100, '}');
    seeds.Add("broken-frames-too-deep.x", Text(deep));
    seeds.Add("broken-key-kind.x", Text(std::string(kHeader) + "Frame F { }\nAnimationSet S { Animation { {F} "
                                                                 "AnimationKey { 9; 1; 0;3;0,0,0;;; } } }\n"));
    seeds.Add("broken-animation-of-no-frame.x",
              Text(std::string(kHeader) + "Frame F { }\nAnimationSet S { Animation { {Nowhere} "
                                          "AnimationKey { 2; 1; 0;3;1,2,3;;; } } }\n"));
}

// The character archive's layout.
constexpr std::size_t kJoinTableAt = 8;
constexpr std::size_t kJoinEntryBytes = 24;

std::size_t JoinNameAt(std::size_t row) { return kJoinTableAt + kJoinEntryBytes * row; }
std::size_t JoinOffsetAt(std::size_t row) { return JoinNameAt(row) + 16; }
std::size_t JoinSizeAt(std::size_t row) { return JoinNameAt(row) + 20; }

void JoinFileSeeds(const fs::path& corpus)
{
    Seeds seeds(corpus, "fuzz_join_file");
    JoinFileWriter writer("ANI");
    writer.Add("01A", Text(XFileText(BoxModel())));
    writer.Add("03B", Text("second entry"));
    const Bytes archive = writer.Bytes();
    seeds.Add("valid-two-entries.jx", archive);
    seeds.Add("valid-empty.jx", JoinFileWriter("ANI").Bytes());
    JoinFileWriter many("ANI");
    for (const char* name : {"01A", "01a", "fifteen_chars_x", "", "02B"})
        many.Add(name, Text(name));
    seeds.Add("valid-many-names.jx", many.Bytes());

    seeds.Add("broken-header-cut.jx", Cut(archive, 6));
    seeds.Add("broken-table-cut.jx", Cut(archive, JoinNameAt(1) + 5));
    seeds.Add("broken-signature.jx", Patched(archive, 2, 'X', 1));
    seeds.Add("broken-count-negative.jx", Patched(archive, 4, 0xFFFFFFFFu));
    seeds.Add("broken-count-huge.jx", Patched(archive, 4, kHuge));
    seeds.Add("broken-count-past-table.jx", Patched(archive, 4, 1000));
    seeds.Add("broken-offset-negative.jx", Patched(archive, JoinOffsetAt(0), 0xFFFFFFFFu));
    seeds.Add("broken-offset-past-end.jx", Patched(archive, JoinOffsetAt(0), 100000));
    seeds.Add("broken-size-negative.jx", Patched(archive, JoinSizeAt(1), 0xFFFFFFFBu));
    seeds.Add("broken-size-huge.jx", Patched(archive, JoinSizeAt(0), kHuge));
    seeds.Add("broken-size-past-end.jx", Patched(archive, JoinSizeAt(1), 1000));
    seeds.Add("broken-offset-and-size-wrap.jx",
              Patched(Patched(archive, JoinOffsetAt(0), 0x7FFFFFF0u), JoinSizeAt(0), 0x7FFFFFF0u));
    Bytes unterminated = archive;
    for (std::size_t i = 3; i < 16; ++i)
        unterminated[JoinNameAt(0) + i] = 'x';
    seeds.Add("broken-name-unterminated.jx", unterminated);
}

// PNG pictures, written chunk by chunk.
void PutBigEndian(Bytes& out, std::uint32_t value)
{
    for (int i = 3; i >= 0; --i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void PutChunk(Bytes& png, const std::string& type, const Bytes& data)
{
    Bytes typed(type.begin(), type.end());
    typed.insert(typed.end(), data.begin(), data.end());
    PutBigEndian(png, static_cast<std::uint32_t>(data.size()));
    png.insert(png.end(), typed.begin(), typed.end());
    PutBigEndian(png, static_cast<std::uint32_t>(crc32(0, typed.data(), static_cast<uInt>(typed.size()))));
}

Bytes Deflated(const Bytes& raw)
{
    uLongf length = compressBound(static_cast<uLong>(raw.size()));
    Bytes out(length);
    if (compress2(out.data(), &length, raw.data(), static_cast<uLong>(raw.size()), 9) != Z_OK)
        throw std::runtime_error("cannot compress");
    out.resize(length);
    return out;
}

using Chunks = std::vector<std::pair<std::string, Bytes>>;

// An 8-bit paletted PNG of four colours in stripes, with `extra` chunks before its pixels.
Bytes Png(std::uint32_t width, std::uint32_t height, const Chunks& extra = {})
{
    Bytes png = Raw("\x89PNG\r\n\x1a\n");
    Bytes header;
    PutBigEndian(header, width);
    PutBigEndian(header, height);
    header.insert(header.end(), {8, 3, 0, 0, 0}); // 8 bits, palette, deflate, no filter, no interlace
    PutChunk(png, "IHDR", header);
    Bytes palette;
    PutPalette(palette, 4, true);
    PutChunk(png, "PLTE", palette);
    for (const auto& [type, data] : extra)
        PutChunk(png, type, data);
    Bytes rows;
    const std::uint32_t pixelRows = std::min<std::uint32_t>(height, 256);
    for (std::uint32_t row = 0; row < pixelRows; ++row) {
        rows.push_back(0); // no filter
        for (std::uint32_t column = 0; column < std::min<std::uint32_t>(width, 256); ++column)
            rows.push_back(static_cast<std::uint8_t>((row / 16 + column / 32) % 4));
    }
    PutChunk(png, "IDAT", Deflated(rows));
    PutChunk(png, "IEND", {});
    return png;
}

// A compressed text chunk whose text is `megabytes` of spaces: small on disk, huge once read.
Bytes TextBomb(bool international, std::size_t megabytes)
{
    Bytes chunk = Text("Comment");
    chunk.push_back(0);
    if (international)
        chunk.insert(chunk.end(), {1, 0, 0, 0}); // compressed, deflate, no language, no translation
    else
        chunk.push_back(0); // deflate
    const Bytes text = Deflated(Bytes(megabytes << 20, ' '));
    chunk.insert(chunk.end(), text.begin(), text.end());
    return chunk;
}

Bytes NotebookIndex(const std::string& extra)
{
    return Text("{\"format\": 1, \"pageCount\": 1, \"currentPage\": 1," + extra
                + " \"turtles\": [{\"penDown\": true, \"hidden\": false, \"shape\": 1, \"penColor\": 0,"
                  " \"penWidth\": 1, \"bgColor\": 15, \"penMode\": 0, \"x\": 0, \"y\": 0, \"heading\": 0}]}\n");
}

// An index of the current format whose one page ran an own command, kept as `commands`.
Bytes OwnCommandsIndex(const std::string& commands)
{
    return Text("{\"format\": 4, \"pageCount\": 1, \"currentPage\": 1, \"turtles\": [{\"penDown\": true,"
                " \"hidden\": false, \"shape\": 1, \"penColor\": 0, \"penWidth\": 1, \"bgColor\": 15,"
                " \"penMode\": 0, \"x\": 0, \"y\": 0, \"heading\": 0}], \"records\": [\"AA8AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAEgUAAA==\"],"
                " \"recordEnds\": [\"0\"], \"recordCommands\": [[" + commands + "]], \"ownCommands\": [" + commands + "]}\n");
}

// Seeds of the notebook reader, which reads each input both as an index and as a page picture.
// The hostile ones are what the page reader must refuse before decoding or read without
// unpacking: they are also the tests' and the benchmark's hostile pages.
void NotebookSeeds(const fs::path& corpus)
{
    Seeds seeds(corpus, "fuzz_notebook");
    seeds.Add("valid-index.qel3d", NotebookIndex(""));
    seeds.Add("valid-index-counted.qel3d", NotebookIndex(" \"saveCounter\": 41,"));
    seeds.Add("broken-index-counter-negative.qel3d", NotebookIndex(" \"saveCounter\": -1,"));
    seeds.Add("broken-index-counter-fraction.qel3d", NotebookIndex(" \"saveCounter\": 1.5,"));
    seeds.Add("broken-index-cut.qel3d", Cut(NotebookIndex(""), 60));
    const std::string bok = "{\"name\": \"Bok\", \"picture\": 2, \"steps\": \"ATIAA0gA\"}";
    seeds.Add("valid-index-own-commands.qel3d",
              OwnCommandsIndex("{\"name\": \"Kwiatek\", \"picture\": 0, \"steps\": \"EgYAAAwE\", \"uses\": [" + bok + "]}"));
    seeds.Add("broken-index-own-command-cut.qel3d", OwnCommandsIndex("{\"name\": \"Bok\", \"picture\": 2, \"steps\": \"ATI\"}"));

    const Bytes page = Png(256, 256);
    seeds.Add("valid-page-8bit.bmp", Bitmap(256, 256, 8));
    seeds.Add("valid-page-24bit-top-down.bmp", Bitmap(256, -256, 24));
    seeds.Add("valid-page-4bit-core-header.bmp", Bitmap(256, 256, 4, true));
    seeds.Add("valid-page.png", page);
    seeds.Add("valid-page-with-text.png", Png(256, 256, {{"tEXt", Text(std::string("Title\0Dom", 9))}}));
    seeds.Add("broken-page-small.bmp", Bitmap(128, 128, 8));
    seeds.Add("broken-page-cut.bmp", Cut(Bitmap(256, 256, 8), 30000));
    const Bytes own = OwnPage();
    seeds.Add("valid-page-own.bmp", own);
    seeds.Add("broken-page-own-cut.bmp", Cut(own, own.size() - 1));
    seeds.Add("valid-page-rle8.bmp", RunLengthBitmap(8, 256, 256, PageRuns(8)));
    seeds.Add("valid-page-rle4.bmp", RunLengthBitmap(4, 256, 256, PageRuns(4)));
    seeds.Add("broken-page-rle8-no-end.bmp", RunLengthBitmap(8, 256, 256, PageRuns(8, true)));
    seeds.Add("broken-page-rle8-run-past-row.bmp", Rle8Bitmap(256, 256, {255, 1, 2, 1, 0, 1}));
    seeds.Add("broken-page-rle8-jump-past-sheet.bmp", Rle8Bitmap(256, 256, {0, 2, 0, 255, 0, 2, 0, 2, 0, 1}));
    seeds.Add("broken-page-rle8-top-down.bmp", Rle8Bitmap(256, -256, {0, 1}));
    seeds.Add("broken-page-rle4-literal-past-end.bmp", RunLengthBitmap(4, 256, 256, {0, 200, 0x12, 0x34, 0x56}));
    seeds.Add("broken-page-small.png", Png(100, 256));
    seeds.Add("broken-page-cut.png", Cut(page, page.size() / 2));
    seeds.Add("broken-page-chunk-past-end.png", Patched(page, 8, 0xFFFFFF7Fu)); // the header chunk far longer than the file
    seeds.Add("broken-page-no-end.png", Cut(page, page.size() - 12));

    // PNG decoders unpack at most a few megabytes of one text chunk, so the text comes in many.
    Chunks texts;
    for (int i = 0; i < 20; ++i)
        texts.push_back({"zTXt", TextBomb(false, 7)});
    for (int i = 0; i < 20; ++i)
        texts.push_back({"iTXt", TextBomb(true, 7)});
    seeds.Add("hostile-text-chunks.png", Png(256, 256, texts));
    seeds.Add("hostile-huge.png", Png(100000, 100000));
    seeds.Add("hostile-huge.bmp", Patched(Patched(Bitmap(4, 4, 24), kWidthField, 100000), kHeightField, 100000));
    seeds.Add("hostile-progressive.jpg", Raw("\xff\xd8\xff\xc2\x00\x11\x08\xff\xff\xff\xff\x03\x01\x22\x00\x02\x11"
                                             "\x01\x03\x11\x01\xff\xda\x00\x08\x01\x01\x00\x00\x3f\x00\xd2\xcf\x20\xff\xd9"));
    // Each level uses the one before ten times: a billion circles once drawn.
    std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\" "
                      "width=\"256\" height=\"256\"><defs><circle id=\"l0\" r=\"1\"/>";
    for (int level = 1; level <= 9; ++level) {
        svg += "<g id=\"l" + std::to_string(level) + "\">";
        for (int i = 0; i < 10; ++i)
            svg += "<use xlink:href=\"#l" + std::to_string(level - 1) + "\"/>";
        svg += "</g>";
    }
    seeds.Add("hostile.svg", Text(svg + "</defs><use xlink:href=\"#l9\"/></svg>\n"));
}

// Seeds of the program reader: programs as the program writes them and as children type them,
// and each kind of mistake.
void ProgramSeeds(const fs::path& corpus)
{
    Seeds seeds(corpus, "fuzz_program");
    seeds.Add("valid-square.txt", Text("powtórz 4 [naprzód 50 prawo 90]\n"));
    seeds.Add("valid-every-word.txt", Text("naprzód 100\nwstecz 5\nprawo 90\nlewo 45\nokrąg 50\nkwadrat 30\npodnieś\n"
                                           "opuść\nkolor 4\ngrubość 3\ntryb 1\nwypełnij\nwyczyść\ntło 0\nwróć\n"
                                           "ustaw 12.5 -3 90\n"));
    seeds.Add("valid-school-logo.txt", Text("oto Bok np 50 pw 90 już\npowtórz 4 [Bok] pod ws 10 opu\n"
                                            "to side fd 5 rt 72 end repeat 5 [side] pu bk 3 pd lt 1\n"));
    seeds.Add("valid-nested.txt", Text("repeat 3 [repeat 2 [fd 1 repeat 2 [rt 1]] color 2] ; note\n"));
    seeds.Add("broken-misspelt.txt", Text("naprzud 50\n"));
    seeds.Add("broken-unclosed.txt", Text("powtórz 4 [np 50 pw 90\noto Bok np 5\n"));
    seeds.Add("broken-calls-itself.txt", Text("oto Spirala np 5 pw 10 Spirala już Spirala\n"));
    seeds.Add("broken-bytes.txt", Raw("np 5\x00\xff\xfe]"));
}

std::string Base64(const Bytes& bytes)
{
    static const char kDigits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string text;
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        const std::uint32_t chunk = std::uint32_t{bytes[i]} << 16 | (i + 1 < bytes.size() ? std::uint32_t{bytes[i + 1]} << 8 : 0u)
                                    | (i + 2 < bytes.size() ? std::uint32_t{bytes[i + 2]} : 0u);
        text += kDigits[chunk >> 18 & 63];
        text += kDigits[chunk >> 12 & 63];
        text += i + 1 < bytes.size() ? kDigits[chunk >> 6 & 63] : '=';
        text += i + 2 < bytes.size() ? kDigits[chunk & 63] : '=';
    }
    return text;
}

// An own command `levels` deep whose every level is `steps` steps, each running the level below
// once; the innermost walks one step at a time. A run makes steps^levels steps.
std::string NestedCommand(int levels, int steps)
{
    Bytes walk;
    for (int i = 0; i < steps; ++i)
        walk.insert(walk.end(), {0x01, 0x01, 0x00}); // Forward 1
    std::string command = "{\"name\": \"Poziom\", \"picture\": 0, \"steps\": \"" + Base64(walk) + "\"}";
    Bytes runs;
    for (int i = 0; i < steps; ++i)
        runs.insert(runs.end(), {0x12, 0x01, 0x00, 0x00}); // one run of uses[0]
    for (int level = 2; level <= levels; ++level)
        command = "{\"name\": \"Poziom\", \"picture\": 0, \"steps\": \"" + Base64(runs) + "\", \"uses\": [" + command + "]}";
    return command;
}

Bytes OwnCommandRow(const std::string& commands)
{
    return Text("{\"ownCommands\": [" + commands + "]}\n");
}

// Seeds of the remembered row of own commands, read at every start. The nested ones are the
// rows that once kept the window from showing.
void OwnCommandRowSeeds(const fs::path& corpus)
{
    Seeds seeds(corpus, "fuzz_own_commands");
    const std::string bok = "{\"name\": \"Bok\", \"picture\": 2, \"steps\": \"ATIAA0gA\"}";
    const std::string kwiatek = "{\"name\": \"Kwiatek\", \"picture\": 0, \"steps\": \"EgYAAAwE\", \"uses\": [" + bok + "]}";
    seeds.Add("valid-row.json", OwnCommandRow(bok));
    seeds.Add("valid-row-nested.json", OwnCommandRow(bok + ", " + kwiatek));
    seeds.Add("broken-row-cut.json", Cut(OwnCommandRow(kwiatek), 40));
    seeds.Add("broken-row-no-list.json", Text("{\"ownCommands\": 3}\n"));
    seeds.Add("broken-row-one-spoilt.json",
              OwnCommandRow(bok + ", {\"name\": \"Zly\", \"picture\": 2, \"steps\": \"////\"}, " + kwiatek));
    seeds.Add("hostile-row-nested-4x200.json", OwnCommandRow(NestedCommand(4, 200)));
    seeds.Add("hostile-row-nested-4x1000.json", OwnCommandRow(NestedCommand(4, 1000)));
    seeds.Add("hostile-row-nested-too-deep.json", OwnCommandRow(NestedCommand(9, 2))); // one level past the deepest kept
}

// Seeds of the switch file .DOM.next: one a save of DOM writes, and planted ones that would reach
// past DOM's own files.
void SwitchSeeds(const fs::path& corpus)
{
    Seeds seeds(corpus, "fuzz_switch");
    const std::string heading = "qel3d-switch 1\n";
    const std::string valid = heading + "move\t.qel3d-AbCdEf\tDOM1.bmp\nmove\t.qel3d-GhIjKl\tDOM.qel3d\nremove\tDOM3.bmp\nend\n";
    seeds.Add("valid-switch", Text(valid));
    seeds.Add("broken-switch-cut", Cut(Text(valid), valid.size() - 3));
    seeds.Add("broken-switch-no-heading", Text("move\t.qel3d-AbCdEf\tDOM1.bmp\nend\n"));
    seeds.Add("hostile-switch-other-index", Text(heading + "move\tKOT.qel3d\tDOM.qel3d\nend\n"));
    seeds.Add("hostile-switch-over-other-page", Text(heading + "move\t.qel3d-AbCdEf\tKOT1.bmp\nend\n"));
    seeds.Add("hostile-switch-remove-text", Text(heading + "remove\tlista.txt\nend\n"));
    seeds.Add("hostile-switch-subfolder", Text(heading + "move\tpodkatalog\tDOM.qel3d\nend\n"));
    seeds.Add("hostile-switch-parent", Text(heading + "move\t../DOM.qel3d\tDOM.qel3d\nend\n"));
    std::string many = heading;
    while (many.size() < 70 * 1024)
        many += "remove\tDOM2.bmp\n";
    seeds.Add("hostile-switch-long", Text(many + "end\n"));
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s CORPUS_FOLDER\n", argv[0]);
        return 2;
    }
    try {
        const fs::path corpus = argv[1];
        JoinFileSeeds(corpus);
        XFileSeeds(corpus);
        TexturePackSeeds(corpus);
        BackgroundSeeds(corpus);
        NotebookSeeds(corpus);
        ProgramSeeds(corpus);
        OwnCommandRowSeeds(corpus);
        SwitchSeeds(corpus);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "qel_fuzz_corpus: %s\n", error.what());
        return 1;
    }
    return 0;
}
