#include "storage/NotebookWriter.h"

#include "storage/NotebookFolder.h"
#include "storage/NotebookIndex.h"
#include "storage/PagePicture.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QTemporaryFile>

#include <fcntl.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

// A save waits this long for another one of the same notebook to finish.
constexpr int kLockWaitMs = 10'000;

QByteArray BitmapBytes(const PageContent& page)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    PagePicture(page.Image.data()).save(&buffer, "BMP");
    return bytes;
}

bool FitsFileName(const QString& path)
{
    return QFile::encodeName(QFileInfo(path).fileName()).size() <= NAME_MAX;
}

// The counter of the index on disk; 0 when there is none or it cannot be read.
std::uint64_t CounterOnDisk(const QString& indexPath)
{
    const std::optional<NotebookIndex> index = ReadIndexFile(indexPath);
    return index ? index->SaveCounter : 0;
}

// Makes the folder's new entries outlive a power cut.
void SyncFolder(const QString& folder)
{
    const int handle = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (handle >= 0) {
        ::fsync(handle);
        ::close(handle);
    }
}

// One file of the new notebook, written whole under a temporary name of its own.
struct StagedFile {
    std::unique_ptr<QTemporaryFile> File;
    QString Path;
};

} // namespace

bool NotebookWriter::Write(QFileDevice& file, const QByteArray& bytes)
{
    return file.write(bytes) == bytes.size() && file.flush();
}

bool NotebookWriter::Replace(const QString& written, const QString& path)
{
    return std::rename(QFile::encodeName(written).constData(), QFile::encodeName(path).constData()) == 0;
}

SaveResult NotebookWriter::Save(const QString& folder, const QString& name, const NotebookContent& content,
                                std::optional<std::uint64_t> expectedCounter)
{
    const QString indexPath = IndexPath(folder, name);
    const int pageCount = static_cast<int>(content.Pages.size());
    std::vector<QString> paths;
    for (int page = 1; page <= pageCount; ++page)
        paths.push_back(PagePath(folder, name, page));
    paths.push_back(indexPath);
    for (const QString& path : paths) {
        // A name the file system cannot hold would fail only among the moves.
        if (!FitsFileName(path))
            return {NotebookFault::CannotWrite, 0};
    }
    if (!QDir().mkpath(folder))
        return {NotebookFault::CannotWrite, 0};

    QLockFile lock(LockPath(folder, name));
    lock.setStaleLockTime(0); // only the lock of a copy that is no longer running is taken over
    if (!lock.tryLock(kLockWaitMs))
        return {NotebookFault::CannotWrite, 0};
    const std::uint64_t onDisk = CounterOnDisk(indexPath);
    if (expectedCounter && *expectedCounter != onDisk)
        return {NotebookFault::SavedElsewhere, onDisk};
    const std::uint64_t counter = onDisk + 1;

    // Staged files not moved into place go with their temporary names when this returns.
    std::vector<StagedFile> staged;
    for (std::size_t i = 0; i < paths.size(); ++i) {
        const bool isIndex = i + 1 == paths.size();
        const QByteArray bytes = isIndex ? EncodeIndex(content, counter) : BitmapBytes(content.Pages[i]);
        auto file = std::make_unique<QTemporaryFile>(QDir(folder).filePath(QStringLiteral(".qel3d-XXXXXX")));
        // Readable by others as a file saved the ordinary way is; temporary files start private.
        if (!file->open()
            || !file->setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                                     | QFileDevice::ReadOther)
            || !Write(*file, bytes) || ::fsync(file->handle()) != 0)
            return {NotebookFault::CannotWrite, 0};
        file->close();
        staged.push_back({std::move(file), paths[i]});
    }

    for (std::size_t i = 0; i < staged.size(); ++i) {
        if (!Replace(staged[i].File->fileName(), staged[i].Path))
            return {i == 0 ? NotebookFault::CannotWrite : NotebookFault::PartlyWritten, 0};
        staged[i].File->setAutoRemove(false);
    }
    for (int page = pageCount + 1; page <= kMaxNotebookPages; ++page)
        QFile::remove(PagePath(folder, name, page));
    SyncFolder(folder);
    return {NotebookFault::None, counter};
}
