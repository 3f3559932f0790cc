#include "shell/ProgramSettings.h"

QSettings ProgramSettings()
{
    return QSettings(QStringLiteral("Qel 3D"), QStringLiteral("Qel 3D"));
}
