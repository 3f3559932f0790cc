#include "storage/NotebookOnDisk.h"

#include "storage/NotebookFolder.h"
#include "storage/NotebookIndex.h"

#include <QFile>

#include <sys/stat.h>

namespace {

struct FileStamp {
    std::uint64_t Inode = 0;
    std::int64_t Changed = 0;
};

FileStamp StampOf(const QString& path)
{
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return {};
    return {static_cast<std::uint64_t>(status.st_ino),
            static_cast<std::int64_t>(status.st_ctim.tv_sec) * 1'000'000'000 + status.st_ctim.tv_nsec};
}

} // namespace

void NotebookOnDisk::Know(const QString& folder, const QString& name, std::uint64_t counter)
{
    if (folder != folder_ || name != name_ || !openMark_) {
        openMark_ = std::make_unique<NotebookLock>(folder, name);
        openMark_->MarkOpen();
    }
    folder_ = folder;
    name_ = name;
    counter_ = counter;
    const FileStamp stamp = StampOf(IndexPath(folder, name));
    inode_ = stamp.Inode;
    changed_ = stamp.Changed;
}

void NotebookOnDisk::Forget()
{
    openMark_.reset();
    folder_.clear();
    name_.clear();
    counter_.reset();
    inode_ = 0;
    changed_ = 0;
}

bool NotebookOnDisk::WrittenElsewhere() const
{
    if (!counter_)
        return false;
    const FileStamp stamp = StampOf(IndexPath(folder_, name_));
    if (stamp.Inode == inode_ && stamp.Changed == changed_)
        return false;
    return CounterOf(folder_, name_) != *counter_;
}

bool NotebookOnDisk::OpenElsewhere(const QString& folder, const QString& name) const
{
    // This copy's own mark does not count.
    if (openMark_ && folder == folder_ && name == name_)
        return openMark_->OpenElsewhere();
    return NotebookLock(folder, name).OpenElsewhere();
}

std::uint64_t NotebookOnDisk::CounterOf(const QString& folder, const QString& name)
{
    const std::optional<NotebookIndex> index = ReadIndexFile(IndexPath(folder, name));
    return index ? index->SaveCounter : 0;
}
