#include "storage/OwnCommandCodec.h"

#include "storage/DrawingRecordCodec.h"

#include <QJsonDocument>

#include <algorithm>

namespace {

const QLatin1String kName("name");
const QLatin1String kPicture("picture");
const QLatin1String kSteps("steps");
const QLatin1String kUses("uses");

OwnCommandPtr Decode(const QJsonValue& value, int depthLeft)
{
    if (depthLeft == 0 || !value.isObject())
        return nullptr;
    const QJsonObject object = value.toObject();
    auto command = std::make_shared<OwnCommand>();
    command->Name = object.value(kName).toString();
    const QJsonValue picture = object.value(kPicture);
    // A repetition's steps are kept as a command without a name.
    if (!(command->Name.isEmpty() || OwnNameFits(command->Name)) || !picture.isDouble() || picture.toDouble() != picture.toInt(-1)
        || picture.toInt() < 0 || picture.toInt() >= kOwnPictureCount)
        return nullptr;
    command->Picture = picture.toInt();
    DrawingRecord::CommandList uses;
    for (const QJsonValue& used : object.value(kUses).toArray()) {
        OwnCommandPtr decoded = Decode(used, depthLeft - 1);
        if (!decoded)
            return nullptr;
        uses.push_back(std::move(decoded));
    }
    const QByteArray bytes = QByteArray::fromBase64(object.value(kSteps).toString().toLatin1());
    const auto* first = reinterpret_cast<const std::uint8_t*>(bytes.constData());
    std::optional<DrawingRecord> steps = DrawingRecord::FromBytes({first, first + bytes.size()}, uses);
    if (!steps || steps->Empty() || steps->Size() > kMaxOwnSteps)
        return nullptr;
    for (std::size_t i = 0; i < steps->Size(); ++i) {
        const RecordEntry step = steps->HeadAt(i);
        if (!Teachable(step.Op) || !EntryInRange(step))
            return nullptr;
    }
    command->Steps = std::move(*steps);
    if (StepsOf(*command, kMaxCommandSteps + 1) > kMaxCommandSteps)
        return nullptr;
    return command;
}

} // namespace

QJsonObject EncodeOwnCommand(const OwnCommand& command)
{
    const std::vector<std::uint8_t>& bytes = command.Steps.Bytes();
    const QByteArray steps(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
    QJsonObject object{
        {kName, command.Name},
        {kPicture, command.Picture},
        {kSteps, QString::fromLatin1(steps.toBase64())},
    };
    if (!command.Steps.Commands().empty())
        object.insert(kUses, EncodeOwnCommands(command.Steps.Commands()));
    return object;
}

QJsonArray EncodeOwnCommands(const DrawingRecord::CommandList& commands)
{
    QJsonArray array;
    for (const OwnCommandPtr& command : commands)
        array.append(EncodeOwnCommand(*command));
    return array;
}

OwnCommandPtr DecodeOwnCommand(const QJsonValue& value)
{
    return Decode(value, kMaxNestedDepth);
}

namespace {

const QLatin1String kRowKey("ownCommands");

} // namespace

QByteArray EncodeOwnCommandRow(const DrawingRecord::CommandList& commands)
{
    return QJsonDocument(QJsonObject{{kRowKey, EncodeOwnCommands(commands)}}).toJson();
}

std::optional<DecodedRow> DecodeOwnCommandRow(const QByteArray& text)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    const QJsonValue list = document.object().value(kRowKey);
    if (error.error != QJsonParseError::NoError || !list.isArray())
        return std::nullopt;
    DecodedRow row;
    for (const QJsonValue& value : list.toArray()) {
        if (OwnCommandPtr command = DecodeOwnCommand(value))
            row.Commands.push_back(std::move(command));
        else
            row.Dropped.append(NameOfDamaged(value));
    }
    return row;
}

QString NameOfDamaged(const QJsonValue& value)
{
    return value.toObject().value(kName).toString().left(kMaxOwnNameLength);
}

bool OwnNameFits(const QString& name)
{
    if (name.isEmpty() || name.size() > kMaxOwnNameLength || name.front().isSpace() || name.back().isSpace())
        return false;
    return std::ranges::all_of(name, [](QChar c) { return c.isLetterOrNumber() || c == QLatin1Char(' '); });
}
