#include "storage/NotebookFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString NotebooksFolder()
{
    const QString chosen = qEnvironmentVariable("QEL3D_NOTEBOOKS");
    if (!chosen.isEmpty())
        return chosen;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(documents).filePath(QStringLiteral("Qel 3D/KARTKI"));
}

QString NotebookNameForm(const QString& typed)
{
    return typed.trimmed().normalized(QString::NormalizationForm_C);
}

bool IsNotebookName(const QString& name)
{
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('.')))
        return false;
    for (const QChar c : trimmed) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.category() == QChar::Other_Control)
            return false;
    }
    return true;
}

namespace {

QString FilePath(const QString& folder, const QString& name, const QString& ending)
{
    const QDir dir(folder);
    const QString composedName = name.normalized(QString::NormalizationForm_C);
    const QString composed = dir.filePath(composedName + ending);
    // Files copied from systems that keep names decomposed are used under the name they have.
    const QString decomposedName = name.normalized(QString::NormalizationForm_D);
    if (decomposedName == composedName || QFileInfo::exists(composed))
        return composed;
    const QString decomposed = dir.filePath(decomposedName + ending);
    return QFileInfo::exists(decomposed) ? decomposed : composed;
}

// A hidden file of the notebook's, never longer than its index's name.
QString HiddenPath(const QString& folder, const QString& name, const QString& ending)
{
    return QDir(folder).filePath(QLatin1Char('.') + name.normalized(QString::NormalizationForm_C) + ending);
}

} // namespace

QString IndexPath(const QString& folder, const QString& name)
{
    return FilePath(folder, name, QStringLiteral(".qel3d"));
}

QString PagePath(const QString& folder, const QString& name, int page)
{
    return FilePath(folder, name, QString::number(page) + QStringLiteral(".bmp"));
}

QString LockPath(const QString& folder, const QString& name)
{
    return HiddenPath(folder, name, QStringLiteral(".lock"));
}

QString SwitchPath(const QString& folder, const QString& name)
{
    return HiddenPath(folder, name, QStringLiteral(".next"));
}
