#include "storage/NotebookSwitch.h"

#include "storage/NotebookContent.h"
#include "storage/NotebookFolder.h"
#include "win/RegularFile.h"
#include "win/WholeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QByteArray kHeading("qel3d-switch 1\n");
// A switch names at most nine moves, eight removals and its temporary files.
constexpr qint64 kMaxSwitchBytes = 64 * 1024;

// Only plain names in the notebook's own folder: a planted file cannot move anything elsewhere.
bool IsPlainName(const QString& name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..")
           && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\t')) && !name.contains(QLatin1Char('\n'));
}

bool Moved(const QString& from, const QString& to)
{
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

} // namespace

void SyncFolder(const QString& folder)
{
    const int handle = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (handle >= 0) {
        ::fsync(handle);
        ::close(handle);
    }
}

bool NotebookSwitch::Record(const QString& folder, const QString& name) const
{
    QByteArray text = kHeading;
    for (const Move& move : Moves)
        text += "move\t" + move.From.toUtf8() + '\t' + move.To.toUtf8() + '\n';
    for (const QString& removal : Removals)
        text += "remove\t" + removal.toUtf8() + '\n';
    text += "end\n";
    // Written whole under a short temporary name and then moved into place: it is there whole or
    // not at all.
    win::WholeFile file(SwitchPath(folder, name));
    if (!file.Open() || !file.Write(text) || !file.Commit()) {
        errno = file.Error();
        return false;
    }
    // The moves that follow change the same folder after it: a journal that keeps them keeps it.
    return true;
}

bool NotebookSwitch::Carry(const QString& folder, const QString& name, const Mover& move) const
{
    const QDir dir(folder);
    for (const Move& m : Moves) {
        const QString from = dir.filePath(m.From);
        if (QFileInfo::exists(from) && !move(from, dir.filePath(m.To)))
            return false;
    }
    for (const QString& removal : Removals)
        QFile::remove(dir.filePath(removal));
    SyncFolder(folder);
    // Should a power cut bring the switch back, carrying it again moves nothing and removes
    // only pictures that are gone already.
    QFile::remove(SwitchPath(folder, name));
    return true;
}

namespace {

// The file names of the notebook's index and pages, in either form a name may take on disk.
QStringList OwnNames(const QString& name, bool withIndex)
{
    QStringList names;
    for (const QString& form : {name.normalized(QString::NormalizationForm_C), name.normalized(QString::NormalizationForm_D)}) {
        if (withIndex)
            names.append(form + QStringLiteral(".qel3d"));
        for (int page = 1; page <= kMaxNotebookPages; ++page)
            names.append(form + QString::number(page) + QStringLiteral(".bmp"));
    }
    return names;
}

// What is at a path, not following a link: -1 when nothing is there.
int KindAt(const QString& path)
{
    struct stat status {};
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0)
        return -1;
    return static_cast<int>(status.st_mode & S_IFMT);
}

bool Allowed(const NotebookSwitch& change, const QString& folder, const QString& name)
{
    const QDir dir(folder);
    const QStringList targets = OwnNames(name, true);
    const QStringList pages = OwnNames(name, false);
    for (const NotebookSwitch::Move& move : change.Moves) {
        if (!win::WholeFile::IsTemporaryName(move.From) || !targets.contains(move.To))
            return false;
        // A staged file is a plain file; what it replaces is a file or a link, never a folder.
        const int from = KindAt(dir.filePath(move.From));
        const int to = KindAt(dir.filePath(move.To));
        if ((from != -1 && from != S_IFREG) || (to != -1 && to != S_IFREG && to != S_IFLNK))
            return false;
    }
    for (const QString& removal : change.Removals) {
        if (!pages.contains(removal))
            return false;
    }
    return true;
}

} // namespace

NotebookSwitch::Found NotebookSwitch::Pending(const QString& folder, const QString& name, NotebookSwitch& pending)
{
    pending = {};
    const std::optional<QByteArray> text = win::ReadRegularFile(SwitchPath(folder, name), kMaxSwitchBytes);
    if (!text || !text->startsWith(kHeading) || !text->endsWith("\nend\n"))
        return Found::None;
    const QList<QByteArray> lines = text->mid(kHeading.size()).split('\n');
    for (const QByteArray& line : lines) {
        const QList<QByteArray> fields = line.split('\t');
        QStringList names;
        for (qsizetype i = 1; i < fields.size(); ++i)
            names.append(QString::fromUtf8(fields[i]));
        if (!std::all_of(names.begin(), names.end(), IsPlainName))
            return Found::Void;
        if (fields[0] == "move" && names.size() == 2)
            pending.Moves.push_back({names[0], names[1]});
        else if (fields[0] == "remove" && names.size() == 1)
            pending.Removals.push_back(names[0]);
        else if (fields[0] == "end" && names.isEmpty())
            return Allowed(pending, folder, name) ? Found::Whole : Found::Void;
        else
            return Found::Void;
    }
    return Found::Void;
}

NotebookSwitch::Finish NotebookSwitch::FinishPending(const QString& folder, const QString& name)
{
    NotebookSwitch pending;
    switch (Pending(folder, name, pending)) {
    case Found::None:
        // No switch, or one cut short while it was being written down: nothing of it was done.
        QFile::remove(SwitchPath(folder, name));
        return Finish::Done;
    case Found::Void: {
        // Kept for whoever wants to look, out of the way of the notebook: said once, as the next
        // open finds no switch.
        const QString aside = SwitchPath(folder, name) + QStringLiteral("-nieważny");
        QFile::remove(aside);
        if (!Moved(SwitchPath(folder, name), aside))
            ::unlink(QFile::encodeName(SwitchPath(folder, name)).constData());
        return Finish::Void;
    }
    case Found::Whole:
        break;
    }
    return pending.Carry(folder, name, Moved) ? Finish::Done : Finish::Failed;
}

void NotebookSwitch::RemoveLeftovers(const QString& folder, const QString& ownLock)
{
    const QDir dir(folder);
    const QStringList hidden = dir.entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    QStringList staged;
    QStringList locks;
    QStringList switches;
    for (const QString& entry : hidden) {
        if (win::WholeFile::IsTemporaryName(entry))
            staged.append(entry);
        else if (entry.startsWith(QLatin1Char('.')) && entry.endsWith(QStringLiteral(".lock")))
            locks.append(entry);
        else if (entry.startsWith(QLatin1Char('.')) && entry.endsWith(QStringLiteral(".next")))
            switches.append(entry);
    }
    if (staged.isEmpty())
        return;
    // A save under way holds its lock while it stages its files.
    const QString own = QFileInfo(ownLock).fileName();
    for (const QString& lock : locks) {
        if (lock == own)
            continue;
        const int handle = ::open(QFile::encodeName(dir.filePath(lock)).constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
        if (handle < 0)
            continue;
        flock range{};
        range.l_type = F_WRLCK;
        range.l_whence = SEEK_SET;
        range.l_start = 0;
        range.l_len = 1;
        const bool held = ::fcntl(handle, F_OFD_GETLK, &range) == 0 && range.l_type != F_UNLCK;
        ::close(handle);
        if (held)
            return;
    }
    // A switch of another notebook still to be finished names staged files it will move.
    QStringList named;
    for (const QString& entry : switches) {
        const std::optional<QByteArray> text = win::ReadRegularFile(dir.filePath(entry), kMaxSwitchBytes);
        if (!text)
            continue;
        for (const QByteArray& line : text->split('\n')) {
            const QList<QByteArray> fields = line.split('\t');
            if (fields.size() == 3 && fields[0] == "move")
                named.append(QString::fromUtf8(fields[1]));
        }
    }
    for (const QString& entry : staged) {
        if (!named.contains(entry))
            ::unlink(QFile::encodeName(dir.filePath(entry)).constData());
    }
}
