#include "support/HostileFiles.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <future>

bool MakePipe(const QString& path)
{
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}

bool LinkToZeroDevice(const QString& path)
{
    return QFile::link(QStringLiteral("/dev/zero"), path);
}

bool ReturnsInTime(const std::function<void()>& read, const QString& pipePath)
{
    std::future<void> done = std::async(std::launch::async, read);
    if (done.wait_for(std::chrono::seconds(5)) == std::future_status::ready) {
        done.get();
        return true;
    }
    const int writer = ::open(QFile::encodeName(pipePath).constData(), O_WRONLY | O_NONBLOCK);
    if (writer >= 0)
        ::close(writer);
    done.wait();
    return false;
}

bool WriteSparseFile(const QString& path, const QByteArray& head, qint64 length)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(head) == head.size() && file.resize(length);
}
