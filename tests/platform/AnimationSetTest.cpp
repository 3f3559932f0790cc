#include "fakes/TextureLoads.h"
#include "rm/AnimationSet.h"
#include "rm/Matrix.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>
#include <numbers>

namespace {

using rm::D3DRM_OK;
using rm::D3DRMERR_BADFILE;
using rm::Matrix4;

constexpr float kPi = std::numbers::pi_v<float>;

std::string XFile(const std::string& body)
{
    return "xof 0302txt 0064\n" + body;
}

std::string Matrix(const std::string& values)
{
    return "FrameTransformMatrix { " + values + ";; }\n";
}

std::string Triangle(const std::string& materials = "")
{
    return "Mesh { 3; 0.0;0.0;0.0;, 0.0;1.0;0.0;, 1.0;0.0;0.0;; 1; 3;0,1,2;; " + materials + "}\n";
}

std::string Textured(const std::string& texture)
{
    return "Material { 1.0;1.0;1.0;1.0;; 0.0; 0.0;0.0;0.0;; 0.0;0.0;0.0;; TextureFilename { \"" + texture
         + "\"; } }\n";
}

// Body stands at (100, 0, 0) turned so that its z axis points along +x; Leg sits in it at
// (1, 2, 3); Tail is a second top-level frame, and one mesh lies outside any frame.
// A file's rotation key is the conjugate of the turn it makes: (cos ½θ, 0, −sin ½θ, 0) turns z
// toward +x by θ, as Body's matrix does. Leg's position keys are listed latest first.
const std::string kWalker = XFile(
    "Frame Body {\n" + Matrix("0.0,0.0,-1.0,0.0, 0.0,1.0,0.0,0.0, 1.0,0.0,0.0,0.0, 100.0,0.0,0.0,1.0")
    + "  " + Triangle("MeshMaterialList { 1; 1; 0;; " + Textured("skin.bmp") + "}")
    + "  Frame Leg {\n" + Matrix("1.0,0.0,0.0,0.0, 0.0,1.0,0.0,0.0, 0.0,0.0,1.0,0.0, 1.0,2.0,3.0,1.0")
    + "    Mesh { 3; 5.0;0.0;0.0;, 5.0;1.0;0.0;, 6.0;0.0;0.0;; 2; 3;0,1,2;, 3;0,2,1;;\n"
      "      MeshMaterialList { 2; 2; 0,1;; " + Textured("skin.bmp") + Textured("eye.bmp") + "} }\n"
      "  }\n}\n"
      "Frame Tail {\n" + Matrix("1.0,0.0,0.0,0.0, 0.0,1.0,0.0,0.0, 0.0,0.0,1.0,0.0, 0.0,0.0,-7.0,1.0")
    + "}\n" + Triangle()
    + "AnimationSet Walk {\n"
      "  Animation { { Leg }\n"
      "    AnimationKey { 0; 2; 0;4;1.0,0.0,0.0,0.0;;, 10;4;0.7071068,0.0,-0.7071068,0.0;;; }\n"
      "    AnimationKey { 1; 2; 0;3;1.0,1.0,1.0;;, 10;3;3.0,5.0,7.0;;; }\n"
      "    AnimationKey { 2; 2; 10;3;10.0,20.0,-30.0;;, 0;3;0.0,0.0,0.0;;; } }\n"
      "  Animation { { Body } AnimationKey { 2; 2; 0;3;100.0,0.0,0.0;;, 10;3;100.0,0.0,50.0;;; } }\n"
      "  Animation { { Nowhere } AnimationKey { 2; 1; 0;3;1.0,2.0,3.0;;; } }\n"
      "}\n");

rm::HRESULT Load(rm::AnimationSet2& set, const std::string& text, rm::Frame3* parent, TextureLoads* loads = nullptr)
{
    const rm::D3DRMLOADMEMORY memory{text.data(), static_cast<std::uint32_t>(text.size())};
    return set.Load(&memory, nullptr, rm::D3DRMLOAD_FROMMEMORY, loads ? &TextureLoads::Callback : nullptr, loads,
                    parent);
}

// Moved to `position`, turned about y by `angle` (z toward +x), scaled along its own axes.
Matrix4 Pose(rm::D3DVECTOR position, float angle, rm::D3DVECTOR scale)
{
    Matrix4 m = Matrix4::Frame(position, {std::sin(angle), 0.0f, std::cos(angle)}, {0.0f, 1.0f, 0.0f});
    const float factors[3] = {scale.x, scale.y, scale.z};
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
            m.At(row, column) *= factors[column];
    return m;
}

void ExpectMatrix(const Matrix4& actual, const Matrix4& expected)
{
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column)
            EXPECT_NEAR(actual.At(row, column), expected.At(row, column), 1e-5f) << "at " << row << ", " << column;
}

class AnimationSetTest : public testing::Test {
protected:
    rm::Frame3& Body() { return *parent->Children().at(0); }
    rm::Frame3& Leg() { return *Body().Children().at(0); }

    rm::Ptr<rm::Frame3> parent = rm::MakePtr<rm::Frame3>();
    rm::Ptr<rm::AnimationSet2> set = rm::MakePtr<rm::AnimationSet2>();
};

TEST_F(AnimationSetTest, BuildsTheFramesUnderTheParentWithTheirFileTransformsAndMeshes)
{
    parent->SetPosition(nullptr, 0.0f, 0.0f, 1000.0f);
    TextureLoads loads;
    ASSERT_EQ(Load(*set, kWalker, parent.get(), &loads), D3DRM_OK);

    // Body, Tail and the frame of the mesh outside any frame.
    ASSERT_EQ(parent->Children().size(), 3u);
    ExpectMatrix(Body().LocalTransform(), Pose({100, 0, 0}, kPi / 2, {1, 1, 1}));
    ASSERT_EQ(Body().Children().size(), 1u);
    ExpectMatrix(Leg().LocalTransform(), Pose({1, 2, 3}, 0, {1, 1, 1}));
    // Leg's origin: Body's z axis is +x, so Leg's (1, 2, 3) lies at 100 + 3 along x, 2 up, -1 along z.
    const rm::D3DVECTOR legOrigin = Leg().WorldTransform().Translation();
    EXPECT_NEAR(legOrigin.x, 103.0f, 1e-4f);
    EXPECT_NEAR(legOrigin.y, 2.0f, 1e-4f);
    EXPECT_NEAR(legOrigin.z, 999.0f, 1e-4f);
    ExpectMatrix(parent->Children()[1]->LocalTransform(), Pose({0, 0, -7}, 0, {1, 1, 1}));
    ExpectMatrix(parent->Children()[2]->LocalTransform(), Matrix4::Identity());

    // Each file mesh is one visual of its frame, in that frame's coordinates.
    ASSERT_EQ(Leg().Visuals().size(), 1u);
    const auto* legMesh = dynamic_cast<const rm::MeshBuilder3*>(Leg().Visuals()[0].get());
    ASSERT_NE(legMesh, nullptr);
    ASSERT_EQ(legMesh->Faces().size(), 2u);
    EXPECT_EQ(legMesh->Vertices()[legMesh->Faces()[0].vertex[0]].position.x, 5.0f);
    ASSERT_EQ(legMesh->Materials().size(), 2u);
    EXPECT_NE(legMesh->Materials()[0].texture, legMesh->Materials()[1].texture);
    EXPECT_EQ(Body().Visuals().size(), 1u);
    EXPECT_EQ(parent->Children()[1]->Visuals().size(), 0u);
    EXPECT_EQ(parent->Children()[2]->Visuals().size(), 1u);

    // One load of each texture, however many meshes use it.
    EXPECT_EQ(loads.names, (std::vector<std::string>{"skin.bmp", "eye.bmp"}));
    const auto* bodyMesh = dynamic_cast<const rm::MeshBuilder3*>(Body().Visuals()[0].get());
    ASSERT_NE(bodyMesh, nullptr);
    EXPECT_EQ(bodyMesh->Materials()[0].texture, legMesh->Materials()[0].texture);
}

struct PoseCase {
    const char* what;
    float time;
    rm::D3DVECTOR position;
    float angle;
    rm::D3DVECTOR scale;
};

class AnimationSetPoses : public AnimationSetTest, public testing::WithParamInterface<PoseCase> {};

TEST_P(AnimationSetPoses, PosesTheKeyedFrameBetweenItsKeys)
{
    const PoseCase& c = GetParam();
    ASSERT_EQ(Load(*set, kWalker, parent.get()), D3DRM_OK);
    ASSERT_EQ(set->SetTime(c.time), D3DRM_OK);
    ExpectMatrix(Leg().LocalTransform(), Pose(c.position, c.angle, c.scale));
}

INSTANTIATE_TEST_SUITE_P(
    Walk, AnimationSetPoses,
    testing::Values(PoseCase{"first_key", 0.0f, {0, 0, 0}, 0.0f, {1, 1, 1}},
                    PoseCase{"last_key", 10.0f, {10, 20, -30}, kPi / 2, {3, 5, 7}},
                    PoseCase{"halfway", 5.0f, {5, 10, -15}, kPi / 4, {2, 3, 4}},
                    PoseCase{"a_quarter", 2.5f, {2.5f, 5, -7.5f}, kPi / 8, {1.5f, 2, 2.5f}},
                    PoseCase{"before_the_first_key", -5.0f, {0, 0, 0}, 0.0f, {1, 1, 1}},
                    PoseCase{"after_the_last_key", 1200.0f, {10, 20, -30}, kPi / 2, {3, 5, 7}}),
    [](const testing::TestParamInfo<PoseCase>& test) { return std::string(test.param.what); });

TEST_F(AnimationSetTest, AFrameKeyedOnlyInPositionKeepsItsFileTurn)
{
    ASSERT_EQ(Load(*set, kWalker, parent.get()), D3DRM_OK);
    set->SetTime(5.0f);
    ExpectMatrix(Body().LocalTransform(), Pose({100, 0, 25}, kPi / 2, {1, 1, 1}));
    ExpectMatrix(parent->Children()[1]->LocalTransform(), Pose({0, 0, -7}, 0, {1, 1, 1}));
}

TEST_F(AnimationSetTest, TurnsTheShorterWayBetweenKeys)
{
    // From 90° to -170°: the short way runs on through 180° (140° halfway), not back through 0°.
    const std::string text = XFile("Frame Head {\n" + Triangle() + "}\n"
                                   "AnimationSet { Animation { { Head }\n"
                                   "  AnimationKey { 0; 2; 0;4;0.7071068,0.0,-0.7071068,0.0;;, "
                                   "8;4;0.0871557,0.0,0.9961947,0.0;;; } } }\n");
    ASSERT_EQ(Load(*set, text, parent.get()), D3DRM_OK);
    set->SetTime(4.0f);
    ExpectMatrix(parent->Children().at(0)->LocalTransform(), Pose({0, 0, 0}, kPi * 140 / 180, {1, 1, 1}));
}

TEST_F(AnimationSetTest, AModelWithoutAnimationLoadsAndStaysPut)
{
    const std::string text = XFile("Frame Still {\n"
                                   + Matrix("1.0,0.0,0.0,0.0, 0.0,1.0,0.0,0.0, 0.0,0.0,1.0,0.0, 4.0,5.0,6.0,1.0")
                                   + Triangle() + "}\n");
    ASSERT_EQ(Load(*set, text, parent.get()), D3DRM_OK);
    ASSERT_EQ(parent->Children().size(), 1u);
    const Matrix4 before = parent->Children()[0]->LocalTransform();
    EXPECT_EQ(set->SetTime(600.0f), D3DRM_OK);
    EXPECT_EQ(parent->Children()[0]->LocalTransform().m, before.m);
}

TEST_F(AnimationSetTest, AFailingTextureFailsTheLoadAndLeavesTheParentAsItWas)
{
    TextureLoads loads;
    loads.answer = rm::D3DRMERR_NOTFOUND;
    EXPECT_EQ(Load(*set, kWalker, parent.get(), &loads), rm::D3DRMERR_NOTFOUND);
    EXPECT_EQ(loads.names, (std::vector<std::string>{"skin.bmp"}));
    EXPECT_TRUE(parent->Children().empty());
    EXPECT_TRUE(parent->Visuals().empty());
}

// A parent that takes its first child and refuses the second.
class PickyFrame final : public rm::Frame3 {
public:
    rm::HRESULT AddChild(rm::Frame3* child) override
    {
        return ++calls_ > 1 ? rm::D3DRMERR_BADOBJECT : rm::Frame3::AddChild(child);
    }

private:
    int calls_ = 0;
};

TEST_F(AnimationSetTest, AParentThatRefusesAFrameGetsNoneOfTheModel)
{
    const auto picky = rm::MakePtr<PickyFrame>();
    EXPECT_EQ(Load(*set, kWalker, picky.get()), rm::D3DRMERR_BADOBJECT);
    EXPECT_TRUE(picky->Children().empty());
    EXPECT_EQ(Load(*set, kWalker, nullptr), rm::D3DRMERR_BADOBJECT);
}

struct BadSource {
    const char* what;
    std::string text;
};

// `sets` animation sets of `animations` one-key animations each, all moving Head.
std::string ManyAnimations(int sets, int animations)
{
    std::string text = XFile("Frame Head {}\n");
    for (int s = 0; s < sets; ++s) {
        text += "AnimationSet {\n";
        for (int a = 0; a < animations; ++a)
            text += "  Animation { { Head } AnimationKey { 2; 1; 0;3;1.0,2.0,3.0;;; } }\n";
        text += "}\n";
    }
    return text;
}

TEST_F(AnimationSetTest, AThousandAnimatedFramesStillLoad)
{
    EXPECT_EQ(Load(*set, ManyAnimations(16, 64), parent.get()), D3DRM_OK);
}

class AnimationSetBadSources : public AnimationSetTest, public testing::WithParamInterface<BadSource> {};

TEST_P(AnimationSetBadSources, FailAsABadFileAndLeaveTheParentAsItWas)
{
    EXPECT_EQ(Load(*set, GetParam().text, parent.get()), D3DRMERR_BADFILE);
    EXPECT_TRUE(parent->Children().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Hostile, AnimationSetBadSources,
    testing::Values(BadSource{"garbage", "no model here"}, BadSource{"truncated", kWalker.substr(0, kWalker.size() - 40)},
                    BadSource{"rotation_of_three_values",
                              XFile("Frame Head {}\nAnimationSet { Animation { { Head }\n"
                                    "  AnimationKey { 0; 1; 0;3;1.0,0.0,0.0;;; } } }\n")},
                    BadSource{"too_many_animations", ManyAnimations(1, 1025)},
                    BadSource{"too_many_animation_sets", ManyAnimations(65, 0)},
                    BadSource{"unknown_key_kind", XFile("Frame Head {}\nAnimationSet { Animation { { Head }\n"
                                                        "  AnimationKey { 7; 1; 0;3;1.0,0.0,0.0;;; } } }\n")}),
    [](const testing::TestParamInfo<BadSource>& test) { return std::string(test.param.what); });

TEST_F(AnimationSetTest, AMissingFileIsABadFile)
{
    EXPECT_EQ(set->Load("no-such-model.x", nullptr, rm::D3DRMLOAD_FROMFILE, nullptr, nullptr, parent.get()),
              D3DRMERR_BADFILE);
    EXPECT_TRUE(parent->Children().empty());
}

} // namespace
