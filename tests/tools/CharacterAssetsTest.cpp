#include "Characters.h"
#include "Motion.h"
#include "Shapes.h"
#include "XFileWriter.h"
#include "assets/JoinFile.h"

#include <assimp/Importer.hpp>
#include <assimp/postprocess.h>
#include <assimp/scene.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <memory>
#include <numbers>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// Reads a model as the program's loader does, in the file's own left-handed coordinates.
const aiScene* Read(Assimp::Importer& importer, const void* data, std::size_t size)
{
    return importer.ReadFileFromMemory(data, size, aiProcess_ConvertToLeftHanded, "x");
}

// The angle between two turns, whichever sign their quaternions carry.
double DegreesBetween(const aiQuaternion& a, const aiQuaternion& b)
{
    const double dot = std::abs(a.w * b.w + a.x * b.x + a.y * b.y + a.z * b.z);
    return 2 * std::acos(std::min(1.0, dot)) * 180 / std::numbers::pi;
}

// A root frame carrying an arm at (1, 2, 3).
Frame ArmModel()
{
    return {"Root", {}, {}, {{"Arm", {1.0f, 2.0f, 3.0f}, Box({}, {1.0f, 1.0f, 1.0f}, {1.0f, 0.0f, 0.0f}), {}}}};
}

TEST(XFileWriter, AnimationKeysReadBackAsWritten)
{
    const Quaternion turn30AboutY{0.965926f, 0.0f, 0.258819f, 0.0f};
    const AnimationSet wave{"Wave",
                            {{"Arm",
                              {{0, turn30AboutY}, {10, {}}},
                              {{0, {1.0f, 2.0f, 1.0f}}},
                              {{0, {1.0f, 2.0f, 3.0f}}, {10, {4.5f, 2.0f, 3.0f}}}}}};
    const std::string text = XFileText(ArmModel(), wave);
    // Whole numbers keep their point: the reader takes "1" in a list of floats for an integer.
    EXPECT_NE(text.find("0;3;1.0,2.0,3.0;;,"), std::string::npos);

    Assimp::Importer importer;
    const aiScene* scene = Read(importer, text.data(), text.size());
    ASSERT_NE(scene, nullptr) << importer.GetErrorString();
    ASSERT_EQ(scene->mNumAnimations, 1u);
    EXPECT_STREQ(scene->mAnimations[0]->mName.C_Str(), "Wave");
    ASSERT_EQ(scene->mAnimations[0]->mNumChannels, 1u);
    const aiNodeAnim& arm = *scene->mAnimations[0]->mChannels[0];
    EXPECT_STREQ(arm.mNodeName.C_Str(), "Arm");
    ASSERT_EQ(arm.mNumPositionKeys, 2u);
    EXPECT_EQ(arm.mPositionKeys[0].mValue, aiVector3D(1.0f, 2.0f, 3.0f));
    EXPECT_EQ(arm.mPositionKeys[1].mTime, 10.0);
    EXPECT_EQ(arm.mPositionKeys[1].mValue, aiVector3D(4.5f, 2.0f, 3.0f));
    ASSERT_EQ(arm.mNumScalingKeys, 1u);
    EXPECT_EQ(arm.mScalingKeys[0].mValue, aiVector3D(1.0f, 2.0f, 1.0f));
    ASSERT_EQ(arm.mNumRotationKeys, 2u);
    const aiQuaternion& turn = arm.mRotationKeys[0].mValue;
    EXPECT_NEAR(DegreesBetween(turn, aiQuaternion()), 30.0, 1e-3);
    EXPECT_NEAR(std::abs(turn.y), 0.258819, 1e-5); // about y
    EXPECT_EQ(arm.mRotationKeys[1].mTime, 10.0);
    EXPECT_NEAR(DegreesBetween(arm.mRotationKeys[1].mValue, aiQuaternion()), 0.0, 1e-3);
}

TEST(XFileWriter, RefusesNumbersThatAreNotFinite)
{
    Frame model = ArmModel();
    model.children[0].origin.y = std::numeric_limits<float>::quiet_NaN();
    EXPECT_THROW(XFileText(model), std::invalid_argument);

    const AnimationSet away{"Away", {{"Arm", {}, {}, {{0, {std::numeric_limits<float>::infinity(), 0.0f, 0.0f}}}}}};
    EXPECT_THROW(XFileText(ArmModel(), away), std::invalid_argument);
}

TEST(SampleAnimation, KeysEveryTimeButOnlyTheEndsOfWhatNeverChanges)
{
    const auto hop = [](int time) {
        Pose pose;
        pose.offset.y = static_cast<float>(time % 2);
        return pose;
    };
    const AnimationSet hopping = SampleAnimation("Hop", ArmModel(), {{"Arm", hop}});
    ASSERT_EQ(hopping.frames.size(), 1u);
    const FrameKeys& arm = hopping.frames[0];
    EXPECT_EQ(arm.frame, "Arm");
    ASSERT_EQ(arm.positions.size(), static_cast<std::size_t>(kLastKeyTime + 1));
    for (int time : {0, 1, 2, kLastKeyTime}) {
        EXPECT_EQ(arm.positions[time].time, time);
        // The keys stand in for the frame's placement: its origin plus the offset.
        EXPECT_EQ(arm.positions[time].value, (Vec3{1.0f, 2.0f + static_cast<float>(time % 2), 3.0f})) << time;
    }
    ASSERT_EQ(arm.rotations.size(), 2u);
    EXPECT_EQ(arm.rotations[0].time, 0);
    EXPECT_EQ(arm.rotations[1].time, kLastKeyTime);
    EXPECT_EQ(arm.rotations[1].value, Quaternion{});
    ASSERT_EQ(arm.scales.size(), 2u);
    EXPECT_EQ(arm.scales[1].time, kLastKeyTime);
    EXPECT_EQ(arm.scales[1].value, (Vec3{1.0f, 1.0f, 1.0f}));
}

TEST(SampleAnimation, RefusesAFrameTheModelLacks)
{
    EXPECT_THROW(SampleAnimation("Kick", ArmModel(), {{"Leg", [](int) { return Pose{}; }}}), std::invalid_argument);
}

// The key of a kind in force at `time`: the last one at or before it.
template <class KeyType>
const KeyType& KeyAt(const KeyType* keys, unsigned count, int time)
{
    unsigned i = 0;
    while (i + 1 < count && keys[i + 1].mTime <= time)
        ++i;
    return keys[i];
}

const aiNodeAnim* Channel(const aiAnimation& animation, const std::string& frame)
{
    for (unsigned i = 0; i < animation.mNumChannels; ++i) {
        if (frame == animation.mChannels[i]->mNodeName.C_Str())
            return animation.mChannels[i];
    }
    return nullptr;
}

aiMatrix4x4 Placement(const aiNode& node, const aiAnimation& animation, int time)
{
    const aiNodeAnim* channel = Channel(animation, node.mName.C_Str());
    if (!channel)
        return node.mTransformation;
    aiMatrix4x4 translation, scaling;
    aiMatrix4x4::Translation(KeyAt(channel->mPositionKeys, channel->mNumPositionKeys, time).mValue, translation);
    aiMatrix4x4::Scaling(KeyAt(channel->mScalingKeys, channel->mNumScalingKeys, time).mValue, scaling);
    const aiQuaternion turn = KeyAt(channel->mRotationKeys, channel->mNumRotationKeys, time).mValue;
    return translation * aiMatrix4x4(turn.GetMatrix()) * scaling;
}

// The lowest vertex of the model posed at `time`.
float LowestPoint(const aiScene& scene, const aiNode& node, const aiMatrix4x4& parent, int time)
{
    const aiMatrix4x4 placement = parent * Placement(node, *scene.mAnimations[0], time);
    float lowest = std::numeric_limits<float>::infinity();
    for (unsigned m = 0; m < node.mNumMeshes; ++m) {
        const aiMesh& mesh = *scene.mMeshes[node.mMeshes[m]];
        for (unsigned v = 0; v < mesh.mNumVertices; ++v)
            lowest = std::min(lowest, (placement * mesh.mVertices[v]).y);
    }
    for (unsigned c = 0; c < node.mNumChildren; ++c)
        lowest = std::min(lowest, LowestPoint(scene, *node.mChildren[c], placement, time));
    return lowest;
}

struct EntryCase {
    const char* entry;
    const char* animation;
};

void PrintTo(const EntryCase& entry, std::ostream* out)
{
    *out << entry.entry;
}

// An entry of the generated archive, read through the program's archive reader.
class GeneratedCharacter : public ::testing::TestWithParam<EntryCase> {
protected:
    void SetUp() override
    {
        TJoinFile archive("ANI");
        ASSERT_TRUE(archive.Open(QEL_DATA_DIR "/AniMesh.jx"));
        std::unique_ptr<std::uint8_t[]> data;
        std::int32_t size = 0;
        ASSERT_TRUE(archive.ReadEntry(GetParam().entry, data, size));
        scene_ = Read(importer_, data.get(), static_cast<std::size_t>(size));
        ASSERT_NE(scene_, nullptr) << importer_.GetErrorString();
        ASSERT_EQ(scene_->mNumAnimations, 1u);
        animation_ = scene_->mAnimations[0];
    }

    Assimp::Importer importer_;
    const aiScene* scene_ = nullptr;
    const aiAnimation* animation_ = nullptr;
};

TEST_P(GeneratedCharacter, HasMeshesAndAnimatesExistingFramesOverTheWholeKeyRange)
{
    ASSERT_GT(scene_->mNumMeshes, 0u);
    for (unsigned m = 0; m < scene_->mNumMeshes; ++m) {
        EXPECT_GT(scene_->mMeshes[m]->mNumVertices, 0u);
        EXPECT_GT(scene_->mMeshes[m]->mNumFaces, 0u);
    }
    EXPECT_STREQ(animation_->mName.C_Str(), GetParam().animation);
    ASSERT_GT(animation_->mNumChannels, 0u);
    for (unsigned c = 0; c < animation_->mNumChannels; ++c) {
        const aiNodeAnim& channel = *animation_->mChannels[c];
        SCOPED_TRACE(channel.mNodeName.C_Str());
        EXPECT_NE(scene_->mRootNode->FindNode(channel.mNodeName), nullptr);
        const auto checkTimes = [](const auto* keys, unsigned count) {
            ASSERT_GE(count, 2u);
            EXPECT_EQ(keys[0].mTime, 0.0);
            EXPECT_EQ(keys[count - 1].mTime, static_cast<double>(kLastKeyTime));
            for (unsigned k = 1; k < count; ++k)
                EXPECT_LT(keys[k - 1].mTime, keys[k].mTime);
        };
        checkTimes(channel.mRotationKeys, channel.mNumRotationKeys);
        checkTimes(channel.mScalingKeys, channel.mNumScalingKeys);
        checkTimes(channel.mPositionKeys, channel.mNumPositionKeys);
    }
}

// The program shows whole key times only, five a second: each must be a new pose.
TEST_P(GeneratedCharacter, EveryKeyTimeShowsANewPose)
{
    const auto changes = [this](int time) {
        for (unsigned c = 0; c < animation_->mNumChannels; ++c) {
            const aiNodeAnim& ch = *animation_->mChannels[c];
            if (!(KeyAt(ch.mRotationKeys, ch.mNumRotationKeys, time).mValue
                  == KeyAt(ch.mRotationKeys, ch.mNumRotationKeys, time + 1).mValue)
                || KeyAt(ch.mScalingKeys, ch.mNumScalingKeys, time).mValue
                    != KeyAt(ch.mScalingKeys, ch.mNumScalingKeys, time + 1).mValue
                || KeyAt(ch.mPositionKeys, ch.mNumPositionKeys, time).mValue
                    != KeyAt(ch.mPositionKeys, ch.mNumPositionKeys, time + 1).mValue)
                return true;
        }
        return false;
    };
    for (int time = 0; time < kLastKeyTime; ++time)
        ASSERT_TRUE(changes(time)) << "key times " << time << " and " << time + 1 << " look alike";
}

TEST_P(GeneratedCharacter, KeepsOnTheGroundInEveryPose)
{
    // Enough key times to go through every cycle of every motion at least once.
    for (int time = 0; time <= 48; ++time) {
        const float lowest = LowestPoint(*scene_, *scene_->mRootNode, aiMatrix4x4(), time);
        EXPECT_GE(lowest, -0.25f) << "sinks into the floor at key time " << time;
        EXPECT_LE(lowest, 1.0f) << "floats above the floor at key time " << time;
    }
}

// Where the start camera shows a scene point in the 400 × 300 view, in pixels from the top: the
// camera stands at (0, 3000, −2000) looking at the origin, and at distance 1 the view reaches 0.5
// from its centre across the shorter side.
double ShownRow(const aiVector3D& point)
{
    const aiVector3D eye(0, 3000, -2000);
    const aiVector3D forward = (-eye).Normalize();
    const aiVector3D up = aiVector3D(0, 2, 3).Normalize(); // square to forward, in the y-z plane
    const aiVector3D d = point - eye;
    return 150.0 - (d * up) / (d * forward) / 0.5 * 150.0;
}

void ShownRows(const aiScene& scene, const aiNode& node, const aiMatrix4x4& parent, int time, double& top,
               double& bottom)
{
    const aiMatrix4x4 placement = parent * Placement(node, *scene.mAnimations[0], time);
    for (unsigned m = 0; m < node.mNumMeshes; ++m) {
        const aiMesh& mesh = *scene.mMeshes[node.mMeshes[m]];
        for (unsigned v = 0; v < mesh.mNumVertices; ++v) {
            const double row = ShownRow(placement * mesh.mVertices[v]);
            top = std::min(top, row);
            bottom = std::max(bottom, row);
        }
    }
    for (unsigned c = 0; c < node.mNumChildren; ++c)
        ShownRows(scene, *node.mChildren[c], placement, time, top, bottom);
}

TEST_P(GeneratedCharacter, ShowsAtLeast36PixelsLongAtTheStartCamera)
{
    double top = std::numeric_limits<double>::infinity();
    double bottom = -top;
    ShownRows(*scene_, *scene_->mRootNode, aiMatrix4x4(), 0, top, bottom);
    EXPECT_GE(bottom - top, 36.0);
    EXPECT_LE(bottom - top, 80.0) << "and leaves the drawing around it in view";
}

INSTANTIATE_TEST_SUITE_P(AllEntries, GeneratedCharacter,
                         ::testing::Values(EntryCase{"01A", "Stand"}, EntryCase{"01B", "Walk"},
                                           EntryCase{"02A", "Stand"}, EntryCase{"02B", "Walk"},
                                           EntryCase{"03A", "Stand"}, EntryCase{"03B", "Walk"}));

using LeggedWalk = GeneratedCharacter;

TEST_P(LeggedWalk, LegsSwingAboutTheirHipsInDiagonalPairs)
{
    const char* const legs[] = {"LegFL", "LegFR", "LegBL", "LegBR"};
    for (const char* leg : legs) {
        SCOPED_TRACE(leg);
        const aiNodeAnim* channel = Channel(*animation_, leg);
        ASSERT_NE(channel, nullptr);
        ASSERT_EQ(channel->mNumRotationKeys, static_cast<unsigned>(kLastKeyTime + 1));
        // A leg turns about its hip, so it stays where the model hangs it.
        const aiNode* node = scene_->mRootNode->FindNode(leg);
        ASSERT_NE(node, nullptr);
        const aiVector3D hip(node->mTransformation.a4, node->mTransformation.b4, node->mTransformation.c4);
        for (unsigned k = 0; k < channel->mNumPositionKeys; ++k)
            EXPECT_EQ(channel->mPositionKeys[k].mValue, hip);
    }
    const auto turn = [this](const char* leg, int time) {
        return Channel(*animation_, leg)->mRotationKeys[time].mValue;
    };
    // A forward contact, then the other leg's: 25° forward and back; a whole stride later the same.
    EXPECT_NEAR(DegreesBetween(turn("LegFL", 0), aiQuaternion()), 25.0, 0.01);
    EXPECT_NEAR(DegreesBetween(turn("LegFL", 0), turn("LegFL", 2)), 50.0, 0.01);
    EXPECT_NEAR(DegreesBetween(turn("LegFL", 0), turn("LegFL", 4)), 0.0, 0.01);
    EXPECT_NEAR(DegreesBetween(turn("LegFL", 1000), turn("LegFL", 1002)), 50.0, 0.01);
    for (int time : {0, 1, 2, 3, 601}) {
        SCOPED_TRACE(time);
        EXPECT_NEAR(DegreesBetween(turn("LegFL", time), turn("LegBR", time)), 0.0, 0.01);
        EXPECT_NEAR(DegreesBetween(turn("LegFR", time), turn("LegBL", time)), 0.0, 0.01);
    }
    EXPECT_NEAR(DegreesBetween(turn("LegFL", 0), turn("LegFR", 0)), 50.0, 0.01);
}

INSTANTIATE_TEST_SUITE_P(FourLeggedCharacters, LeggedWalk,
                         ::testing::Values(EntryCase{"01B", "Walk"}, EntryCase{"03B", "Walk"}));

} // namespace
