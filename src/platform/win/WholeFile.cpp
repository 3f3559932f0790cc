#include "win/WholeFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <mutex>

#include <fcntl.h>
#include <unistd.h>

namespace win {

namespace {

// The context this file's texts are translated in.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(WholeFile)
};

std::mutex faultLock;
std::optional<WriteFault> planted;

std::optional<WriteFault> Planted()
{
    const std::lock_guard<std::mutex> hold(faultLock);
    return planted;
}

void SyncFolderOf(const QString& path)
{
    const QString folder = QFileInfo(path).absolutePath();
    const int handle = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (handle >= 0) {
        ::fsync(handle);
        ::close(handle);
    }
}

// A new file of the program's pattern in `folder`, never through a link; its descriptor and
// name, or -1 with errno.
int MakeTemporaryFile(const QString& folder, QString& name)
{
    static const char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    for (int attempt = 0; attempt < 100; ++attempt) {
        QString candidate = WholeFile::TemporaryPrefix();
        for (int i = 0; i < 6; ++i)
            candidate += QLatin1Char(kLetters[QRandomGenerator::global()->bounded(int{sizeof kLetters} - 1)]);
        const QString path = folder.isEmpty() ? candidate : folder + QLatin1Char('/') + candidate;
        const int handle = ::open(QFile::encodeName(path).constData(),
                                  O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (handle >= 0) {
            name = path;
            return handle;
        }
        if (errno != EEXIST)
            return -1;
    }
    errno = EEXIST;
    return -1;
}

} // namespace

QString WriteErrorText(int error)
{
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        return Texts::tr("na dysku brakuje miejsca");
    case EACCES:
    case EPERM:
        return Texts::tr("nie ma uprawnień do zapisu w tym folderze");
    case EROFS:
        return Texts::tr("dysk jest tylko do odczytu");
    case ENAMETOOLONG:
        return Texts::tr("nazwa jest za długa dla tego dysku");
    case ENOENT:
        return Texts::tr("nie ma takiego folderu");
    case ENOTDIR:
    case EEXIST:
        return Texts::tr("w miejscu folderu jest plik");
    case EISDIR:
        return Texts::tr("w miejscu pliku jest folder");
    case EIO:
        return Texts::tr("dysk nie odpowiada poprawnie");
    default:
        return Texts::tr("wystąpił błąd zapisu na dysku");
    }
}

bool WholeFile::IsTemporaryName(const QString& fileName)
{
    if (fileName.size() != TemporaryPrefix().size() + 6 || !fileName.startsWith(TemporaryPrefix()))
        return false;
    for (qsizetype i = TemporaryPrefix().size(); i < fileName.size(); ++i) {
        const char16_t c = fileName[i].unicode();
        if (!((c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9')))
            return false;
    }
    return true;
}

WholeFile::WholeFile(QString path) : path_(std::move(path))
{
}

WholeFile::~WholeFile()
{
    Cancel();
}

bool WholeFile::Open()
{
    if (handle_ >= 0 || committed_)
        return error_ == 0;
    handle_ = MakeTemporaryFile(QFileInfo(path_).absolutePath(), temporary_);
    if (handle_ < 0)
        return Fail(errno != 0 ? errno : EIO);
    return true;
}

bool WholeFile::Fail(int error)
{
    if (error_ == 0)
        error_ = error != 0 ? error : EIO;
    return false;
}

bool WholeFile::Write(const char* data, qint64 size)
{
    if (error_ != 0)
        return false;
    if (handle_ < 0)
        return Fail(EBADF);
    const std::optional<WriteFault> fault = Planted();
    while (size > 0) {
        qint64 chunk = size;
        if (fault && fault->RoomBytes >= 0) {
            const off_t at = ::lseek(handle_, 0, SEEK_CUR);
            const qint64 room = fault->RoomBytes - static_cast<qint64>(at);
            if (room <= 0)
                return Fail(fault->Error);
            chunk = std::min(chunk, room);
        }
        const ssize_t written = ::write(handle_, data, static_cast<std::size_t>(chunk));
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return Fail(errno);
        if (written == 0)
            return Fail(ENOSPC);
        data += written;
        size -= written;
    }
    return true;
}

bool WholeFile::Stage()
{
    if (handle_ < 0 && error_ == 0)
        Fail(EBADF);
    if (error_ != 0) {
        Drop();
        return false;
    }
    const std::optional<WriteFault> fault = Planted();
    if (::fsync(handle_) != 0)
        Fail(errno);
    else if (fault && fault->FailSync)
        Fail(fault->Error);
    // A file system that writes late (a share) tells its fault only here.
    const int closed = ::close(handle_);
    handle_ = -1;
    if (closed != 0)
        Fail(errno);
    else if (fault && fault->FailClose)
        Fail(fault->Error);
    if (error_ != 0) {
        Drop();
        return false;
    }
    return true;
}

bool WholeFile::Commit(bool syncFolder)
{
    if (committed_)
        return true;
    if (handle_ >= 0 || error_ != 0) {
        if (!Stage())
            return false;
    } else if (temporary_.isEmpty()) {
        return Fail(EBADF);
    }
    if (std::rename(QFile::encodeName(temporary_).constData(), QFile::encodeName(path_).constData()) != 0) {
        Fail(errno);
        Drop();
        return false;
    }
    committed_ = true;
    if (syncFolder)
        SyncFolderOf(path_);
    return true;
}

void WholeFile::Cancel()
{
    if (!committed_)
        Drop();
}

void WholeFile::Drop()
{
    if (handle_ >= 0) {
        ::close(handle_);
        handle_ = -1;
    }
    if (!temporary_.isEmpty()) {
        ::unlink(QFile::encodeName(temporary_).constData());
        temporary_.clear();
    }
}

int WriteWholeFile(const QString& path, const QByteArray& bytes)
{
    WholeFile file(path);
    if (file.Open() && file.Write(bytes) && file.Commit())
        return 0;
    return file.Error();
}

void PlantWriteFault(std::optional<WriteFault> fault)
{
    const std::lock_guard<std::mutex> hold(faultLock);
    planted = fault;
}

} // namespace win
