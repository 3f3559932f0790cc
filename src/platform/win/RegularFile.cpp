#include "win/RegularFile.h"


#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

namespace win {

namespace {

constexpr qint64 kChunkBytes = 1 << 20;

} // namespace

bool OpenRegularFile(const QString& fileName, QFile& file)
{
    file.close();
    // A device or a pipe is not even opened: opening some has effects of its own.
    const QByteArray path = QFile::encodeName(fileName);
    struct stat status {};
    if (fileName.isEmpty() || ::stat(path.constData(), &status) != 0 || !S_ISREG(status.st_mode))
        return false;
    // The name may change hands between the look and the open: open without waiting, and look
    // again at what was opened.
    const int handle = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (handle < 0)
        return false;
    if (::fstat(handle, &status) != 0 || !S_ISREG(status.st_mode)
        || !file.open(handle, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(handle);
        return false;
    }
    return true;
}

std::optional<QByteArray> ReadRegularFile(const QString& fileName, qint64 maxBytes)
{
    QFile file;
    if (maxBytes < 0 || !OpenRegularFile(fileName, file))
        return std::nullopt;
    // The size is only a hint: the file may grow while it is read, so the reading itself stops
    // one byte past the limit.
    const qint64 limit = maxBytes + 1;
    // A first read the size of the file and one byte more, so that a small file costs no large
    // buffer and one allocation; then chunks for a file that grew.
    const qint64 first = std::min(file.size() + 1, limit);
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(first));
    while (bytes.size() < limit) {
        const qint64 start = bytes.size();
        const qint64 wanted = start == 0 ? first : std::min(kChunkBytes, limit - start);
        bytes.resize(static_cast<qsizetype>(start + wanted));
        const qint64 got = file.read(bytes.data() + start, wanted);
        if (got < 0)
            return std::nullopt;
        bytes.resize(static_cast<qsizetype>(start + got));
        // A regular file reads short only at its end.
        if (got < wanted)
            break;
    }
    if (bytes.size() > maxBytes)
        return std::nullopt;
    return bytes;
}

} // namespace win
