#include "storage/DrawingRecordCodec.h"
#include "storage/NotebookIndex.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <limits>

namespace {

RecordEntry Entry(RecordOp op, int amount)
{
    return EntryOf(op, amount);
}

// A page with a frame, a red pen, a walk stopped on the way, the turtle set by hand and a
// picture loaded.
std::vector<RecordEntry> SomeEntries(TTurtleState& turtle)
{
    std::vector<std::uint8_t> page(kSheetBytes, 15);
    std::fill(page.begin(), page.begin() + kSheetSize, std::uint8_t{0});
    turtle.PenColor = 9;
    turtle.X = 0.1;
    const DrawingRecord started = StartedRecord(page.data(), turtle);
    std::vector<RecordEntry> record{started.At(0), started.At(1)};
    RecordEntry walk = Entry(RecordOp::Forward, 100);
    walk.StoppedAfter = 70000;
    record.push_back(walk);
    record.push_back(Entry(RecordOp::Right, 90));
    record.push_back(Entry(RecordOp::PenWidth, 8));
    RecordEntry place = Entry(RecordOp::Place, 0);
    place.X = -1.0 / 3;
    place.Heading = -1e300;
    record.push_back(place);
    RecordEntry snapshot = Entry(RecordOp::Snapshot, 4);
    std::vector<std::uint8_t> loaded = page;
    loaded[5000] = 3;
    snapshot.Picture = std::make_shared<const ImageDelta>(ImageDelta::Between(page.data(), loaded.data(), kSheetBytes));
    record.push_back(snapshot);
    return record;
}

DrawingRecord SomeRecord(TTurtleState& turtle)
{
    return DrawingRecord::Of(SomeEntries(turtle));
}

TEST(DrawingRecordCodec, ReadsBackWhatItWritesAndOnlyWholeEntriesOfIt)
{
    TTurtleState turtle;
    const QByteArray bytes = EncodeRecord(SomeRecord(turtle));
    const std::optional<DrawingRecord> read = DecodeRecord(bytes);
    ASSERT_TRUE(read);
    EXPECT_EQ(EncodeRecord(*read), bytes);
    EXPECT_EQ(read->At(0).X, 0.1);
    EXPECT_EQ(read->At(2).StoppedAfter, 70000u);
    EXPECT_EQ(read->At(5).X, -1.0 / 3) << "a place to the last bit";
    EXPECT_EQ(read->At(5).Heading, -1e300);
    EXPECT_EQ(read->Tools().PenColor, 9);
    EXPECT_EQ(read->Tools().PenWidth, 8);

    // Cut anywhere, the bytes read as the entries before the cut or not at all.
    for (qsizetype keep = 0; keep < bytes.size(); ++keep) {
        const std::optional<DrawingRecord> cut = DecodeRecord(bytes.left(keep));
        if (cut) {
            EXPECT_EQ(EncodeRecord(*cut), bytes.left(keep)) << keep;
        }
    }
    // Any byte spoilt, whatever reads is safe to replay: pictures within a page.
    std::vector<std::uint8_t> page(kSheetBytes);
    for (qsizetype at = 0; at < bytes.size(); ++at) {
        QByteArray spoilt = bytes;
        spoilt[at] = static_cast<char>(spoilt[at] ^ 0xA5);
        if (const std::optional<DrawingRecord> record = DecodeRecord(spoilt))
            for (std::size_t i = 0; i < record->Size(); ++i)
                if (const RecordEntry entry = record->At(i); entry.Picture)
                    entry.Picture->ApplyTo(page.data());
    }
}

struct Spoilt {
    const char* what;
    std::function<void(std::vector<RecordEntry>&)> spoil;
};

TEST(DrawingRecordCodec, RefusesEntriesTheProgramNeverMakes)
{
    const Spoilt cases[] = {
        {"no start", [](std::vector<RecordEntry>& r) { r.erase(r.begin()); }},
        {"a walk too long", [](std::vector<RecordEntry>& r) { r[2].Amount = kMaxWrittenTurn + 1; }},
        {"a negative turn", [](std::vector<RecordEntry>& r) { r[3].Amount = -90; }},
        {"colour 16", [](std::vector<RecordEntry>& r) { r[1].Amount = 16; }},
        {"width 0", [](std::vector<RecordEntry>& r) { r[4].Amount = 0; }},
        {"an amount on Home", [](std::vector<RecordEntry>& r) { r[3] = Entry(RecordOp::Home, 1); }},
        {"a second start", [](std::vector<RecordEntry>& r) { r[3] = r[0]; }},
        {"a place beyond the sheet", [](std::vector<RecordEntry>& r) { r[5].Y = 1e9; }},
        {"a place nowhere", [](std::vector<RecordEntry>& r) { r[5].Heading = std::numeric_limits<double>::quiet_NaN(); }},
    };
    TTurtleState turtle;
    for (const Spoilt& c : cases) {
        std::vector<RecordEntry> entries = SomeEntries(turtle);
        c.spoil(entries);
        EXPECT_FALSE(DecodeRecord(EncodeRecord(DrawingRecord::Of(entries)))) << c.what;
    }
    QByteArray unknownKind = EncodeRecord(SomeRecord(turtle));
    unknownKind.append(static_cast<char>(kLastRecordOp + 1)).append('\0');
    EXPECT_FALSE(DecodeRecord(unknownKind));
    // A snapshot whose picture runs past the end of a page.
    QByteArray pastThePage = EncodeRecord(SomeRecord(turtle));
    pastThePage.append(static_cast<char>(RecordOp::Snapshot)).append('\0').append('\x03').append("\xFF\xFF\x21", 3);
    EXPECT_FALSE(DecodeRecord(pastThePage));
}

TEST(DrawingRecordCodec, AnIndexKeepsTheRecordsItCanRead)
{
    NotebookContent content;
    content.Pages.resize(3);
    content.Pages[0].Record = SomeRecord(content.Pages[0].Turtle);
    QJsonObject index = QJsonDocument::fromJson(EncodeIndex(content, 0)).object();
    QJsonArray records = index[QStringLiteral("records")].toArray();
    records[1] = QString::fromLatin1(EncodeRecord(SomeRecord(content.Pages[1].Turtle)).left(5).toBase64());
    records[2] = QStringLiteral("not a record");
    index[QStringLiteral("records")] = records;

    std::optional<NotebookIndex> read = DecodeIndex(QJsonDocument(index).toJson());
    ASSERT_TRUE(read);
    EXPECT_EQ(read->Records[0].Bytes(), content.Pages[0].Record.Bytes());
    EXPECT_TRUE(read->Records[1].Empty());
    EXPECT_TRUE(read->Records[2].Empty());

    // A record whose page sum is missing is no record of that page.
    QJsonObject unsummed = index;
    unsummed.remove(QStringLiteral("recordEnds"));
    read = DecodeIndex(QJsonDocument(unsummed).toJson());
    ASSERT_TRUE(read);
    EXPECT_TRUE(read->Records[0].Empty());

    // Notebooks of the earlier formats open with none: their records were kept otherwise.
    index[QStringLiteral("format")] = 2;
    read = DecodeIndex(QJsonDocument(index).toJson());
    ASSERT_TRUE(read);
    EXPECT_TRUE(read->Records[0].Empty());
    index[QStringLiteral("format")] = 1;
    index.remove(QStringLiteral("records"));
    read = DecodeIndex(QJsonDocument(index).toJson());
    ASSERT_TRUE(read);
    EXPECT_EQ(read->Records.size(), 3u);
    EXPECT_TRUE(read->Records[0].Empty());
}

} // namespace
