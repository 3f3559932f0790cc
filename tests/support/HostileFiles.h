#pragma once

#include <QString>

#include <functional>

// Files that are not what their names promise, for the readers' tests.

// Makes a named pipe at `path` that nobody writes to.
bool MakePipe(const QString& path);

// Makes `path` a link to the endless device /dev/zero.
bool LinkToZeroDevice(const QString& path);

// Runs `read` and tells whether it came back within a few seconds. A read still waiting on the
// pipe `pipePath` is then freed by a writer that comes and goes, so that the test fails instead of
// hanging.
bool ReturnsInTime(const std::function<void()>& read, const QString& pipePath);

// Makes a sparse file at `path` of `length` bytes starting with `head`: it claims much and takes
// next to no disk.
bool WriteSparseFile(const QString& path, const QByteArray& head, qint64 length);
