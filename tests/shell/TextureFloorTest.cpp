#include "shell/TextureFloor.h"

#include <gtest/gtest.h>

namespace {

TEST(TextureFloor, TakesOnlyATextureOfTheSheetsShapeAndTellsItOfChanges)
{
    TextureFloor floor;
    EXPECT_FALSE(floor.Attach(rm::MakePtr<rm::Texture3>(128, 256)));
    EXPECT_FALSE(floor.Attach(nullptr));
    EXPECT_EQ(floor.Pixels(), nullptr);

    const rm::Ptr<rm::Texture3> texture = rm::MakePtr<rm::Texture3>(256, 256);
    ASSERT_TRUE(floor.Attach(texture));
    EXPECT_EQ(floor.Pixels(), texture->GetImage()->buffer1);
    floor.PixelsChanged(3, 9);
    EXPECT_EQ(texture->PixelChanges(), 1u);
    EXPECT_EQ(texture->ChangedRowsSince(0).top, 3);
    EXPECT_EQ(texture->ChangedRowsSince(0).bottom, 9) << "the texture is told the rows alone";

    EXPECT_FALSE(floor.Attach(rm::MakePtr<rm::Texture3>(256, 255)));
    EXPECT_EQ(floor.Pixels(), nullptr) << "a refused texture lets the old one go too";
}

} // namespace
