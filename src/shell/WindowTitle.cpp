#include "shell/WindowTitle.h"

QString MainWindowTitle(const QString& notebook)
{
    const QString program = QStringLiteral("Qel 3D[*]");
    return notebook.isEmpty() ? program : notebook + QStringLiteral(" – ") + program;
}
