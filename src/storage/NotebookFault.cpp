#include "storage/NotebookFault.h"

#include <QDir>

QString NotebookFaultText(NotebookFault fault, const QString& name, const QString& folder, const QString& file)
{
    const QString where = QDir::toNativeSeparators(folder);
    switch (fault) {
    case NotebookFault::NoNotebook:
        return QStringLiteral("W katalogu %1 nie ma zeszytu o nazwie %2.").arg(where, name);
    case NotebookFault::BadIndex:
        return QStringLiteral("Zeszytu %1 nie można otworzyć: plik %1.qel3d w katalogu %2 jest uszkodzony.").arg(name, where);
    case NotebookFault::MissingPage:
        return QStringLiteral("Zeszytu %1 nie można otworzyć: w katalogu %2 brakuje kartki %3.").arg(name, where, file);
    case NotebookFault::BadPage:
        return QStringLiteral("Zeszytu %1 nie można otworzyć: kartka %3 w katalogu %2 jest uszkodzona "
                              "albo nie ma rozmiaru 256 × 256 punktów.")
            .arg(name, where, file);
    case NotebookFault::CannotWrite:
        return QStringLiteral("Nie można zapisać zeszytu %1 w katalogu %2. Poprzednia kopia zeszytu "
                              "pozostała bez zmian.")
            .arg(name, where);
    case NotebookFault::None:
        break;
    }
    return {};
}
