#pragma once

#include "storage/NotebookContent.h"

#include <QDateTime>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <system_error>
#include <vector>

namespace win {
class WholeFile;
}

// A notebook as a recovery copy kept it.
struct RecoveredNotebook {
    NotebookContent Content;
    QString Name; // empty when the notebook had none
    // When it was written.
    QDateTime Written;
    // Later changes could not be written: the notebook is older than what the program showed.
    bool Behind = false;
};

// Why no recovery copy can be written.
enum class RecoveryTrouble {
    None,
    ReadOnly,
    Full,
    Link, // the folder of recovery copies is a link: nothing is kept through it
    Other,
};
RecoveryTrouble RecoveryTroubleOf(std::error_code error);

// Where recovery copies live: "Odzysk" in the user's application data folder, never beside the
// notebooks.
QString RecoveryRoot();

// The copies left by programs that are no longer running, found at start.
struct LeftCopies {
    // The newest one that holds a notebook; nothing when none does.
    std::optional<QString> Newest;
    // How many older ones hold a notebook too.
    int Older = 0;
    // Those that hold nothing: removing them may take long, so it is left to the caller.
    std::vector<QString> Empty;
};

// The recovery copy of one running program: a folder of its own under the root, held by a lock
// while the program runs. Each write goes to a new folder of its own and takes the place of the
// last one only when it is whole, so a copy killed at any moment leaves the last whole notebook.
// A page whose picture did not change since the last write is linked, not written again. Links
// planted in the folders are never followed: they are removed as links, or passed by.
class RecoveryCopy {
public:
    virtual ~RecoveryCopy();
    RecoveryCopy(const RecoveryCopy&) = delete;
    RecoveryCopy& operator=(const RecoveryCopy&) = delete;

    // A new copy's folder for this program; nothing, and why, when it cannot be made.
    static std::unique_ptr<RecoveryCopy> Create(const QString& root, std::error_code& trouble);
    // Looks through the copies under `root` once, naming those of programs that are gone; a
    // copy whose write is a link, or holds one, is passed by. `stop` ends the look early.
    static LeftCopies Left(const QString& root, const std::function<bool()>& stop = {});
    // Removes a copy that Left found empty, unless its lock is held or it holds a notebook by now.
    static void RemoveIfEmpty(const QString& folder);
    // Takes over the copy in `folder` when its program is gone; nothing otherwise.
    static std::unique_ptr<RecoveryCopy> Adopt(const QString& folder);

    // Nothing on success; on a fault the last whole notebook stays and is marked as behind.
    std::error_code Write(const NotebookContent& content, const QString& name);
    // The last notebook written whole; nothing when there is none or it cannot be read.
    std::optional<RecoveredNotebook> Read() const;
    // Forgets what was written; the copy stays this program's.
    void Clear();
    // Removes the copy with its folder and lock.
    void Remove();

protected:
    RecoveryCopy(QString folder, int lock);
    // Makes a folder of this program's own under `root` and locks it; -1 and why when it cannot.
    static int MakeFolder(const QString& root, QString& folder, std::error_code& trouble);
    // Writes a whole file's bytes to an open file; the seam where a test makes a write fail.
    virtual std::error_code WriteBytes(win::WholeFile& file, const QByteArray& bytes);

private:
    int CurrentGeneration() const;
    std::error_code WriteGeneration(const QString& into, int previous, const NotebookContent& content,
                                    const QString& name);
    std::error_code WriteFile(const QString& path, const QByteArray& bytes);
    void SetBehind(bool behind) const;

    QString folder_;
    int lock_ = -1;
    // The page pictures the current generation holds, to tell the pages that changed.
    std::vector<std::vector<std::uint8_t>> written_;
};
