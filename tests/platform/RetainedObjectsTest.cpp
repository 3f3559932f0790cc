#include "rm/Texture.h"

#include <gtest/gtest.h>

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

} // namespace
