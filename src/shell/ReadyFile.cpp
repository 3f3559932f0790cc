#include "shell/ReadyFile.h"

#include "win/WholeFile.h"

#include <QWidget>

void AnnounceReadyWindow(const QWidget& window)
{
    const QString path = qEnvironmentVariable("QEL3D_READY_FILE");
    if (path.isEmpty())
        return;
    win::WriteWholeFile(path, QByteArray::number(static_cast<qulonglong>(window.winId())) + '\n');
}
