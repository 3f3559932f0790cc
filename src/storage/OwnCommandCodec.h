#pragma once

#include "storage/OwnCommand.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <optional>

// Own commands as JSON: the name, the picture, the steps as a record's bytes, and the commands
// the steps run, written inside.
QJsonObject EncodeOwnCommand(const OwnCommand& command);
QJsonArray EncodeOwnCommands(const DrawingRecord::CommandList& commands);
// Nothing unless the value is a command as the program makes it: a name that fits (none for a
// repetition's steps), a picture there is, 1 to kMaxOwnSteps taught steps in range, nesting no
// deeper than kMaxNestedDepth, making no more than kMaxCommandSteps steps in all.
OwnCommandPtr DecodeOwnCommand(const QJsonValue& value);
// The name a damaged command's value still tells, for saying which one was dropped.
QString NameOfDamaged(const QJsonValue& value);

// The row of own commands as its file keeps it: {"ownCommands": [command, …]}.
QByteArray EncodeOwnCommandRow(const DrawingRecord::CommandList& commands);
struct DecodedRow {
    DrawingRecord::CommandList Commands;
    // Commands that could not be read, by the names they still tell.
    QStringList Dropped;
};
// Nothing when the text is no row at all; the commands that read otherwise. Costs what the text
// holds: each command is read once, however deep the commands it runs nest.
std::optional<DecodedRow> DecodeOwnCommandRow(const QByteArray& text);

// Whether a name can be an own command's: 1 to kMaxOwnNameLength letters, digits or inner spaces.
bool OwnNameFits(const QString& name);
