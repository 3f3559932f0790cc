#include "storage/RecoveryCopy.h"

#include "storage/NotebookFolder.h"
#include "storage/NotebookReader.h"
#include "storage/NotebookWriter.h"
#include "win/RegularFile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>

namespace {

const QString kLock = QStringLiteral("blokada");
// Names the folder of the last whole write.
const QString kCurrent = QStringLiteral("biezacy");
const QString kNameFile = QStringLiteral("nazwa");
const QString kStem = QStringLiteral("zeszyt");
constexpr qint64 kMaxSmallFile = 4096;

bool WriteSmallFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

QString ReadSmallFile(const QString& path)
{
    const std::optional<QByteArray> bytes = win::ReadRegularFile(path, kMaxSmallFile);
    return bytes ? QString::fromUtf8(*bytes) : QString();
}

} // namespace

QString RecoveryRoot()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).filePath(QStringLiteral("Odzysk"));
}

RecoveryCopy::RecoveryCopy(QString folder, std::unique_ptr<QLockFile> lock)
    : folder_(std::move(folder)), lock_(std::move(lock))
{
}

RecoveryCopy::~RecoveryCopy() = default;

std::unique_ptr<RecoveryCopy> RecoveryCopy::Create(const QString& root)
{
    const QString id = QStringLiteral("%1-%2").arg(QCoreApplication::applicationPid()).arg(QDateTime::currentMSecsSinceEpoch());
    const QString folder = QDir(root).filePath(id);
    if (!QDir().mkpath(folder))
        return nullptr;
    auto lock = std::make_unique<QLockFile>(QDir(folder).filePath(kLock));
    if (!lock->tryLock(0))
        return nullptr;
    return std::unique_ptr<RecoveryCopy>(new RecoveryCopy(folder, std::move(lock)));
}

std::vector<std::unique_ptr<RecoveryCopy>> RecoveryCopy::Orphans(const QString& root)
{
    std::vector<std::pair<QDateTime, std::unique_ptr<RecoveryCopy>>> found;
    const QFileInfoList folders = QDir(root).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QFileInfo& folder : folders) {
        // A lock still held belongs to a program that runs.
        auto lock = std::make_unique<QLockFile>(QDir(folder.filePath()).filePath(kLock));
        if (!lock->tryLock(0))
            continue;
        std::unique_ptr<RecoveryCopy> copy(new RecoveryCopy(folder.filePath(), std::move(lock)));
        if (copy->CurrentGeneration() == 0) {
            copy->Remove();
            continue;
        }
        const QDateTime written = QFileInfo(QDir(folder.filePath()).filePath(kCurrent)).lastModified();
        found.emplace_back(written, std::move(copy));
    }
    std::ranges::sort(found, [](const auto& a, const auto& b) { return a.first > b.first; });
    std::vector<std::unique_ptr<RecoveryCopy>> copies;
    for (auto& [written, copy] : found)
        copies.push_back(std::move(copy));
    return copies;
}

int RecoveryCopy::CurrentGeneration() const
{
    return ReadSmallFile(QDir(folder_).filePath(kCurrent)).toInt();
}

bool RecoveryCopy::Write(const NotebookContent& content, const QString& name)
{
    const int previous = CurrentGeneration();
    const int next = previous + 1;
    const QString folder = QDir(folder_).filePath(QString::number(next));
    QDir(folder).removeRecursively(); // what a killed write left
    if (!QDir().mkpath(folder) || !WriteSmallFile(QDir(folder).filePath(kNameFile), name.toUtf8())
        || NotebookWriter().Save(folder, kStem, content).Fault != NotebookFault::None) {
        QDir(folder).removeRecursively();
        return false;
    }
    if (!WriteSmallFile(QDir(folder_).filePath(kCurrent), QByteArray::number(next)))
        return false;
    QDir(QDir(folder_).filePath(QString::number(previous))).removeRecursively();
    return true;
}

std::optional<RecoveredNotebook> RecoveryCopy::Read() const
{
    const int generation = CurrentGeneration();
    if (generation <= 0)
        return std::nullopt;
    const QString folder = QDir(folder_).filePath(QString::number(generation));
    NotebookReading reading = ReadNotebook(folder, kStem);
    if (reading.Fault != NotebookFault::None)
        return std::nullopt;
    RecoveredNotebook recovered{std::move(reading.Content), ReadSmallFile(QDir(folder).filePath(kNameFile))};
    if (!IsNotebookName(recovered.Name))
        recovered.Name.clear();
    return recovered;
}

void RecoveryCopy::Clear()
{
    const int generation = CurrentGeneration();
    if (generation <= 0)
        return;
    QFile::remove(QDir(folder_).filePath(kCurrent));
    QDir(QDir(folder_).filePath(QString::number(generation))).removeRecursively();
}

void RecoveryCopy::Remove()
{
    Clear();
    lock_->unlock();
    QDir(folder_).removeRecursively();
}
