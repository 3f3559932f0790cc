#include "rm/Texture.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class Counted final : public rm::Unknown {
public:
    explicit Counted(int& destroyed) : destroyed_(destroyed) {}
    ~Counted() override { ++destroyed_; }

private:
    int& destroyed_;
};

TEST(RetainedObjects, LastReleaseFreesTheObject)
{
    int destroyed = 0;
    {
        rm::Ptr<Counted> first = rm::MakePtr<Counted>(destroyed);
        rm::Ptr<Counted> second = first;
        EXPECT_EQ(first->AddRef(), 3u);
        EXPECT_EQ(first->Release(), 2u);
        first.reset();
        EXPECT_EQ(destroyed, 0);
        rm::Ptr<Counted> shared = rm::Ptr<Counted>::Share(second.get());
        second.reset();
        EXPECT_EQ(destroyed, 0);
    }
    EXPECT_EQ(destroyed, 1);
}

TEST(Texture3, HandsOutItsOwnPaletteImageAndCountsChanges)
{
    auto texture = rm::MakePtr<rm::Texture3>(256, 256);
    rm::Image* image = texture->GetImage();
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->width, 256);
    EXPECT_EQ(image->height, 256);
    EXPECT_EQ(image->depth, 8);
    EXPECT_EQ(image->bytes_per_line, 256);
    EXPECT_EQ(image->palette_size, 256);
    EXPECT_EQ(texture->GetImage(), image) << "always the same image";

    static_cast<std::uint8_t*>(image->buffer1)[256 * 255 + 255] = 7; // the last byte is ours
    EXPECT_EQ(texture->Changed(rm::D3DRMTEXTURE_CHANGEDPIXELS, 0, nullptr), rm::D3DRM_OK);
    EXPECT_EQ(texture->Changed(rm::D3DRMTEXTURE_CHANGEDPALETTE, 0, nullptr), rm::D3DRM_OK);
    EXPECT_EQ(texture->PixelChanges(), 1u);
    EXPECT_EQ(texture->PaletteChanges(), 1u);
}

struct RowChanges {
    const char* what;
    std::vector<std::vector<rm::Rect>> changes; // one Changed call each; none given: no rectangles
    bool earlierTaken;                          // an earlier change's rows were taken
    rm::RowRange expected;
};

class Texture3Rows : public ::testing::TestWithParam<RowChanges> {};

TEST_P(Texture3Rows, KeepsTheRowsChangedSinceTheyWereLastTaken)
{
    const RowChanges& c = GetParam();
    auto texture = rm::MakePtr<rm::Texture3>(8, 16);
    texture->Changed(rm::D3DRMTEXTURE_CHANGEDPIXELS, 0, nullptr);
    if (c.earlierTaken)
        texture->ForgetChangedRows();
    const std::uint32_t seen = texture->PixelChanges();
    for (const std::vector<rm::Rect>& rects : c.changes)
        texture->Changed(rm::D3DRMTEXTURE_CHANGEDPIXELS, static_cast<std::uint32_t>(rects.size()),
                         rects.empty() ? nullptr : rects.data());
    const rm::RowRange rows = texture->ChangedRowsSince(seen);
    EXPECT_EQ(rows.top, c.expected.top) << c.what;
    EXPECT_EQ(rows.bottom, c.expected.bottom) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Texture3, Texture3Rows,
    ::testing::Values(RowChanges{"one change's rows", {{{0, 3, 8, 5}}}, true, {3, 5}},
                      RowChanges{"rows of several changes joined", {{{0, 3, 8, 5}}, {{0, 9, 8, 10}}}, true, {3, 10}},
                      RowChanges{"several rectangles of one change", {{{0, 7, 8, 8}, {0, 2, 8, 4}}}, true, {2, 8}},
                      RowChanges{"rows past the image kept inside it", {{{0, -4, 8, 2}, {0, 12, 8, 99}}}, true, {0, 16}},
                      RowChanges{"an empty rectangle changes no row", {{{0, 6, 8, 6}}}, true, {0, 0}},
                      RowChanges{"a change without rectangles is all rows", {{{0, 3, 8, 5}}, {}}, true, {0, 16}},
                      RowChanges{"rows not taken before are all rows", {{{0, 3, 8, 5}}}, false, {0, 16}}));

TEST(Texture3, ARendererBehindTheKeptRowsTakesThemAll)
{
    auto texture = rm::MakePtr<rm::Texture3>(8, 16);
    texture->ForgetChangedRows();
    const std::uint32_t behind = texture->PixelChanges();
    const rm::Rect rows{0, 3, 8, 4};
    texture->Changed(rm::D3DRMTEXTURE_CHANGEDPIXELS, 1, &rows);
    texture->ForgetChangedRows(); // another renderer took them
    texture->Changed(rm::D3DRMTEXTURE_CHANGEDPIXELS, 1, &rows);
    EXPECT_EQ(texture->ChangedRowsSince(behind).bottom, 16);
}

} // namespace
