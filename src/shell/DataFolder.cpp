#include "shell/DataFolder.h"

#include <QDir>
#include <QFileInfo>

namespace {

// The first data file start-up opens.
const char* const kProbe = "00.x";

bool HoldsData(const QString& folder)
{
    return QFileInfo::exists(QDir(folder).filePath(QLatin1String(kProbe)));
}

} // namespace

QString InstalledDataFolder(const QString& programFolder)
{
    return QDir(programFolder).filePath(QStringLiteral("../share/qel3d"));
}

bool EnterDataFolder(const QString& programFolder)
{
    if (HoldsData(QDir::currentPath()))
        return true;
    for (const QString& folder : {InstalledDataFolder(programFolder), programFolder}) {
        if (HoldsData(folder) && QDir::setCurrent(folder))
            return true;
    }
    return false;
}
