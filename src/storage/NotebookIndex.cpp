#include "storage/NotebookIndex.h"

#include "storage/DrawingRecordCodec.h"
#include "storage/OwnCommandCodec.h"
#include "turtle/SheetCanvas.h"
#include "turtle/SheetColors.h"
#include "win/RegularFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kFormat = 4;
// Notebooks before own commands: their records open as they are.
constexpr int kFirstRecordFormat = 3;
// Notebooks before drawing records, and those whose records kept corrections of another walk;
// they open with none.
constexpr int kFirstFormat = 1;
constexpr int kFirstShape = 1;
constexpr int kLastShape = 3;
constexpr int kLastPenMode = 2;
// Typed positions never reach further; anything beyond is no turtle of ours.
constexpr double kFarthestPosition = 1'000'000.0;
// The largest count a JSON number holds exactly.
constexpr double kLargestCounter = 9'007'199'254'740'992.0;

QJsonObject EncodeTurtle(const TTurtleState& t)
{
    return {
        {"penDown", t.PenDown}, {"hidden", t.Hidden},     {"shape", t.Shape},       {"penColor", t.PenColor},
        {"penWidth", t.PenWidth}, {"bgColor", t.BGColor}, {"penMode", t.PenMode}, {"x", t.X},
        {"y", t.Y},             {"heading", t.Heading},
    };
}

// Reads the fields one by one; the first one missing or out of range spoils the record.
class FieldReader {
public:
    explicit FieldReader(const QJsonObject& object) : object_(object) {}

    bool Whole(const char* key, int low, int high, std::int32_t& out)
    {
        const QJsonValue v = object_.value(QLatin1String(key));
        const double d = v.toDouble();
        good_ = good_ && v.isDouble() && d == std::floor(d) && d >= low && d <= high;
        if (good_)
            out = static_cast<std::int32_t>(d);
        return good_;
    }
    bool Flag(const char* key, bool& out)
    {
        const QJsonValue v = object_.value(QLatin1String(key));
        good_ = good_ && v.isBool();
        if (good_)
            out = v.toBool();
        return good_;
    }
    bool Real(const char* key, double limit, double& out)
    {
        const QJsonValue v = object_.value(QLatin1String(key));
        const double d = v.toDouble();
        good_ = good_ && v.isDouble() && std::isfinite(d) && std::abs(d) <= limit;
        if (good_)
            out = d;
        return good_;
    }
    // A key that older files lack: missing leaves `out` as it is.
    bool Count(const char* key, std::uint64_t& out)
    {
        const QJsonValue v = object_.value(QLatin1String(key));
        if (v.isUndefined())
            return good_;
        const double d = v.toDouble();
        good_ = good_ && v.isDouble() && d == std::floor(d) && d >= 0 && d <= kLargestCounter;
        if (good_)
            out = static_cast<std::uint64_t>(d);
        return good_;
    }
    bool Good() const { return good_; }

private:
    const QJsonObject& object_;
    bool good_ = true;
};

std::optional<TTurtleState> DecodeTurtle(const QJsonValue& value)
{
    if (!value.isObject())
        return std::nullopt;
    const QJsonObject object = value.toObject();
    FieldReader read(object);
    TTurtleState t;
    read.Flag("penDown", t.PenDown);
    read.Flag("hidden", t.Hidden);
    read.Whole("shape", kFirstShape, kLastShape, t.Shape);
    read.Whole("penColor", 0, kColorCount - 1, t.PenColor);
    read.Whole("penWidth", 1, SheetCanvas::kMaxPenWidth, t.PenWidth);
    read.Whole("bgColor", 0, kColorCount - 1, t.BGColor);
    read.Whole("penMode", 0, kLastPenMode, t.PenMode);
    read.Real("x", kFarthestPosition, t.X);
    read.Real("y", kFarthestPosition, t.Y);
    read.Real("heading", HUGE_VAL, t.Heading);
    if (!read.Good())
        return std::nullopt;
    return t;
}

// The commands that read; the names of those that did not go to `dropped`.
DrawingRecord::CommandList DecodeCommands(const QJsonValue& value, QStringList& dropped, bool& whole)
{
    DrawingRecord::CommandList commands;
    whole = true;
    for (const QJsonValue& kept : value.toArray()) {
        OwnCommandPtr command = DecodeOwnCommand(kept);
        if (!command) {
            whole = false;
            const QString name = NameOfDamaged(kept);
            if (!dropped.contains(name))
                dropped.append(name);
            continue;
        }
        commands.push_back(std::move(command));
    }
    return commands;
}

} // namespace

QByteArray EncodeIndex(const NotebookContent& content, std::uint64_t saveCounter)
{
    QJsonArray turtles;
    QJsonArray records;
    QJsonArray recordEnds;
    QJsonArray recordCommands;
    for (const PageContent& page : content.Pages) {
        turtles.append(EncodeTurtle(page.Turtle));
        records.append(QString::fromLatin1(EncodeRecord(page.Record).toBase64()));
        recordCommands.append(EncodeOwnCommands(page.Record.Commands()));
        recordEnds.append(QString::number(PageChecksum(page.Image.data()), 16));
    }
    const QJsonObject index{
        {"format", kFormat},
        {"pageCount", static_cast<int>(content.Pages.size())},
        {"currentPage", content.CurrentPage + 1},
        {"turtles", turtles},
        {"saveCounter", static_cast<double>(saveCounter)},
        {"records", records},
        {"recordEnds", recordEnds},
        {"recordCommands", recordCommands},
        {"ownCommands", EncodeOwnCommands(content.OwnCommands)},
    };
    return QJsonDocument(index).toJson();
}

QByteArray EncodeIndexWithinLimit(const NotebookContent& content, std::uint64_t saveCounter)
{
    QByteArray text = EncodeIndex(content, saveCounter);
    if (text.size() <= kMaxIndexBytes)
        return text;
    NotebookContent shortened = content;
    for (;;) {
        auto longest = std::max_element(shortened.Pages.begin(), shortened.Pages.end(),
                                        [](const PageContent& a, const PageContent& b) {
                                            return a.Record.Bytes().size() < b.Record.Bytes().size();
                                        });
        const DrawingRecord restarted = StartedRecord(longest->Image.data(), longest->Turtle);
        // Every record is as short as a record gets, and eight of those always fit.
        if (restarted.Bytes().size() >= longest->Record.Bytes().size())
            return text;
        longest->Record = restarted;
        text = EncodeIndex(shortened, saveCounter);
        if (text.size() <= kMaxIndexBytes)
            return text;
    }
}

std::optional<NotebookIndex> DecodeIndex(const QByteArray& text)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonObject object = document.object();
    std::int32_t format = 0, pageCount = 0, currentPage = 0;
    NotebookIndex index;
    FieldReader read(object);
    read.Whole("format", kFirstFormat, kFormat, format);
    read.Whole("pageCount", 1, kMaxNotebookPages, pageCount);
    read.Whole("currentPage", 1, pageCount, currentPage);
    read.Count("saveCounter", index.SaveCounter);
    if (!read.Good())
        return std::nullopt;
    const QJsonArray turtles = object.value(QLatin1String("turtles")).toArray();
    if (turtles.size() != pageCount)
        return std::nullopt;

    index.CurrentPage = currentPage - 1;
    for (const QJsonValue& value : turtles) {
        const std::optional<TTurtleState> turtle = DecodeTurtle(value);
        if (!turtle)
            return std::nullopt;
        index.Turtles.push_back(*turtle);
    }
    const QJsonArray records = object.value(QLatin1String("records")).toArray();
    const QJsonArray ends = object.value(QLatin1String("recordEnds")).toArray();
    const QJsonArray recordCommands = object.value(QLatin1String("recordCommands")).toArray();
    bool whole = true;
    if (format == kFormat)
        index.OwnCommands = DecodeCommands(object.value(QLatin1String("ownCommands")), index.DroppedCommands, whole);
    // Only a repetition's steps go without a name; the row holds none.
    std::erase_if(index.OwnCommands, [](const OwnCommandPtr& command) { return command->Name.isEmpty(); });
    for (qsizetype page = 0; page < pageCount; ++page) {
        const QJsonValue kept = page < records.size() ? records.at(page) : QJsonValue();
        const QByteArray bytes = QByteArray::fromBase64(kept.toString().toLatin1());
        bool isSum = false;
        const std::uint64_t end = (page < ends.size() ? ends.at(page) : QJsonValue()).toString().toULongLong(&isSum, 16);
        const DrawingRecord::CommandList used =
            DecodeCommands(page < recordCommands.size() ? recordCommands.at(page) : QJsonValue(), index.DroppedCommands, whole);
        // A run of a command that did not read cannot be told apart from one of another.
        const bool readable = format >= kFirstRecordFormat && isSum && whole;
        std::optional<DrawingRecord> record = readable ? DecodeRecord(bytes, used) : std::nullopt;
        index.Records.push_back(record ? std::move(*record) : DrawingRecord{});
        index.RecordEnds.push_back(end);
    }
    return index;
}

std::optional<NotebookIndex> ReadIndexFile(const QString& path)
{
    const std::optional<QByteArray> text = win::ReadRegularFile(path, kMaxIndexBytes);
    return text ? DecodeIndex(*text) : std::nullopt;
}
