#include "shell/SavedFileNotice.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

// The file's name, and the folder's own name; the whole path only for the top of the disk.
QString Notice(const char* text, const QString& path)
{
    const QFileInfo file(path);
    const QString folder = file.dir().dirName();
    return QCoreApplication::translate("SavedFileNotice", text)
        .arg(file.fileName(), folder.isEmpty() ? QDir::toNativeSeparators(file.absolutePath()) : folder);
}

} // namespace

QString SavedPictureNotice(const QString& path)
{
    return Notice(QT_TRANSLATE_NOOP("SavedFileNotice", "Obraz zapisano jako %1 w folderze %2."), path);
}

QString SavedAnimationNotice(const QString& path)
{
    return Notice(QT_TRANSLATE_NOOP("SavedFileNotice", "Animację zapisano jako %1 w folderze %2."), path);
}
