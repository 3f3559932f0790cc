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

RecordEntry Entry(RecordOp op, int amount, double x = 0.0, double y = 0.0, double heading = 0.0)
{
    RecordEntry entry;
    entry.Op = op;
    entry.Amount = amount;
    entry.X = x;
    entry.Y = y;
    entry.Heading = heading;
    return entry;
}

// A page with a frame, a red pen, a walk with a correction and a snapshot.
DrawingRecord SomeRecord(TTurtleState& turtle)
{
    std::vector<std::uint8_t> page(kSheetBytes, 15);
    std::fill(page.begin(), page.begin() + kSheetSize, std::uint8_t{0});
    turtle.PenColor = 9;
    DrawingRecord record = StartedRecord(page.data(), turtle);
    RecordEntry walk = Entry(RecordOp::Forward, 100, 0.0, 100.0);
    std::vector<std::uint8_t> corrected = page;
    corrected[5000] = 3;
    walk.Picture = std::make_shared<const ImageDelta>(ImageDelta::Between(page.data(), corrected.data(), kSheetBytes));
    record.Entries.push_back(walk);
    record.Entries.push_back(Entry(RecordOp::Right, 90, 0.0, 100.0, 1.5707963267948966));
    record.Entries.push_back(Entry(RecordOp::PenWidth, 8));
    record.Entries.push_back(Entry(RecordOp::Snapshot, 4, -3.25, 100.0, 1.5707963267948966));
    turtle.X = -3.25;
    turtle.Y = 100.0;
    turtle.Heading = 1.5707963267948966;
    turtle.BGColor = 4;
    return record;
}

TEST(DrawingRecordCodec, ReadsBackWhatItWritesAndOnlyWholeEntriesOfIt)
{
    TTurtleState turtle;
    const QByteArray bytes = EncodeRecord(SomeRecord(turtle));
    const std::optional<DrawingRecord> read = DecodeRecord(bytes);
    ASSERT_TRUE(read);
    EXPECT_EQ(EncodeRecord(*read), bytes);
    EXPECT_TRUE(RecordFits(*read, turtle));

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
            for (const RecordEntry& entry : record->Entries)
                if (entry.Picture)
                    entry.Picture->ApplyTo(page.data());
    }
}

struct Spoilt {
    const char* what;
    std::function<void(DrawingRecord&)> spoil;
};

TEST(DrawingRecordCodec, RefusesEntriesTheProgramNeverMakes)
{
    const Spoilt cases[] = {
        {"no start", [](DrawingRecord& r) { r.Entries.erase(r.Entries.begin()); }},
        {"a walk too long", [](DrawingRecord& r) { r.Entries[2].Amount = kMaxRecordedAmount + 1; }},
        {"a negative turn", [](DrawingRecord& r) { r.Entries[3].Amount = -90; }},
        {"colour 16", [](DrawingRecord& r) { r.Entries[1].Amount = 16; }},
        {"width 0", [](DrawingRecord& r) { r.Entries[4].Amount = 0; }},
        {"an amount on Home", [](DrawingRecord& r) { r.Entries[3] = Entry(RecordOp::Home, 1); }},
        {"a place far away", [](DrawingRecord& r) { r.Entries[2].X = 1e300; }},
        {"a heading not a number", [](DrawingRecord& r) { r.Entries[3].Heading = std::numeric_limits<double>::quiet_NaN(); }},
    };
    TTurtleState turtle;
    for (const Spoilt& c : cases) {
        DrawingRecord record = SomeRecord(turtle);
        c.spoil(record);
        EXPECT_FALSE(DecodeRecord(EncodeRecord(record))) << c.what;
    }
    QByteArray unknownKind = EncodeRecord(SomeRecord(turtle));
    unknownKind.append(static_cast<char>(kLastRecordOp + 1)).append('\0');
    EXPECT_FALSE(DecodeRecord(unknownKind));
    // A picture that runs past the end of a page.
    QByteArray pastThePage = EncodeRecord(SomeRecord(turtle)).left(1 + 1 + 24);
    pastThePage.append('\x03').append("\xFF\xFF\x21", 3);
    EXPECT_FALSE(DecodeRecord(pastThePage));
}

TEST(DrawingRecordCodec, AnIndexKeepsOnlyRecordsThatFitTheirPages)
{
    NotebookContent content;
    content.Pages.resize(3);
    content.Pages[0].Record = SomeRecord(content.Pages[0].Turtle);
    content.Pages[1].Record = SomeRecord(content.Pages[1].Turtle);
    content.Pages[1].Turtle.X += 1.0;
    QJsonObject index = QJsonDocument::fromJson(EncodeIndex(content)).object();
    QJsonArray records = index[QStringLiteral("records")].toArray();
    records[2] = QStringLiteral("not a record");
    index[QStringLiteral("records")] = records;

    std::optional<NotebookIndex> read = DecodeIndex(QJsonDocument(index).toJson());
    ASSERT_TRUE(read);
    EXPECT_EQ(read->Records[0].Entries.size(), content.Pages[0].Record.Entries.size());
    EXPECT_TRUE(read->Records[1].Entries.empty());
    EXPECT_TRUE(read->Records[2].Entries.empty());

    // A notebook of the format before records opens with none.
    index[QStringLiteral("format")] = 1;
    index.remove(QStringLiteral("records"));
    read = DecodeIndex(QJsonDocument(index).toJson());
    ASSERT_TRUE(read);
    EXPECT_EQ(read->Records.size(), 3u);
    EXPECT_TRUE(read->Records[0].Entries.empty());
}

} // namespace
