#include "storage/NotebookFault.h"

#include <QDir>

#include <cerrno>

QString NotebookFaultText(NotebookFault fault, const QString& name, const QString& folder)
{
    const QString where = QDir::toNativeSeparators(folder);
    switch (fault) {
    case NotebookFault::NoNotebook:
        return QStringLiteral("W katalogu %1 nie ma zeszytu o nazwie %2.").arg(where, name);
    case NotebookFault::BadIndex:
        return QStringLiteral("Zeszytu %1 nie można otworzyć: plik %1.qel3d w katalogu %2 jest uszkodzony.").arg(name, where);
    case NotebookFault::CannotWrite:
        return CannotWriteText(name, folder, 0, true);
    case NotebookFault::PartlyWritten:
        return QStringLiteral("Zapisywanie zeszytu %1 w katalogu %2 przerwało się w połowie. Zeszyt na dysku "
                              "może być niepełny; zapisz go jeszcze raz.")
            .arg(name, where);
    case NotebookFault::SavedElsewhere:
        return QStringLiteral("Zeszyt %1 w katalogu %2 został w międzyczasie zapisany przez inną kopię programu. "
                              "Ten zapis niczego w nim nie zmienił.")
            .arg(name, where);
    case NotebookFault::BeingSaved:
        return QStringLiteral("Zeszyt %1 w katalogu %2 jest właśnie zapisywany przez inną kopię programu. "
                              "Spróbuj ponownie za chwilę.")
            .arg(name, where);
    case NotebookFault::None:
        break;
    }
    return {};
}

namespace {

QString WriteCause(int error)
{
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("na dysku brakuje miejsca.");
    case EACCES:
    case EPERM:
        return QStringLiteral("nie ma uprawnień do zapisu w tym katalogu.");
    case EROFS:
        return QStringLiteral("dysk jest tylko do odczytu.");
    case ENAMETOOLONG:
        return QStringLiteral("nazwa jest za długa dla tego dysku.");
    case ENOTDIR:
    case EEXIST:
        return QStringLiteral("w miejscu katalogu jest plik.");
    default:
        return QStringLiteral("wystąpił błąd zapisu na dysku.");
    }
}

} // namespace

QString CannotWriteText(const QString& name, const QString& folder, int error, bool hadNotebook)
{
    QString text = QStringLiteral("Nie można zapisać zeszytu %1 w katalogu %2: %3")
                       .arg(name, QDir::toNativeSeparators(folder), WriteCause(error));
    if (hadNotebook)
        text += QStringLiteral(" Poprzednia kopia zeszytu pozostała bez zmian.");
    return text;
}

QString KeptPagesText(const QString& name, const QStringList& keptFiles)
{
    return QStringLiteral("Kartek zeszytu %1, których nie można było odczytać, nie zastąpiono pustymi: ich pliki "
                          "są zachowane obok zeszytu jako %2.")
        .arg(name, keptFiles.join(QStringLiteral(", ")));
}

QString SavedElsewhereQuestion(const QString& name)
{
    return QStringLiteral("Zeszyt %1 został w międzyczasie zapisany przez inną kopię programu. "
                          "Czy zastąpić go tymi rysunkami?")
        .arg(name);
}

QString LostPagesText(const QString& name, const QStringList& lostPages, bool keptOnSave)
{
    QString text = QStringLiteral("Niektórych kartek zeszytu %1 nie można było odczytać: %2. W ich miejscu są puste "
                                  "kartki.")
                       .arg(name, lostPages.join(QStringLiteral(", ")));
    if (keptOnSave)
        text += QStringLiteral(" Gdy zapiszesz zeszyt, ich pliki zostaną zachowane obok niego pod nowymi nazwami.");
    return text;
}
