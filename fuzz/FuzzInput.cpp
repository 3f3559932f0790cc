#include "FuzzInput.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void Fail(const char* what, const QString& path)
{
    std::fprintf(stderr, "fuzz input: cannot %s %s\n", what, qPrintable(path));
    std::abort();
}

const QTemporaryDir& Folder()
{
    static const QTemporaryDir folder;
    if (!folder.isValid())
        Fail("make", folder.path());
    return folder;
}

} // namespace

QString WriteInput(const QString& name, const std::uint8_t* data, std::size_t size)
{
    const QString path = Folder().filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) != static_cast<qint64>(size)
        || !file.flush())
        Fail("write", path);
    return path;
}
