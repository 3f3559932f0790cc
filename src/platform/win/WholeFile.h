#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Every file the program writes goes through here: notebooks, recovery copies, the row of own
// commands, pictures, animations. A file is written under a temporary name of its own beside the
// target (".qel3d-XXXXXX", mode 0666 less the umask), every write checked, then synced and
// closed, the close checked too, and only then moved over the target: a failed write (a full disk, no permission,
// a folder gone read-only) leaves the older file as it was, removes the temporary one and tells
// why as an errno value. The move replaces a link at the target, it never writes through it.
namespace win {

// Why a file could not be written, in words for the child: "na dysku brakuje miejsca" and the like.
QString WriteErrorText(int error);

class WholeFile {
public:
    explicit WholeFile(QString path);
    ~WholeFile();
    WholeFile(const WholeFile&) = delete;
    WholeFile& operator=(const WholeFile&) = delete;

    // Makes the temporary file (readable by others as a file saved the ordinary way is); false
    // when it cannot be made.
    bool Open();
    // False once any write failed: the file is then given up at Commit.
    bool Write(const char* data, qint64 size);
    bool Write(const QByteArray& bytes) { return Write(bytes.constData(), bytes.size()); }
    // Syncs, closes and moves the file into place, then syncs the folder unless the caller does
    // that once for many files; false, with the target as it was, on any fault now or before.
    bool Commit(bool syncFolder = true);
    // Drops what was written; the target stays as it was.
    void Cancel();
    // Syncs and closes the file without moving it: for files moved together by their caller
    // (a notebook's pages and index). False, with the file removed, on any fault.
    bool Stage();
    // The staged file is the caller's from now on: it is no longer removed here.
    void Keep() { committed_ = true; }
    const QString& TemporaryPath() const { return temporary_; }

    // The errno value of the first fault; 0 while there was none.
    int Error() const { return error_; }
    QString ErrorText() const { return WriteErrorText(error_); }

    // The name pattern every temporary file has, so that a kill's leftovers can be told and removed.
    static bool IsTemporaryName(const QString& fileName);
    static QString TemporaryPrefix() { return QStringLiteral(".qel3d-"); }

private:
    bool Fail(int error);
    void Drop();

    QString path_;
    QString temporary_;
    int handle_ = -1;
    int error_ = 0;
    bool committed_ = false;
};

// Writes `bytes` as the whole file `path` as WholeFile does; 0, or why it failed (errno).
int WriteWholeFile(const QString& path, const QByteArray& bytes);

// Faults the tests plant in every file written through here, as a full disk or a failing device
// would give them. Not for the program.
struct WriteFault {
    // How many bytes one file takes before its writes fail as on a full disk (a write across the
    // edge is cut short there, as the system's is); -1 for no end.
    qint64 RoomBytes = -1;
    bool FailSync = false;
    bool FailClose = false;
    int Error = 28; // ENOSPC
};
// The fault every WholeFile meets from now on, or none.
void PlantWriteFault(std::optional<WriteFault> fault);

} // namespace win
