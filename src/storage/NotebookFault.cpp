#include "storage/NotebookFault.h"

#include <QDir>

QString NotebookFaultText(NotebookFault fault, const QString& name, const QString& folder)
{
    const QString where = QDir::toNativeSeparators(folder);
    switch (fault) {
    case NotebookFault::NoNotebook:
        return QStringLiteral("W katalogu %1 nie ma zeszytu o nazwie %2.").arg(where, name);
    case NotebookFault::BadIndex:
        return QStringLiteral("Zeszytu %1 nie można otworzyć: plik %1.qel3d w katalogu %2 jest uszkodzony.").arg(name, where);
    case NotebookFault::CannotWrite:
        return QStringLiteral("Nie można zapisać zeszytu %1 w katalogu %2. Poprzednia kopia zeszytu "
                              "pozostała bez zmian.")
            .arg(name, where);
    case NotebookFault::PartlyWritten:
        return QStringLiteral("Zapisywanie zeszytu %1 w katalogu %2 przerwało się w trakcie. Zeszyt na dysku "
                              "może być niepełny; zapisz go jeszcze raz.")
            .arg(name, where);
    case NotebookFault::SavedElsewhere:
        return QStringLiteral("Zeszyt %1 w katalogu %2 został w międzyczasie zapisany przez inną kopię programu. "
                              "Ten zapis niczego w nim nie zmienił.")
            .arg(name, where);
    case NotebookFault::None:
        break;
    }
    return {};
}

QString SavedElsewhereQuestion(const QString& name)
{
    return QStringLiteral("Zeszyt %1 został w międzyczasie zapisany przez inną kopię programu. "
                          "Czy zastąpić go tymi rysunkami?")
        .arg(name);
}

QString LostPagesText(const QString& name, const std::vector<int>& lostPages)
{
    if (lostPages.size() == 1)
        return QStringLiteral("W zeszycie %1 nie udało się odczytać strony %2. Zamiast niej jest pusta strona.")
            .arg(name)
            .arg(lostPages.front());
    // "2, 3 i 5"
    QString numbers;
    for (std::size_t i = 0; i < lostPages.size(); ++i) {
        if (i > 0)
            numbers += i + 1 == lostPages.size() ? QStringLiteral(" i ") : QStringLiteral(", ");
        numbers += QString::number(lostPages[i]);
    }
    return QStringLiteral("W zeszycie %1 nie udało się odczytać stron %2. Zamiast nich są puste strony.").arg(name, numbers);
}
