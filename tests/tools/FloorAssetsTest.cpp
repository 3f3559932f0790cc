#include "Floor.h"
#include "TexturePackWriter.h"
#include "engine/TextureLoader.h"
#include "turtle/SheetColors.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr double kSide = 256.0;

TEST(FloorModel, IsOneFlatMeshFacingUpWithTheTextureFollowingTheSheet)
{
    const Frame floor = FloorModel();
    const Mesh& mesh = floor.mesh;
    EXPECT_EQ(mesh.textureFile, kFloorTextureName);
    ASSERT_EQ(mesh.textureCoords.size(), mesh.vertices.size());
    // u·256 = X + 127 and v·256 = 127 − Y put texel (c, r) over turtle X in [c − 127, c − 126)
    // and Y in (126 − r, 127 − r], where the turtle's point maps to pixel (c, r). Holding exactly
    // at every vertex, the mapping holds across each triangle.
    for (std::size_t i = 0; i < mesh.vertices.size(); ++i) {
        const Vec3& v = mesh.vertices[i];
        EXPECT_EQ(v.y, 0.0f);
        EXPECT_EQ(mesh.textureCoords[i][0] * kSide, v.x / 10.0 + 127.0) << i;
        EXPECT_EQ(mesh.textureCoords[i][1] * kSide, 127.0 - v.z / 10.0) << i;
        for (const float t : mesh.textureCoords[i])
            EXPECT_TRUE(t >= 0.0f && t <= 1.0f) << i;
    }
    // Clockwise seen from above is the front: (b − a) × (c − a) points up. Inside the texture,
    // the areas add up to all of it, so the square has no hole and no fold.
    double area = 0;
    for (const auto& [a, b, c] : mesh.triangles) {
        const Vec3 &va = mesh.vertices[a], &vb = mesh.vertices[b], &vc = mesh.vertices[c];
        const double up = (vb.z - va.z) * (vc.x - va.x) - (vb.x - va.x) * (vc.z - va.z);
        EXPECT_GT(up, 0.0);
        area += up / 2 / 100; // in sheet units
    }
    EXPECT_DOUBLE_EQ(area, kSide * kSide);
}

// Around the sheet lies an untextured board: its rim flush with the sheet and outside it, its
// edges going down, every face turned outwards or up, and nothing left open between them.
TEST(FloorModel, ABoardFramesTheSheetWithoutCoveringIt)
{
    const Frame floor = FloorModel();
    ASSERT_EQ(floor.children.size(), 1u);
    const Mesh& board = floor.children[0].mesh;
    EXPECT_TRUE(board.textureFile.empty()) << "the floor's texture stays the model's only one";
    EXPECT_TRUE(floor.children[0].children.empty());
    ASSERT_EQ(board.triangleMaterials.size(), board.triangles.size());

    const double left = -1270, right = 1290, top = 1270, bottom = -1290; // the sheet, in scene units
    double rimArea = 0;
    for (const auto& [a, b, c] : board.triangles) {
        const Vec3 &va = board.vertices[a], &vb = board.vertices[b], &vc = board.vertices[c];
        const double ux = vb.x - va.x, uy = vb.y - va.y, uz = vb.z - va.z;
        const double wx = vc.x - va.x, wy = vc.y - va.y, wz = vc.z - va.z;
        // The front side's normal, for triangles wound clockwise as seen from it.
        const double nx = uy * wz - uz * wy, ny = uz * wx - ux * wz, nz = ux * wy - uy * wx;
        const double gx = (va.x + vb.x + vc.x) / 3, gy = (va.y + vb.y + vc.y) / 3, gz = (va.z + vb.z + vc.z) / 3;
        if (va.y == 0 && vb.y == 0 && vc.y == 0) {
            EXPECT_GT(ny, 0.0) << "the rim faces up";
            EXPECT_TRUE(gx < left || gx > right || gz < bottom || gz > top) << "the rim lies outside the sheet";
            rimArea += ny / 2;
        } else {
            EXPECT_LE(gy, 0.0) << "the edges go down";
            EXPECT_GT(nx * (gx - 10) + nz * (gz + 10), 0.0) << "an edge faces outwards";
        }
    }
    // The rim covers exactly the ring between the sheet and the board's outline.
    const double width = board.vertices[0].z - top;
    EXPECT_GT(width, 0.0);
    EXPECT_DOUBLE_EQ(rimArea, (right - left + 2 * width) * (top - bottom + 2 * width) - (right - left) * (top - bottom));
}

std::uint32_t Int32At(const std::vector<std::uint8_t>& bytes, std::size_t at)
{
    std::uint32_t value;
    std::memcpy(&value, bytes.data() + at, sizeof value);
    return value; // the machine is little-endian, as the pack
}

TEST(TexturePackWriter, SortsTheTableAndGivesEveryTextureAFixedSlot)
{
    TexturePackWriter pack;
    pack.Add("wall.bmp", {1, 2, 3});
    pack.Add("a.bmp", {4});
    pack.Add("floor.bmp", {5, 6});
    const std::vector<std::uint8_t> bytes = pack.Bytes();

    constexpr std::size_t kDataAt = 4 + 3 * 20;
    ASSERT_EQ(bytes.size(), kDataAt + 3 * TexturePackWriter::kEntrySize);
    EXPECT_EQ(Int32At(bytes, 0), 3u);
    const char* names[] = {"a.bmp", "floor.bmp", "wall.bmp"};
    const std::uint8_t firsts[] = {4, 5, 1};
    for (std::size_t i = 0; i < 3; ++i) {
        const char* name = reinterpret_cast<const char*>(bytes.data() + 4 + 20 * i);
        EXPECT_STREQ(name, names[i]);
        const std::uint32_t offset = Int32At(bytes, 4 + 20 * i + 16);
        EXPECT_EQ(offset, kDataAt + i * TexturePackWriter::kEntrySize);
        EXPECT_EQ(bytes[offset], firsts[i]);
    }
}

TEST(TexturePackWriter, RefusesWhatTheLoaderCouldNotFind)
{
    TexturePackWriter pack;
    pack.Add("floor.bmp", {});
    EXPECT_THROW(pack.Add("Floor2.bmp", {}), std::invalid_argument) << "capitals";
    EXPECT_THROW(pack.Add("", {}), std::invalid_argument);
    EXPECT_THROW(pack.Add("sixteen-chars.bm", {}), std::invalid_argument) << "no room for the end";
    EXPECT_THROW(pack.Add("floor.bmp", {}), std::invalid_argument) << "twice";
    EXPECT_THROW(pack.Add("big.bmp", std::vector<std::uint8_t>(TexturePackWriter::kEntrySize + 1)),
                 std::invalid_argument);
}

// The data files as the build wrote them, read through the real retained-mode layer.
class GeneratedData : public ::testing::Test {
protected:
    void SetUp() override
    {
        rm::Ptr<rm::Direct3DRM> root;
        ASSERT_EQ(rm::Direct3DRMCreate(root), rm::D3DRM_OK);
        ASSERT_EQ(root->QueryRM3(rm3_), rm::D3DRM_OK);
        UseTextureRM(rm3_.get());
        LoadTextureHeader(QEL_DATA_DIR "/bmp.mte");
    }

    void TearDown() override
    {
        FreeTextureLoader();
        UseTextureRM(nullptr);
    }

    rm::Ptr<rm::Direct3DRM3> rm3_;
};

TEST_F(GeneratedData, ThePackGivesTheFloorAllWhiteInTheSheetColours)
{
    rm::Ptr<rm::Texture3> texture;
    ASSERT_EQ(LoadTextureCallback(kFloorTextureName, nullptr, texture), rm::D3DRM_OK);
    const rm::Image& image = *texture->GetImage();
    ASSERT_EQ(image.width, 256);
    ASSERT_EQ(image.height, 256);
    for (int i = 0; i < kColorCount; ++i) {
        const rm::PaletteEntry& entry = image.palette[i];
        EXPECT_EQ(qRgb(entry.red, entry.green, entry.blue), SheetPalette()[static_cast<std::size_t>(i)]) << i;
    }
    const auto* pixels = static_cast<const std::uint8_t*>(image.buffer1);
    EXPECT_EQ(std::count(pixels, pixels + 256 * 256, 15), 256 * 256);
}

TEST_F(GeneratedData, TheFloorModelLoadsFacingUpWithThePackedTexture)
{
    rm::Ptr<rm::MeshBuilder3> builder;
    ASSERT_EQ(rm3_->CreateMeshBuilder(builder), rm::D3DRM_OK);
    const std::uint32_t first = 0;
    ASSERT_EQ(builder->Load(QEL_DATA_DIR "/00.x", &first, rm::D3DRMLOAD_FROMFILE | rm::D3DRMLOAD_BYPOSITION,
                            &LoadTextureCallback, nullptr),
              rm::D3DRM_OK);
    const rm::Ptr<rm::Texture3> texture = LastTexture();
    ASSERT_TRUE(texture);
    EXPECT_EQ(texture->GetImage()->width, 256);
    ASSERT_EQ(builder->Materials().size(), 1u);
    EXPECT_EQ(builder->Materials()[0].texture, texture);
    EXPECT_FALSE(builder->Faces().empty());
    for (const rm::MeshBuilder3::Vertex& v : builder->Vertices()) {
        EXPECT_EQ(v.position.y, 0.0f);
        EXPECT_FLOAT_EQ(v.normal.y, 1.0f);
        EXPECT_EQ(v.u * kSide, v.position.x / 10.0 + 127.0);
        EXPECT_EQ(v.v * kSide, 127.0 - v.position.z / 10.0);
    }
}

} // namespace
