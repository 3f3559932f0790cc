#include "assets/CharacterModels.h"

#include "assets/JoinFile.h"
#include "engine/DXAnimation.h"
#include "engine/DXCore.h"
#include "engine/DXScene.h"

#include "JoinFileWriter.h"

#include <QTemporaryDir>

#include "fakes/CharacterStage.h"
#include "rm/Types.h"
#include "support/HostileFiles.h"

#include <gtest/gtest.h>

namespace {

struct NameCase {
    std::int32_t shape;
    std::int32_t animation;
    std::string expected;
};

class CharacterEntryNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(CharacterEntryNameTest, FormatsNumberAndLetter)
{
    EXPECT_EQ(CharacterEntryName(GetParam().shape, GetParam().animation), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Names, CharacterEntryNameTest,
                         ::testing::Values(NameCase{3, 2, "03B"}, NameCase{1, 1, "01A"},
                                           NameCase{12, 3, "12C"}, NameCase{0, 26, "00Z"},
                                           NameCase{100, 1, "100A"}, NameCase{-1, 1, "-1A"},
                                           // only the low byte of 64 + n makes the letter
                                           NameCase{3, 2 + 256, "03B"}, NameCase{3, 2 - 256, "03B"}));

class LoadAnimationEntryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        JoinFileWriter writer("ANI");
        writer.Add("03b", {'x', 'o', 'f'});
        const std::string path = dir_.filePath("AniMesh.jx").toStdString();
        ASSERT_TRUE(writer.Save(path));
        ASSERT_TRUE(archive_.Open(path));

    }

    QTemporaryDir dir_;
    TJoinFile archive_{"ANI"};
    CharacterStage stage_;
    TDXAnimation& animation_ = stage_.animation;
};

TEST_F(LoadAnimationEntryTest, LoadsTheEntryWhateverTheCaseOfItsName)
{
    EXPECT_TRUE(LoadAnimationEntry(archive_, CharacterEntryName(3, 2), animation_));
    EXPECT_TRUE(animation_.Loaded());
}

TEST_F(LoadAnimationEntryTest, MissingEntryKeepsTheCharacterShown)
{
    ASSERT_TRUE(LoadAnimationEntry(archive_, "03B", animation_));
    EXPECT_FALSE(LoadAnimationEntry(archive_, "01A", animation_));
    EXPECT_TRUE(animation_.Loaded());
}

TEST_F(LoadAnimationEntryTest, ClosedArchiveKeepsTheCharacterShown)
{
    ASSERT_TRUE(LoadAnimationEntry(archive_, "03B", animation_));
    archive_.Close();
    EXPECT_FALSE(LoadAnimationEntry(archive_, "03B", animation_));
    EXPECT_TRUE(animation_.Loaded());
}

// A 4 KB sparse archive whose 03B claims 2 GiB: refused before a byte of it is allocated.
TEST_F(LoadAnimationEntryTest, AnEntryLongerThanAnyModelKeepsTheCharacterShown)
{
    ASSERT_TRUE(LoadAnimationEntry(archive_, "03B", animation_));
    JoinFileWriter writer("ANI");
    writer.Add("03B", std::vector<std::uint8_t>(4096));
    std::vector<std::uint8_t> bytes = writer.Bytes();
    constexpr std::size_t kSizeAt = 8 + 20;  // of the first table row
    constexpr std::int64_t kDataAt = 8 + 24; // right after the table
    constexpr std::int32_t kClaimed = 0x7FFFFF00;
    for (std::size_t i = 0; i < 4; ++i)
        bytes[kSizeAt + i] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(kClaimed) >> (8 * i));
    const QByteArray head(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
    static_assert(kClaimed > rm::kMaxModelBytes);
    const QString path = dir_.filePath(QStringLiteral("sparse.jx"));
    ASSERT_TRUE(WriteSparseFile(path, head, kDataAt + kClaimed));
    TJoinFile sparse("ANI");
    ASSERT_TRUE(sparse.Open(path.toStdString()));

    EXPECT_FALSE(LoadAnimationEntry(sparse, "03B", animation_));
    EXPECT_TRUE(animation_.Loaded());
}

TEST_F(LoadAnimationEntryTest, UnlinkedAnimationGivesUpTheOldCharacterAndLoadsNone)
{
    ASSERT_TRUE(LoadAnimationEntry(archive_, "03B", animation_));
    animation_.DXScene = nullptr;
    EXPECT_TRUE(LoadAnimationEntry(archive_, "03B", animation_)); // the entry was read
    EXPECT_FALSE(animation_.Loaded());
}

} // namespace
