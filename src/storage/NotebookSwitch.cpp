#include "storage/NotebookSwitch.h"

#include "storage/NotebookFolder.h"
#include "win/RegularFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <algorithm>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
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
    QTemporaryFile file(QDir(folder).filePath(QStringLiteral(".qel3d-XXXXXX")));
    if (!file.open() || file.write(text) != text.size() || !file.flush() || ::fsync(file.handle()) != 0)
        return false;
    file.close();
    if (!Moved(file.fileName(), SwitchPath(folder, name)))
        return false;
    file.setAutoRemove(false);
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

std::optional<NotebookSwitch> NotebookSwitch::Pending(const QString& folder, const QString& name)
{
    const std::optional<QByteArray> text = win::ReadRegularFile(SwitchPath(folder, name), kMaxSwitchBytes);
    if (!text || !text->startsWith(kHeading) || !text->endsWith("\nend\n"))
        return std::nullopt;
    NotebookSwitch pending;
    const QList<QByteArray> lines = text->mid(kHeading.size()).split('\n');
    for (const QByteArray& line : lines) {
        const QList<QByteArray> fields = line.split('\t');
        QStringList names;
        for (qsizetype i = 1; i < fields.size(); ++i)
            names.append(QString::fromUtf8(fields[i]));
        if (!std::all_of(names.begin(), names.end(), IsPlainName))
            return std::nullopt;
        if (fields[0] == "move" && names.size() == 2)
            pending.Moves.push_back({names[0], names[1]});
        else if (fields[0] == "remove" && names.size() == 1)
            pending.Removals.push_back(names[0]);
        else if (fields[0] == "end" && names.isEmpty())
            return pending;
        else
            return std::nullopt;
    }
    return std::nullopt;
}

bool NotebookSwitch::FinishPending(const QString& folder, const QString& name)
{
    const std::optional<NotebookSwitch> pending = Pending(folder, name);
    if (!pending) {
        // A switch cut short while it was being written down: nothing of it was done.
        QFile::remove(SwitchPath(folder, name));
        return true;
    }
    return pending->Carry(folder, name, Moved);
}
