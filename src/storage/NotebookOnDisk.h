#pragma once

#include "storage/NotebookLock.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <optional>

// What this copy of the program last knew of its notebook on disk: the save counter it opened or
// saved, and which index file that was. It also marks the notebook open for other copies, for as
// long as it knows it.
class NotebookOnDisk {
public:
    // The notebook `name` in `folder` was just opened or saved, with this counter in its index.
    void Know(const QString& folder, const QString& name, std::uint64_t counter);
    void Forget();

    // The counter a save expects on disk; nothing while no notebook is known.
    std::optional<std::uint64_t> Counter() const { return counter_; }
    const QString& Folder() const { return folder_; }
    // Whether another copy saved the notebook since: its index is another file with another
    // counter. Only an index that changed is read.
    bool WrittenElsewhere() const;
    // Whether another copy of the program has the notebook `name` in `folder` open.
    bool OpenElsewhere(const QString& folder, const QString& name) const;

    // The save counter of a notebook's index; 0 when there is none or it cannot be read.
    static std::uint64_t CounterOf(const QString& folder, const QString& name);

private:
    QString folder_;
    QString name_;
    std::optional<std::uint64_t> counter_;
    // The index file as it was known: its inode and change time.
    std::uint64_t inode_ = 0;
    std::int64_t changed_ = 0;
    std::unique_ptr<NotebookLock> openMark_;
};
