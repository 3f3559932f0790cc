#pragma once

#include <QString>

// The lock file beside a notebook that copies of the program agree on. Its first byte is held
// while a copy saves the notebook (shared while one reads it), its second, shared, while a copy
// has the notebook open. The system lets go of both when the file is closed or its copy ends,
// however it ends: a lock of a copy that is gone, or a file left empty, with garbage or from
// another host, never stands in the way. Nothing ever waits for a lock.
class NotebookLock {
public:
    enum class Take {
        Taken,
        Busy,   // another copy holds it
        Failed, // the lock file cannot be made or opened: errno says why
    };

    NotebookLock(const QString& folder, const QString& name);
    ~NotebookLock();
    NotebookLock(const NotebookLock&) = delete;
    NotebookLock& operator=(const NotebookLock&) = delete;

    // Alone, to write the notebook's files.
    Take TakeForWriting();
    // Beside other readers, to read them; a writer holding it makes this Busy.
    Take TakeForReading();
    // Says that this copy has the notebook open, for as long as this object lives.
    bool MarkOpen();
    // Whether another copy (or another lock object) says it has the notebook open.
    bool OpenElsewhere() const;

private:
    bool Open(bool create);
    Take Set(short type, long start);

    QString path_;
    int handle_ = -1;
};
