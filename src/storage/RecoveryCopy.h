#pragma once

#include "storage/NotebookContent.h"

#include <QString>

#include <memory>
#include <optional>
#include <vector>

class QLockFile;

// A notebook as a recovery copy kept it.
struct RecoveredNotebook {
    NotebookContent Content;
    QString Name; // empty when the notebook had none
};

// Where recovery copies live: "Odzysk" in the user's application data folder, never beside the
// notebooks.
QString RecoveryRoot();

// The recovery copy of one running program: a folder of its own under the root, held by a lock
// while the program runs. Each write goes to a new folder of its own and takes the place of the
// last one only when it is whole, so a copy killed at any moment leaves the last whole notebook.
class RecoveryCopy {
public:
    ~RecoveryCopy();
    RecoveryCopy(const RecoveryCopy&) = delete;
    RecoveryCopy& operator=(const RecoveryCopy&) = delete;

    // A new copy's folder for this program; nothing when it cannot be made.
    static std::unique_ptr<RecoveryCopy> Create(const QString& root);
    // The copies of programs that are no longer running and left a notebook, newest first; their
    // locks are held now. Copies that hold nothing are removed.
    static std::vector<std::unique_ptr<RecoveryCopy>> Orphans(const QString& root);

    bool Write(const NotebookContent& content, const QString& name);
    // The last notebook written whole; nothing when there is none or it cannot be read.
    std::optional<RecoveredNotebook> Read() const;
    // Forgets what was written; the copy stays this program's.
    void Clear();
    // Removes the copy with its folder and lock.
    void Remove();

private:
    RecoveryCopy(QString folder, std::unique_ptr<QLockFile> lock);
    int CurrentGeneration() const;

    QString folder_;
    std::unique_ptr<QLockFile> lock_;
};
