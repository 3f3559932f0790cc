#include "shell/ReadyFile.h"

#include <QSaveFile>
#include <QWidget>

void AnnounceReadyWindow(const QWidget& window)
{
    const QString path = qEnvironmentVariable("QEL3D_READY_FILE");
    if (path.isEmpty())
        return;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return;
    file.write(QByteArray::number(static_cast<qulonglong>(window.winId())) + '\n');
    file.commit();
}
