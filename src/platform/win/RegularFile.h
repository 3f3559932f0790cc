#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <optional>

// Every file the program reads goes through here. Only regular files are opened: a named pipe
// would hold the program on opening it, and a device (a link to /dev/zero) tells no size and has
// no end.
namespace win {

// Opens `fileName` read-only into `file` when it is a regular file (links followed). Never waits
// on a pipe or device; false for anything else or a file that cannot be opened.
bool OpenRegularFile(const QString& fileName, QFile& file);

// The whole of the regular file `fileName`, reading at most `maxBytes` + 1 bytes; nothing when it
// is no regular file, cannot be read, or is longer than `maxBytes`.
std::optional<QByteArray> ReadRegularFile(const QString& fileName, qint64 maxBytes);

} // namespace win
