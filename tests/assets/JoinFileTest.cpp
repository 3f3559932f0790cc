#include "assets/JoinFile.h"

#include "JoinFileWriter.h"
#include "support/HostileFiles.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Text(const std::string& text)
{
    return {text.begin(), text.end()};
}

void PutInt32(Bytes& bytes, std::size_t at, std::int32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) >> (8 * i));
}

// Where the fields of table row `row` start.
constexpr std::size_t NameAt(int row) { return 8 + 24 * row; }
constexpr std::size_t OffsetAt(int row) { return NameAt(row) + 16; }
constexpr std::size_t SizeAt(int row) { return NameAt(row) + 20; }

class JoinFileTest : public ::testing::Test {
protected:
    std::string WriteFile(const Bytes& bytes, const std::string& name = "archive.jx")
    {
        const std::string path = dir_.filePath(QString::fromStdString(name)).toStdString();
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        return path;
    }

    // Two entries: 01A = "first", 03B = "second entry".
    static Bytes TwoEntries()
    {
        JoinFileWriter writer("ANI");
        writer.Add("01A", Text("first"));
        writer.Add("03B", Text("second entry"));
        return writer.Bytes();
    }

    static std::string Read(TJoinFile& archive, const std::string& name)
    {
        std::unique_ptr<std::uint8_t[]> data;
        std::int32_t size = -1;
        if (!archive.ReadEntry(name, data, size))
            return "<failed>";
        return std::string(reinterpret_cast<const char*>(data.get()), size);
    }

    static void ExpectNoTable(const TJoinFile& archive)
    {
        EXPECT_EQ(archive.Count, 0);
        EXPECT_EQ(archive.Entries, nullptr);
    }

    QTemporaryDir dir_;
};

TEST_F(JoinFileTest, ReadsWhatTheWriterWrote)
{
    JoinFileWriter writer("ANI");
    const Bytes binary{0, 1, 2, 0xFF, 0, 0x80};
    writer.Add("01A", Text("first"));
    writer.Add("fifteen_chars_x", binary);
    writer.Add("03B", Text("third"));
    TJoinFile archive("ANI");
    ASSERT_TRUE(archive.Open(WriteFile(writer.Bytes())));

    EXPECT_EQ(archive.Count, 3);
    EXPECT_EQ(Read(archive, "03B"), "third");
    EXPECT_EQ(Read(archive, "01A"), "first");
    std::unique_ptr<std::uint8_t[]> data;
    std::int32_t size = 0;
    ASSERT_TRUE(archive.ReadEntry("fifteen_chars_x", data, size));
    EXPECT_EQ(Bytes(data.get(), data.get() + size), binary);
    EXPECT_EQ(Read(archive, "02A"), "<failed>");
}

TEST_F(JoinFileTest, ConstructorKeepsAtMostThreeCharacters)
{
    EXPECT_EQ(std::memcmp(TJoinFile("ANIMAL").Signature, "ANI\0", 4), 0);
    EXPECT_EQ(std::memcmp(TJoinFile("A").Signature, "A\0\0\0", 4), 0);
    EXPECT_EQ(std::memcmp(TJoinFile(nullptr).Signature, "\0\0\0\0", 4), 0);
}

struct SignatureCase {
    const char* expected;
    const char header[4];
    bool opens;
};

class SignatureTest : public JoinFileTest, public ::testing::WithParamInterface<SignatureCase> {};

TEST_P(SignatureTest, ComparesTheFirstThreeBytesWithCase)
{
    Bytes bytes = TwoEntries();
    std::memcpy(bytes.data(), GetParam().header, 4);
    TJoinFile archive(GetParam().expected);
    EXPECT_EQ(archive.Open(WriteFile(bytes)), GetParam().opens);
    EXPECT_EQ(Read(archive, "01A"), GetParam().opens ? "first" : "<failed>");
}

INSTANTIATE_TEST_SUITE_P(Headers, SignatureTest,
                         ::testing::Values(SignatureCase{"ANI", {'A', 'N', 'I', '\0'}, true},
                                           SignatureCase{"ANI", {'A', 'N', 'I', '7'}, true},
                                           SignatureCase{"ANI", {'A', 'N', 'J', '\0'}, false},
                                           SignatureCase{"ANI", {'a', 'n', 'i', '\0'}, false},
                                           SignatureCase{"AN", {'A', 'N', '\0', 'x'}, true},
                                           SignatureCase{"AN", {'A', 'N', 'I', '\0'}, false}));

TEST_F(JoinFileTest, NamesMatchIgnoringTheCaseOfLetters)
{
    JoinFileWriter writer("ANI");
    writer.Add("03b", Text("lower"));
    writer.Add("03B", Text("upper"));
    writer.Add("04C", Text("fourth"));
    TJoinFile archive("ANI");
    ASSERT_TRUE(archive.Open(WriteFile(writer.Bytes())));

    EXPECT_EQ(Read(archive, "03B"), "lower"); // the first of two equal names wins
    EXPECT_EQ(Read(archive, "03b"), "lower");
    EXPECT_EQ(Read(archive, "04c"), "fourth");
    EXPECT_EQ(Read(archive, "04"), "<failed>");
    EXPECT_EQ(Read(archive, "04C "), "<failed>");
}

TEST_F(JoinFileTest, EmptyTableOpensAndHoldsNothing)
{
    TJoinFile archive("ANI");
    ASSERT_TRUE(archive.Open(WriteFile(JoinFileWriter("ANI").Bytes())));
    EXPECT_EQ(archive.Count, 0);
    EXPECT_EQ(Read(archive, ""), "<failed>");
    EXPECT_EQ(Read(archive, "01A"), "<failed>");
}

TEST_F(JoinFileTest, EmptyEntryReadsAsEmptyBuffer)
{
    JoinFileWriter writer("ANI");
    writer.Add("01A", {});
    TJoinFile archive("ANI");
    ASSERT_TRUE(archive.Open(WriteFile(writer.Bytes())));
    std::unique_ptr<std::uint8_t[]> data;
    std::int32_t size = -1;
    EXPECT_TRUE(archive.ReadEntry("01A", data, size));
    EXPECT_EQ(size, 0);
}

TEST_F(JoinFileTest, FailedReadLeavesTheCallersBufferAlone)
{
    TJoinFile archive("ANI");
    ASSERT_TRUE(archive.Open(WriteFile(TwoEntries())));
    auto data = std::make_unique<std::uint8_t[]>(1);
    const std::uint8_t* before = data.get();
    std::int32_t size = 1;
    EXPECT_FALSE(archive.ReadEntry("09Z", data, size));
    EXPECT_EQ(data.get(), before);
    EXPECT_EQ(size, 1);
}

TEST_F(JoinFileTest, EveryReadOpensTheFileAgain)
{
    const std::string path = WriteFile(TwoEntries());
    TJoinFile archive("ANI");
    ASSERT_TRUE(archive.Open(path));

    Bytes replaced = TwoEntries();
    std::memcpy(replaced.data() + replaced.size() - 12, "SECOND", 6);
    WriteFile(replaced);
    EXPECT_EQ(Read(archive, "03B"), "SECOND entry");

    std::filesystem::remove(path);
    EXPECT_EQ(Read(archive, "03B"), "<failed>");
    EXPECT_EQ(archive.Count, 2); // the table stays
}

TEST_F(JoinFileTest, SecondOpenReplacesTheTable)
{
    JoinFileWriter other("ANI");
    other.Add("02A", Text("other"));
    TJoinFile archive("ANI");
    ASSERT_TRUE(archive.Open(WriteFile(TwoEntries())));
    ASSERT_TRUE(archive.Open(WriteFile(other.Bytes(), "other.jx")));
    EXPECT_EQ(archive.Count, 1);
    EXPECT_EQ(Read(archive, "01A"), "<failed>");
    EXPECT_EQ(Read(archive, "02A"), "other");

    EXPECT_FALSE(archive.Open(dir_.filePath("missing.jx").toStdString()));
    ExpectNoTable(archive);
    EXPECT_EQ(Read(archive, "02A"), "<failed>");
}

// A damaged copy of the two-entry archive: either Open refuses it, or Open takes the table and
// the damaged entry 01A cannot be read while 03B still can.
struct DamageCase {
    const char* name;
    std::function<void(Bytes&)> damage;
    bool opens;
};

class DamagedArchiveTest : public JoinFileTest, public ::testing::WithParamInterface<DamageCase> {};

TEST_P(DamagedArchiveTest, FailsWithoutReadingOutsideTheFile)
{
    Bytes bytes = TwoEntries();
    GetParam().damage(bytes);
    TJoinFile archive("ANI");
    ASSERT_EQ(archive.Open(WriteFile(bytes)), GetParam().opens);
    if (GetParam().opens) {
        EXPECT_EQ(Read(archive, "01A"), "<failed>");
        EXPECT_EQ(Read(archive, "03B"), "second entry");
    } else {
        ExpectNoTable(archive);
        EXPECT_EQ(Read(archive, "01A"), "<failed>");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Damage, DamagedArchiveTest,
    ::testing::Values(
        DamageCase{"OnlySixBytes", [](Bytes& b) { b.resize(6); }, false},
        DamageCase{"TableCutShort", [](Bytes& b) { b.resize(NameAt(2) - 1); }, false},
        DamageCase{"NegativeCount", [](Bytes& b) { PutInt32(b, 4, -1); }, false},
        DamageCase{"CountBeyondTheFile", [](Bytes& b) { PutInt32(b, 4, 3); }, false},
        DamageCase{"HugeCount", [](Bytes& b) { PutInt32(b, 4, 0x7FFFFFFF); }, false},
        DamageCase{"UnterminatedName",
                   [](Bytes& b) {
                       std::memset(b.data() + NameAt(0), 'A', 16);
                   },
                   true},
        DamageCase{"NegativeOffset", [](Bytes& b) { PutInt32(b, OffsetAt(0), -4); }, true},
        DamageCase{"NegativeSize", [](Bytes& b) { PutInt32(b, SizeAt(0), -1); }, true},
        DamageCase{"OffsetPastTheEnd", [](Bytes& b) { PutInt32(b, OffsetAt(0), 1000); }, true},
        DamageCase{"DataPastTheEnd", [](Bytes& b) { PutInt32(b, SizeAt(0), 1000); }, true},
        DamageCase{"HugeSize", [](Bytes& b) { PutInt32(b, SizeAt(0), 0x7FFFFFFF); }, true},
        DamageCase{"OffsetAndSizeOverflow",
                   [](Bytes& b) {
                       PutInt32(b, OffsetAt(0), 0x7FFFFFF0);
                       PutInt32(b, SizeAt(0), 0x7FFFFFF0);
                   },
                   true}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(JoinFileTest, UnterminatedNameNeverMatchesTheBytesBehindIt)
{
    Bytes bytes = TwoEntries();
    std::memset(bytes.data() + NameAt(0), 'A', 16);
    TJoinFile archive("ANI");
    ASSERT_TRUE(archive.Open(WriteFile(bytes)));
    // Read on to a NUL, the name would run into the offset 56, the character '8'.
    EXPECT_EQ(Read(archive, std::string(16, 'A') + '8'), "<failed>");
    EXPECT_EQ(Read(archive, std::string(16, 'A')), "<failed>");
}

TEST(JoinFileWriterTest, RefusesNamesThatDoNotFit)
{
    JoinFileWriter writer("ANI");
    EXPECT_THROW(writer.Add("sixteen_chars_xx", {}), std::invalid_argument);
    EXPECT_THROW(JoinFileWriter("ANIM"), std::invalid_argument);
}

} // namespace

namespace {

// An archive whose one entry, 03B, claims `entrySize` bytes that a sparse file of that length
// seems to hold.
QByteArray SparseArchiveHead(std::int32_t count, std::int32_t entrySize)
{
    Bytes head = JoinFileWriter("ANI").Bytes();
    PutInt32(head, 4, count);
    head.resize(NameAt(1));
    std::memcpy(head.data() + NameAt(0), "03B", 4);
    PutInt32(head, OffsetAt(0), static_cast<std::int32_t>(NameAt(1)));
    PutInt32(head, SizeAt(0), entrySize);
    return QByteArray(reinterpret_cast<const char*>(head.data()), static_cast<qsizetype>(head.size()));
}

TEST_F(JoinFileTest, AnEntryLongerThanTheCallerTakesIsRefusedUnread)
{
    constexpr std::int32_t kClaimed = 0x7FFFFF00; // 2 GiB, and the file seems to hold it
    const QString path = dir_.filePath(QStringLiteral("sparse.jx"));
    ASSERT_TRUE(WriteSparseFile(path, SparseArchiveHead(1, kClaimed), NameAt(1) + std::int64_t{kClaimed}));
    TJoinFile archive("ANI");
    ASSERT_TRUE(archive.Open(path.toStdString()));
    std::unique_ptr<std::uint8_t[]> data;
    std::int32_t size = -1;
    EXPECT_FALSE(archive.ReadEntry("03B", data, size, 1 << 20));
    EXPECT_EQ(data, nullptr);
    EXPECT_EQ(size, -1);

    ASSERT_TRUE(archive.Open(WriteFile(TwoEntries())));
    EXPECT_TRUE(archive.ReadEntry("03B", data, size, 12));
    EXPECT_EQ(size, 12);
    EXPECT_FALSE(archive.ReadEntry("03B", data, size, 11));
}

TEST_F(JoinFileTest, AHugeTableIsRefusedEvenWhenASparseFileSeemsToHoldIt)
{
    constexpr std::int32_t kCount = 80'000'000; // a table of 1.9 GB
    const QString path = dir_.filePath(QStringLiteral("sparse.jx"));
    ASSERT_TRUE(WriteSparseFile(path, SparseArchiveHead(kCount, 1), NameAt(kCount) + 1));
    TJoinFile archive("ANI");
    EXPECT_FALSE(archive.Open(path.toStdString()));
    ExpectNoTable(archive);
}

TEST_F(JoinFileTest, APipeOrADeviceIsNoArchive)
{
    const QString pipe = dir_.filePath(QStringLiteral("AniMesh.jx"));
    ASSERT_TRUE(MakePipe(pipe));
    TJoinFile archive("ANI");
    bool opened = true;
    EXPECT_TRUE(ReturnsInTime([&] { opened = archive.Open(pipe.toStdString()); }, pipe));
    EXPECT_FALSE(opened);

    const QString device = dir_.filePath(QStringLiteral("zero.jx"));
    ASSERT_TRUE(LinkToZeroDevice(device));
    EXPECT_FALSE(archive.Open(device.toStdString()));

    // The archive swapped for a pipe after Open: reading an entry must not wait either.
    const std::string path = WriteFile(TwoEntries(), "swapped.jx");
    ASSERT_TRUE(archive.Open(path));
    std::filesystem::remove(path);
    ASSERT_TRUE(MakePipe(QString::fromStdString(path)));
    EXPECT_TRUE(ReturnsInTime([&] { opened = Read(archive, "03B") != "<failed>"; }, QString::fromStdString(path)));
    EXPECT_FALSE(opened);
}

} // namespace
