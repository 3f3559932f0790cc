#include "storage/DrawingRecordCodec.h"
#include "storage/NotebookIndex.h"
#include "storage/OwnCommandCodec.h"
#include "teach/OwnCommandList.h"
#include "teach/OwnCommandStore.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

OwnCommandPtr Command(const QString& name, std::vector<RecordEntry> steps)
{
    auto command = std::make_shared<OwnCommand>();
    command->Name = name;
    command->Picture = 3;
    command->Steps = DrawingRecord::Of(steps);
    return command;
}

NotebookContent OnePage(const DrawingRecord::CommandList& kept, const OwnCommandPtr& ran)
{
    NotebookContent content;
    content.Pages.resize(1);
    PageContent& page = content.Pages[0];
    page.Record = StartedRecord(page.Image.data(), page.Turtle);
    page.Record.Append(RunOf(ran, 6));
    content.OwnCommands = kept;
    return content;
}

TEST(OwnCommandFilesTest, AnIndexKeepsTheCommandsAndTheRecordsThatRunThem)
{
    const OwnCommandPtr petal = Command(QStringLiteral("Płatek"), {EntryOf(RecordOp::Circle, 30), EntryOf(RecordOp::Right, 60)});
    const OwnCommandPtr flower = Command(QStringLiteral("Kwiatek"), {RunOf(petal, 6), EntryOf(RecordOp::PenColor, 4)});
    const std::optional<NotebookIndex> index = DecodeIndex(EncodeIndex(OnePage({petal, flower}, flower), 1));
    ASSERT_TRUE(index);
    EXPECT_TRUE(index->DroppedCommands.isEmpty());
    ASSERT_EQ(index->OwnCommands.size(), 2u);
    EXPECT_TRUE(SameSteps(*index->OwnCommands[1], *flower));
    EXPECT_EQ(index->OwnCommands[1]->Name, QStringLiteral("Kwiatek"));
    const RecordEntry run = index->Records[0].HeadAt(index->Records[0].Size() - 1);
    ASSERT_EQ(run.Op, RecordOp::Own);
    EXPECT_EQ(run.Amount, 6);
    EXPECT_TRUE(SameSteps(*run.Command, *flower));
    EXPECT_EQ(index->Records[0].Tools().PenColor, 4) << "the run's own tools count";
}

TEST(OwnCommandFilesTest, AnIndexKeepsRepetitionsAsWrittenAndLeavesTheirStepsOutOfTheRow)
{
    const OwnCommandPtr side = Command(QStringLiteral("Bok"), {EntryOf(RecordOp::Forward, 500), EntryOf(RecordOp::Right, 720)});
    auto steps = std::make_shared<OwnCommand>();
    steps->Steps = DrawingRecord::Of({RunOf(side, 2), EntryOf(RecordOp::Circle, 127)});
    RecordEntry repetition = EntryOf(RecordOp::Repeat, 4000);
    repetition.Command = steps;
    NotebookContent content = OnePage({side}, side);
    content.Pages[0].Record.Append(repetition);
    // A row damaged by hand, holding a repetition's nameless steps.
    content.OwnCommands.push_back(steps);

    const std::optional<NotebookIndex> index = DecodeIndex(EncodeIndex(content, 1));
    ASSERT_TRUE(index);
    EXPECT_EQ(index->Records[0].Bytes(), content.Pages[0].Record.Bytes());
    const RecordEntry read = index->Records[0].HeadAt(index->Records[0].Size() - 1);
    ASSERT_EQ(read.Op, RecordOp::Repeat);
    EXPECT_TRUE(SameSteps(*read.Command, *steps));
    ASSERT_EQ(index->OwnCommands.size(), 1u);
    EXPECT_EQ(index->OwnCommands[0]->Name, QStringLiteral("Bok"));
}

// Damage done to a kept command in the index: it is dropped by name, the pages still open, and a
// record running it opens without its steps.
struct Damage {
    const char* name;
    void (*spoil)(QJsonObject& command);
};

const Damage kDamages[] = {
    {"steps_cut_short", [](QJsonObject& c) { c["steps"] = c["steps"].toString().left(3); }},
    {"steps_not_base64_of_entries", [](QJsonObject& c) { c["steps"] = QStringLiteral("////"); }},
    {"no_steps", [](QJsonObject& c) { c.remove("steps"); }},
    {"picture_out_of_range", [](QJsonObject& c) { c["picture"] = kOwnPictureCount; }},
    {"amount_out_of_range",
     [](QJsonObject& c) {
         c["steps"] = QString::fromLatin1(QByteArray::fromHex("01e90700").toBase64()); // Forward 1001
     }},
    {"a_page_snapshot_as_a_step", [](QJsonObject& c) { c["steps"] = QString::fromLatin1(QByteArray::fromHex("0f0000").toBase64()); }},
    {"nested_too_deep",
     [](QJsonObject& c) {
         QJsonObject nested = c;
         for (int level = 0; level < kMaxNestedDepth; ++level) {
             QJsonObject outer = c;
             outer["steps"] = QString::fromLatin1(QByteArray::fromHex("12010000").toBase64()); // one run of uses[0]
             outer["uses"] = QJsonArray{nested};
             nested = outer;
         }
         c = nested;
     }},
    {"more_steps_than_a_command_may_make",
     [](QJsonObject& c) {
         // Three levels over Bok, each running the one below 36 times, three times over.
         QJsonObject nested = c;
         for (int level = 1; level < kMaxOwnDepth; ++level) {
             QJsonObject outer = c;
             outer["steps"] = QString::fromLatin1(QByteArray::fromHex("122400001224000012240000").toBase64());
             outer["uses"] = QJsonArray{nested};
             nested = outer;
         }
         c = nested;
     }},
    {"run_naming_no_command", [](QJsonObject& c) { c["steps"] = QString::fromLatin1(QByteArray::fromHex("12010005").toBase64()); }},
};

class DamagedCommandTest : public ::testing::TestWithParam<Damage> {};

TEST_P(DamagedCommandTest, IsDroppedByNameAndThePagesOpen)
{
    const OwnCommandPtr bok = Command(QStringLiteral("Bok"), {EntryOf(RecordOp::Forward, 50), EntryOf(RecordOp::Right, 72)});
    QJsonObject index = QJsonDocument::fromJson(EncodeIndex(OnePage({bok}, bok), 1)).object();
    QJsonArray kept = index["ownCommands"].toArray();
    QJsonObject command = kept[0].toObject();
    GetParam().spoil(command);
    kept[0] = command;
    index["ownCommands"] = kept;
    QJsonArray used = index["recordCommands"].toArray();
    used[0] = QJsonArray{command};
    index["recordCommands"] = used;

    const std::optional<NotebookIndex> read = DecodeIndex(QJsonDocument(index).toJson());
    ASSERT_TRUE(read) << "the pages open";
    EXPECT_TRUE(read->OwnCommands.empty());
    EXPECT_EQ(read->DroppedCommands, QStringList{QStringLiteral("Bok")});
    EXPECT_TRUE(read->Records[0].Empty()) << "a run of an unreadable command cannot be replayed";
}

INSTANTIATE_TEST_SUITE_P(Damages, DamagedCommandTest, ::testing::ValuesIn(kDamages),
                         [](const auto& instance) { return std::string(instance.param.name); });

// Commands nested `levels` deep, each of `steps` steps running the one below once; the innermost
// walks and then picks a pen colour. A run of the outermost makes steps^levels steps.
OwnCommandPtr Nested(int levels, int steps)
{
    std::vector<RecordEntry> innermost(static_cast<std::size_t>(steps) - 1, EntryOf(RecordOp::Forward, 1));
    innermost.push_back(EntryOf(RecordOp::PenColor, 5));
    OwnCommandPtr command = Command(QStringLiteral("Poziom"), innermost);
    for (int level = 2; level <= levels; ++level)
        command = Command(QStringLiteral("Poziom"), std::vector<RecordEntry>(static_cast<std::size_t>(steps), RunOf(command, 1)));
    return command;
}

// Rows whose commands run the commands below them at every step: reading them costs what the file
// holds (before, the 19 KB row took longer than any start may), what a run does to the tools is
// still counted through every level, and a command whose one run would make more steps than a
// child could ever wait for is dropped where it is read.
TEST(OwnCommandFilesTest, NestedCommandsAreReadInTimeAsTheFileHoldsThem)
{
    const struct {
        const char* what;
        int levels, steps;
        bool kept;
    } bombs[] = {
        {"four levels of 200 steps (4 KB), 1.6 billion steps a run", 4, 200, false},
        {"four levels of 1,000 steps (19 KB)", 4, 1000, false},
        {"four levels of 30 steps, 810,000 steps a run", 4, 30, true},
        {"one level of 1,000 steps", 1, 1000, true},
    };
    for (const auto& bomb : bombs) {
        const QByteArray text = EncodeOwnCommandRow({Nested(bomb.levels, bomb.steps)});
        const std::optional<DecodedRow> row = DecodeOwnCommandRow(text);
        ASSERT_TRUE(row) << bomb.what;
        ASSERT_EQ(row->Commands.size(), bomb.kept ? 1u : 0u) << bomb.what;
        if (!bomb.kept)
            continue;
        EXPECT_EQ(DepthOf(*row->Commands[0]), bomb.levels) << bomb.what;
        TTurtleState tools;
        FollowCommandTools(*row->Commands[0], tools);
        EXPECT_EQ(tools.PenColor, 5) << bomb.what << ": the innermost colour counts";
        DrawingRecord page = StartedRecord(OnePage({}, row->Commands[0]).Pages[0].Image.data(), TTurtleState{});
        page.Append(RunOf(row->Commands[0], kMaxOwnTimes));
        EXPECT_EQ(page.Tools().PenColor, 5) << bomb.what;
        const std::optional<NotebookIndex> index = DecodeIndex(EncodeIndex(OnePage(row->Commands, row->Commands[0]), 1));
        ASSERT_TRUE(index) << bomb.what << ": the same commands in a notebook";
        EXPECT_EQ(index->Records[0].Tools().PenColor, 5) << bomb.what;
    }
}

// The remembered rows the fuzz target starts from, read as a start reads them: the nested ones
// too long to ever walk dropped, the spoilt command dropped by name, the rest refused.
TEST(OwnCommandFilesTest, TheRowSeedsReadAsTheyShould)
{
    const struct {
        const char* file;
        std::size_t commands;
        bool damaged;
    } seeds[] = {
        {"valid-row.json", 1, false},
        {"valid-row-nested.json", 2, false},
        {"broken-row-cut.json", 0, true},
        {"broken-row-no-list.json", 0, true},
        {"broken-row-one-spoilt.json", 2, true},
        {"hostile-row-nested-4x200.json", 0, true},
        {"hostile-row-nested-4x1000.json", 0, true},
        {"hostile-row-nested-too-deep.json", 0, true},
    };
    for (const auto& seed : seeds) {
        const KeptCommands kept = ReadOwnCommands(QStringLiteral(QEL_OWN_COMMAND_SEEDS "/") + QLatin1String(seed.file));
        EXPECT_EQ(kept.Commands.size(), seed.commands) << seed.file;
        EXPECT_EQ(kept.Damaged, seed.damaged) << seed.file;
    }
}

TEST(OwnCommandFilesTest, AnOlderIndexOpensWithNoCommandsAndItsRecords)
{
    const OwnCommandPtr bok = Command(QStringLiteral("Bok"), {EntryOf(RecordOp::Forward, 50)});
    NotebookContent content = OnePage({bok}, bok);
    content.Pages[0].Record = StartedRecord(content.Pages[0].Image.data(), content.Pages[0].Turtle);
    QJsonObject index = QJsonDocument::fromJson(EncodeIndex(content, 1)).object();
    index["format"] = 3;
    const std::optional<NotebookIndex> read = DecodeIndex(QJsonDocument(index).toJson());
    ASSERT_TRUE(read);
    EXPECT_TRUE(read->OwnCommands.empty());
    EXPECT_TRUE(read->DroppedCommands.isEmpty());
    EXPECT_EQ(read->Records[0].Size(), 1u);
}

TEST(OwnCommandFilesTest, TheRowKeepsItsNamesApartAndIsRememberedWhole)
{
    OwnCommandList row;
    const OwnCommandPtr bok = Command(QStringLiteral("Bok"), {EntryOf(RecordOp::Forward, 50)});
    ASSERT_TRUE(row.Add(bok));
    const std::pair<const char*, NameProblem> names[] = {
        {"Kwiatek", NameProblem::None},       {"Żółw", NameProblem::None},       {"", NameProblem::Empty},
        {"Naprzód", NameProblem::PanelName},  {"w prawo", NameProblem::PanelName}, {"bok", NameProblem::Taken},
        {"Bok2", NameProblem::NotLetters},    {"Abcdefghijklmnopq", NameProblem::TooLong},
    };
    for (const auto& [name, problem] : names)
        EXPECT_EQ(row.CheckName(QString::fromUtf8(name)), problem) << name;
    EXPECT_EQ(row.CheckName(QStringLiteral("Bok"), bok.get()), NameProblem::None) << "renamed to itself";

    // The same command again is left; another under the same name gets a number.
    const OwnCommandPtr other = Command(QStringLiteral("Bok"), {EntryOf(RecordOp::Forward, 60)});
    EXPECT_TRUE(row.Merge({Command(QStringLiteral("Bok"), {EntryOf(RecordOp::Forward, 50)}), other}).isEmpty());
    ASSERT_EQ(row.Size(), 2u);
    EXPECT_EQ(row.At(1)->Name, QStringLiteral("Bok 2"));
    for (int i = 0; i < 4; ++i)
        row.Add(Command(QStringLiteral("X"), {EntryOf(RecordOp::Left, i)}));
    EXPECT_EQ(row.Merge({Command(QStringLiteral("Nowe"), {EntryOf(RecordOp::Home)})}), QStringList{QStringLiteral("Nowe")});

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("a/polecenia.json"));
    ASSERT_TRUE(WriteOwnCommands(path, row.Commands()));
    const KeptCommands kept = ReadOwnCommands(path);
    ASSERT_EQ(kept.Commands.size(), row.Size());
    EXPECT_EQ(kept.Commands[1]->Name, QStringLiteral("Bok 2"));
    EXPECT_TRUE(ReadOwnCommands(folder.filePath(QStringLiteral("none"))).Commands.empty());
}

// A remembered row that cannot be read whole says so, and is set aside before the row is
// written again, so that nothing of it is lost.
TEST(OwnCommandFilesTest, ADamagedRememberedRowIsSetAsideWhole)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("polecenia.json"));
    OwnCommandList row;
    row.Add(Command(QStringLiteral("Bok"), {EntryOf(RecordOp::Forward, 50)}));
    ASSERT_TRUE(WriteOwnCommands(path, row.Commands()));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray whole = file.readAll();
    file.close();
    // Two commands, the first with steps that are no record.
    QJsonObject object = QJsonDocument::fromJson(whole).object();
    QJsonArray commands = object.value(QStringLiteral("ownCommands")).toArray();
    QJsonObject spoilt = commands.at(0).toObject();
    spoilt.insert(QStringLiteral("steps"), QStringLiteral("AAAA"));
    commands.prepend(spoilt);
    object.insert(QStringLiteral("ownCommands"), commands);
    const QByteArray oneBroken = QJsonDocument(object).toJson();
    const struct {
        const char* name;
        QByteArray bytes;
        std::size_t readable;
    } cases[] = {
        {"cut short", whole.left(whole.size() / 2), 0},
        {"no list", QByteArrayLiteral("{\"ownCommands\": 3}"), 0},
        {"not text", QByteArray("\x00\xff\x10", 3), 0},
        {"one command spoilt", oneBroken, 1},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(c.bytes);
        file.close();
        const KeptCommands kept = ReadOwnCommands(path);
        EXPECT_TRUE(kept.Damaged) << c.name;
        EXPECT_EQ(kept.Commands.size(), c.readable) << c.name;
        const QString aside = SetAsideOwnCommands(path);
        ASSERT_FALSE(aside.isEmpty()) << c.name;
        EXPECT_FALSE(QFile::exists(path)) << c.name;
        QFile setAside(aside);
        ASSERT_TRUE(setAside.open(QIODevice::ReadOnly));
        EXPECT_EQ(setAside.readAll(), c.bytes) << c.name;
    }
    ASSERT_TRUE(WriteOwnCommands(path, row.Commands()));
    EXPECT_FALSE(ReadOwnCommands(path).Damaged);
    EXPECT_FALSE(ReadOwnCommands(folder.filePath(QStringLiteral("none"))).Damaged) << "no row remembered yet";
}

TEST(OwnCommandFilesTest, TheFuzzSeedsReadAsTheyShould)
{
    const auto read = [](const char* file) {
        QFile seed(QStringLiteral(QEL_NOTEBOOK_SEEDS "/") + QLatin1String(file));
        EXPECT_TRUE(seed.open(QIODevice::ReadOnly)) << file;
        return DecodeIndex(seed.readAll());
    };
    const std::optional<NotebookIndex> whole = read("valid-index-own-commands.qel3d");
    ASSERT_TRUE(whole);
    ASSERT_EQ(whole->OwnCommands.size(), 1u);
    EXPECT_EQ(DepthOf(*whole->OwnCommands[0]), 2);
    EXPECT_EQ(whole->Records[0].Size(), 2u);
    const std::optional<NotebookIndex> cut = read("broken-index-own-command-cut.qel3d");
    ASSERT_TRUE(cut);
    EXPECT_EQ(cut->DroppedCommands, QStringList{QStringLiteral("Bok")});
    EXPECT_TRUE(cut->Records[0].Empty());
}

} // namespace
