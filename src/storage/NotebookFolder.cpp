#include "storage/NotebookFolder.h"

#include <QDir>
#include <QStandardPaths>

QString NotebooksFolder()
{
    const QString chosen = qEnvironmentVariable("QEL3D_NOTEBOOKS");
    if (!chosen.isEmpty())
        return chosen;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(documents).filePath(QStringLiteral("Qel 3D/KARTKI"));
}

bool IsNotebookName(const QString& name)
{
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty() || trimmed == QLatin1String(".") || trimmed == QLatin1String(".."))
        return false;
    for (const QChar c : trimmed) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.category() == QChar::Other_Control)
            return false;
    }
    return true;
}

QString IndexPath(const QString& folder, const QString& name)
{
    return QDir(folder).filePath(name + QStringLiteral(".qel3d"));
}

QString PagePath(const QString& folder, const QString& name, int page)
{
    return QDir(folder).filePath(name + QString::number(page) + QStringLiteral(".bmp"));
}
