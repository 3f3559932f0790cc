#include "storage/NotebookWriter.h"

#include "storage/NotebookFolder.h"
#include "storage/NotebookIndex.h"
#include "storage/NotebookLock.h"
#include "storage/NotebookOnDisk.h"
#include "storage/NotebookSwitch.h"
#include "storage/PagePicture.h"
#include "storage/UnreadablePages.h"
#include "win/WholeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <memory>
#include <vector>

#include <unistd.h>

namespace {

bool FitsFileName(const QString& path)
{
    return QFile::encodeName(QFileInfo(path).fileName()).size() <= NAME_MAX;
}

bool MakeFolder(const QString& folder)
{
    if (QDir().mkpath(folder))
        return true;
    // A file where a folder should be says nothing through errno.
    const QFileInfo info(folder);
    if (info.exists() && !info.isDir())
        errno = ENOTDIR;
    else if (errno == 0)
        errno = EACCES;
    return false;
}

// Why a write in `folder` failed, where the failed call left no cause in errno (Qt's temporary
// files do not): a folder that may not be written is the likeliest.
int CauseIn(const QString& folder, int error)
{
    if (error != 0 || ::access(QFile::encodeName(folder).constData(), W_OK) == 0)
        return error;
    return errno;
}

SaveResult Outcome(NotebookFault fault, int error = 0, bool hadNotebook = false, std::uint64_t counter = 0)
{
    SaveResult result;
    result.Fault = fault;
    result.Error = error;
    result.HadNotebook = hadNotebook;
    result.SaveCounter = counter;
    return result;
}

// One file of the new notebook, written whole under a temporary name of its own.
struct StagedFile {
    std::unique_ptr<win::WholeFile> File;
    QString Path;
};

} // namespace

bool NotebookWriter::Write(win::WholeFile& file, const QByteArray& bytes)
{
    return file.Write(bytes);
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
            return Outcome(NotebookFault::CannotWrite, ENAMETOOLONG);
    }
    errno = 0;
    if (!MakeFolder(folder))
        return Outcome(NotebookFault::CannotWrite, errno);

    NotebookLock lock(folder, name);
    switch (lock.TakeForWriting()) {
    case NotebookLock::Take::Taken:
        break;
    case NotebookLock::Take::Busy:
        return Outcome(NotebookFault::BeingSaved);
    case NotebookLock::Take::Failed: {
        const int error = CauseIn(folder, errno);
        return Outcome(NotebookFault::CannotWrite, error, QFileInfo::exists(indexPath));
    }
    }
    // A save of another copy that was cut short is finished before anything is compared.
    const NotebookSwitch::Finish finished = NotebookSwitch::FinishPending(folder, name);
    if (finished == NotebookSwitch::Finish::Failed)
        return Outcome(NotebookFault::CannotWrite, errno, true);
    // What saves killed before their switch left goes.
    NotebookSwitch::RemoveLeftovers(folder, LockPath(folder, name));
    const bool hadNotebook = QFileInfo::exists(indexPath);
    const std::uint64_t onDisk = NotebookOnDisk::CounterOf(folder, name);
    if (expectedCounter && *expectedCounter != onDisk)
        return Outcome(NotebookFault::SavedElsewhere, 0, true, onDisk);
    const std::uint64_t counter = onDisk + 1;
    const auto cannotWrite = [&](int error) {
        return Outcome(NotebookFault::CannotWrite, CauseIn(folder, error), hadNotebook);
    };

    // Staged files not moved into place go with their temporary names when this returns.
    std::vector<StagedFile> staged;
    for (std::size_t i = 0; i < paths.size(); ++i) {
        const bool isIndex = i + 1 == paths.size();
        const QByteArray bytes = isIndex ? EncodeIndexWithinLimit(content, counter) : PageBitmapBytes(content.Pages[i].Image.data());
        // Every write, the sync and the close checked: a full disk leaves nothing staged.
        auto file = std::make_unique<win::WholeFile>(paths[i]);
        errno = 0;
        if (!file->Open() || !Write(*file, bytes) || !file->Stage())
            return cannotWrite(file->Error() != 0 ? file->Error() : errno);
        staged.push_back({std::move(file), paths[i]});
    }

    // Pages that could not be read stay beside the notebook before anything replaces them.
    SaveResult result = Outcome(NotebookFault::None, 0, hadNotebook, counter);
    result.SwitchVoid = finished == NotebookSwitch::Finish::Void;
    for (const int page : UnreadablePages(folder, name)) {
        const std::optional<QString> kept = KeepPageFile(folder, name, page);
        if (!kept) {
            const int error = errno;
            for (const QString& made : result.KeptFiles)
                QFile::remove(QDir(folder).filePath(made));
            return cannotWrite(error);
        }
        result.KeptFiles.append(*kept);
    }

    NotebookSwitch change;
    for (const StagedFile& file : staged)
        change.Moves.push_back({QFileInfo(file.File->TemporaryPath()).fileName(), QFileInfo(file.Path).fileName()});
    for (int page = pageCount + 1; page <= kMaxNotebookPages; ++page)
        change.Removals.push_back(QFileInfo(PagePath(folder, name, page)).fileName());
    if (!change.Record(folder, name)) {
        for (const QString& made : result.KeptFiles)
            QFile::remove(QDir(folder).filePath(made));
        return cannotWrite(errno);
    }
    // From here on the new notebook is what the folder holds, now or after the next open.
    for (StagedFile& file : staged)
        file.File->Keep();
    const auto move = [this](const QString& from, const QString& to) { return Replace(from, to); };
    // A move that failed once is tried again before the save is given up as half made.
    if (!change.Carry(folder, name, move) && !change.Carry(folder, name, move))
        return Outcome(NotebookFault::PartlyWritten, errno, hadNotebook);
    return result;
}
