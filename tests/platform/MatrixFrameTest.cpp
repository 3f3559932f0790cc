#include "rm/Frame.h"

#include <gtest/gtest.h>

namespace {

void ExpectNear(const rm::D3DVECTOR& v, float x, float y, float z)
{
    EXPECT_NEAR(v.x, x, 1e-4f);
    EXPECT_NEAR(v.y, y, 1e-4f);
    EXPECT_NEAR(v.z, z, 1e-4f);
}

TEST(Frames, OrientationIsLeftHandedWithYUp)
{
    const rm::Matrix4 m = rm::Matrix4::Frame({0, 0, 0}, {1, 0, 0}, {0, 1, 0});
    ExpectNear(m.Axis(2), 1, 0, 0);             // z looks along the direction
    ExpectNear(m.Axis(1), 0, 1, 0);             // y is up
    ExpectNear(m.Axis(0), 0, 0, -1);            // x = up × direction
    ExpectNear(m.RigidInverse().Transform(m.Transform({1, 2, 3})), 1, 2, 3);
}

TEST(Frames, PlacesAreRelativeToTheReferenceFrame)
{
    auto root = rm::MakePtr<rm::Frame3>();
    auto turned = rm::MakePtr<rm::Frame3>();
    auto child = rm::MakePtr<rm::Frame3>();
    ASSERT_EQ(root->AddChild(turned.get()), rm::D3DRM_OK);
    ASSERT_EQ(turned->AddChild(child.get()), rm::D3DRM_OK);
    turned->SetPosition(root.get(), 100, 0, 0);
    turned->SetOrientation(root.get(), 1, 0, 0, 0, 1, 0); // turned right by a quarter

    child->SetPosition(root.get(), 0, 5, 0);
    ExpectNear(child->WorldTransform().Translation(), 0, 5, 0);
    child->SetPosition(nullptr, 0, 0, 10); // ten ahead of its turned parent
    ExpectNear(child->WorldTransform().Translation(), 110, 0, 0);
    child->SetOrientation(root.get(), 0, 0, 1, 0, 1, 0);
    ExpectNear(child->WorldTransform().Axis(2), 0, 0, 1);

    rm::Ptr<rm::Frame3> parent;
    child->GetParent(parent);
    EXPECT_EQ(parent.get(), turned.get());
    EXPECT_EQ(turned->DeleteChild(child.get()), rm::D3DRM_OK);
    EXPECT_EQ(child->Parent(), nullptr);
    EXPECT_EQ(turned->DeleteChild(child.get()), rm::D3DRMERR_BADOBJECT);
}

TEST(Frames, AFrameCannotHangBelowItself)
{
    auto root = rm::MakePtr<rm::Frame3>();
    auto child = rm::MakePtr<rm::Frame3>();
    auto grandchild = rm::MakePtr<rm::Frame3>();
    root->AddChild(child.get());
    child->AddChild(grandchild.get());
    EXPECT_EQ(grandchild->AddChild(root.get()), rm::D3DRMERR_BADOBJECT);
    EXPECT_EQ(child->AddChild(child.get()), rm::D3DRMERR_BADOBJECT);
    EXPECT_EQ(root->Parent(), nullptr);
    EXPECT_EQ(grandchild->Parent(), child.get());
}

TEST(Frames, AParentKeepsItsChildrenAlive)
{
    auto root = rm::MakePtr<rm::Frame3>();
    rm::Frame3* child = nullptr;
    {
        auto made = rm::MakePtr<rm::Frame3>();
        root->AddChild(made.get());
        child = made.get();
    }
    ASSERT_EQ(root->Children().size(), 1u);
    EXPECT_EQ(root->Children().front().get(), child);
    EXPECT_EQ(child->Parent(), root.get());
}

} // namespace
