#pragma once

#include "storage/OwnCommand.h"

#include <QString>
#include <QStringList>

// The row of own commands remembered between runs, in a file of the application's data folder.
struct KeptCommands {
    DrawingRecord::CommandList Commands;
    // Commands in the file that could not be read, by the names they still tell.
    QStringList Dropped;
    // The file is there but was not read whole: it must be set aside before the row is written
    // again, or what could not be read would be gone.
    bool Damaged = false;
};

// The file in the application's data folder.
QString OwnCommandsPath();
// Nothing kept when the file is missing or is no list of commands at all.
KeptCommands ReadOwnCommands(const QString& path);
// Moves a damaged file aside, beside itself, as "polecenia (uszkodzone).json", or with the next
// free number ("polecenia (uszkodzone 2).json"): a copy set aside before is never replaced. Its
// new path, or empty when it could not be moved.
QString SetAsideOwnCommands(const QString& path);
// Whole or not at all (see win::WholeFile): false, with the file as it was and why in `error`
// (an errno value), when the file could not be written.
bool WriteOwnCommands(const QString& path, const DrawingRecord::CommandList& commands, int* error = nullptr);
