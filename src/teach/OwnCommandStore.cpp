#include "teach/OwnCommandStore.h"

#include "storage/OwnCommandCodec.h"
#include "win/RegularFile.h"
#include "win/WholeFile.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>

#include <cerrno>
#include <cstdio>

#include <fcntl.h>

namespace {

// Six commands nested four deep stay far below this.
constexpr qint64 kMaxFileBytes = 4 * 1024 * 1024;
const QLatin1String kCommandsKey("ownCommands");

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
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(*text, &error);
    const QJsonValue list = document.object().value(kCommandsKey);
    if (error.error != QJsonParseError::NoError || !list.isArray()) {
        kept.Damaged = true;
        return kept;
    }
    for (const QJsonValue& value : list.toArray()) {
        if (OwnCommandPtr command = DecodeOwnCommand(value))
            kept.Commands.push_back(std::move(command));
        else
            kept.Dropped.append(NameOfDamaged(value));
    }
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
    const QJsonObject object{{kCommandsKey, EncodeOwnCommands(commands)}};
    const QByteArray text = QJsonDocument(object).toJson();
    int fault = text.size() > kMaxFileBytes ? EFBIG : 0;
    if (fault == 0 && !QDir().mkpath(QFileInfo(path).absolutePath()))
        fault = errno != 0 ? errno : EACCES;
    if (fault == 0)
        fault = win::WriteWholeFile(path, text);
    if (error)
        *error = fault;
    return fault == 0;
}
