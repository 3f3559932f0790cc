#include "teach/OwnCommandStore.h"

#include "storage/OwnCommandCodec.h"
#include "win/RegularFile.h"
#include "win/WholeFile.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>
#include <cstdio>

#include <fcntl.h>

namespace {

// Six commands nested four deep stay far below this.
constexpr qint64 kMaxFileBytes = 4 * 1024 * 1024;

} // namespace

QString OwnCommandsPath()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("polecenia.json"));
}

KeptCommands ReadOwnCommands(const QString& path)
{
    KeptCommands kept;
    const std::optional<QByteArray> text = win::ReadRegularFile(path, kMaxFileBytes);
    if (!text) {
        kept.Damaged = QFileInfo::exists(path);
        return kept;
    }
    std::optional<DecodedRow> row = DecodeOwnCommandRow(*text);
    if (!row) {
        kept.Damaged = true;
        return kept;
    }
    kept.Commands = std::move(row->Commands);
    kept.Dropped = std::move(row->Dropped);
    kept.Damaged = !kept.Dropped.isEmpty();
    return kept;
}

QString SetAsideOwnCommands(const QString& path)
{
    // A copy set aside before is never replaced: each one gets the next number.
    const QFileInfo file(path);
    const QByteArray from = QFile::encodeName(path);
    for (int number = 1; number < 10000; ++number) {
        const QString mark = number == 1 ? QStringLiteral(" (uszkodzone).") : QStringLiteral(" (uszkodzone %1).").arg(number);
        const QString aside = file.dir().filePath(file.completeBaseName() + mark + file.suffix());
        const QByteArray to = QFile::encodeName(aside);
        if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
            return aside;
        if (errno == EEXIST)
            continue;
        // A file system that cannot refuse to replace: look first.
        if (errno == EINVAL && !QFileInfo::exists(aside) && !QFileInfo(aside).isSymLink())
            return std::rename(from.constData(), to.constData()) == 0 ? aside : QString();
        return {};
    }
    return {};
}

bool WriteOwnCommands(const QString& path, const DrawingRecord::CommandList& commands, int* error)
{
    const QByteArray text = EncodeOwnCommandRow(commands);
    int fault = text.size() > kMaxFileBytes ? EFBIG : 0;
    if (fault == 0 && !QDir().mkpath(QFileInfo(path).absolutePath()))
        fault = errno != 0 ? errno : EACCES;
    if (fault == 0)
        fault = win::WriteWholeFile(path, text);
    if (error)
        *error = fault;
    return fault == 0;
}
