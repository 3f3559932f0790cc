#pragma once

#include "storage/OwnCommand.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QString>

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

// Whether a name can be an own command's: 1 to kMaxOwnNameLength letters, digits or inner spaces.
bool OwnNameFits(const QString& name);
