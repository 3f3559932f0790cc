#include "teach/OwnCommandStore.h"

#include "storage/OwnCommandCodec.h"
#include "win/RegularFile.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStandardPaths>

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
    const QFileInfo file(path);
    const QString aside = file.dir().filePath(file.completeBaseName() + QStringLiteral(" (uszkodzone).") + file.suffix());
    QFile::remove(aside);
    return QFile::rename(path, aside) ? aside : QString();
}

bool WriteOwnCommands(const QString& path, const DrawingRecord::CommandList& commands)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QJsonObject object{{kCommandsKey, EncodeOwnCommands(commands)}};
    const QByteArray text = QJsonDocument(object).toJson();
    if (text.size() > kMaxFileBytes || file.write(text) != text.size())
        return false;
    return file.commit();
}
