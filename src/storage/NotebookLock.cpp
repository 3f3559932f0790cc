#include "storage/NotebookLock.h"

#include "storage/NotebookFolder.h"

#include <QFile>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr long kWritingByte = 0;
constexpr long kOpenByte = 1;

flock Range(short type, long start)
{
    flock range{};
    range.l_type = type;
    range.l_whence = SEEK_SET;
    range.l_start = start;
    range.l_len = 1;
    return range;
}

} // namespace

NotebookLock::NotebookLock(const QString& folder, const QString& name) : path_(LockPath(folder, name)) {}

NotebookLock::~NotebookLock()
{
    if (handle_ >= 0)
        ::close(handle_);
}

namespace {

// Takes away what stands at the lock file's name and is no plain file: a link goes (never what it
// points to), a folder is moved aside whole, with all it holds, so that the lock file can be made.
bool ClearStranger(const QByteArray& path)
{
    struct stat status {};
    if (::lstat(path.constData(), &status) != 0 || S_ISREG(status.st_mode))
        return false;
    if (!S_ISDIR(status.st_mode))
        return ::unlink(path.constData()) == 0;
    if (::rmdir(path.constData()) == 0)
        return true;
    for (int number = 1; number < 100; ++number) {
        const QByteArray aside = path + "-zastąpiony-" + QByteArray::number(number);
        if (::renameat2(AT_FDCWD, path.constData(), AT_FDCWD, aside.constData(), RENAME_NOREPLACE) == 0)
            return true;
        if (errno != EEXIST)
            return false;
    }
    return false;
}

bool IsPlainFile(int handle)
{
    struct stat status {};
    return ::fstat(handle, &status) == 0 && S_ISREG(status.st_mode);
}

} // namespace

bool NotebookLock::Open(bool create)
{
    if (handle_ >= 0)
        return true;
    const QByteArray path = QFile::encodeName(path_);
    // Locks that belong to this open file and not to the process, so two in one program also
    // take turns, and closing another handle of the file never drops them.
    const int flags = O_RDWR | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | (create ? O_CREAT : 0);
    handle_ = ::open(path.constData(), flags, 0644);
    if (handle_ >= 0 && !IsPlainFile(handle_)) {
        ::close(handle_);
        handle_ = -1;
        errno = EISDIR;
    }
    // A link, a folder or a pipe planted at the lock file's name would refuse every save.
    if (handle_ < 0 && create && (errno == ELOOP || errno == EISDIR || errno == ENXIO) && ClearStranger(path)) {
        handle_ = ::open(path.constData(), flags | O_EXCL, 0644);
        if (handle_ < 0 && errno == EEXIST)
            handle_ = ::open(path.constData(), flags & ~O_CREAT);
        if (handle_ >= 0 && !IsPlainFile(handle_)) {
            ::close(handle_);
            handle_ = -1;
            errno = EISDIR;
        }
    }
    if (handle_ < 0 && !create) {
        handle_ = ::open(QFile::encodeName(path_).constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
        if (handle_ >= 0 && !IsPlainFile(handle_)) {
            ::close(handle_);
            handle_ = -1;
        }
    }
    return handle_ >= 0;
}

NotebookLock::Take NotebookLock::Set(short type, long start)
{
    flock range = Range(type, start);
    if (::fcntl(handle_, F_OFD_SETLK, &range) == 0)
        return Take::Taken;
    return errno == EAGAIN || errno == EACCES ? Take::Busy : Take::Failed;
}

NotebookLock::Take NotebookLock::TakeForWriting()
{
    if (!Open(true))
        return Take::Failed;
    return Set(F_WRLCK, kWritingByte);
}

NotebookLock::Take NotebookLock::TakeForReading()
{
    // A folder that cannot be written cannot be written by another copy either.
    if (!Open(true) && !Open(false))
        return Take::Taken;
    return Set(F_RDLCK, kWritingByte);
}

bool NotebookLock::MarkOpen()
{
    return Open(true) && Set(F_RDLCK, kOpenByte) == Take::Taken;
}

bool NotebookLock::OpenElsewhere() const
{
    int handle = handle_;
    if (handle < 0)
        handle = ::open(QFile::encodeName(path_).constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (handle < 0)
        return false; // no lock file: nobody has marked the notebook open
    flock range = Range(F_WRLCK, kOpenByte);
    const bool held = ::fcntl(handle, F_OFD_GETLK, &range) == 0 && range.l_type != F_UNLCK;
    if (handle != handle_)
        ::close(handle);
    return held;
}
