#include "storage/NotebookLock.h"

#include "storage/NotebookFolder.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
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

bool NotebookLock::Open(bool create)
{
    if (handle_ >= 0)
        return true;
    const QByteArray path = QFile::encodeName(path_);
    // Locks that belong to this open file and not to the process, so two in one program also
    // take turns, and closing another handle of the file never drops them.
    handle_ = ::open(path.constData(), O_RDWR | O_CLOEXEC | O_NOFOLLOW | (create ? O_CREAT : 0), 0644);
    if (handle_ < 0 && !create)
        handle_ = ::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
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
