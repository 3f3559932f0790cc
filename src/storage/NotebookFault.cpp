#include "storage/NotebookFault.h"

#include <QCoreApplication>
#include <QDir>

#include <cerrno>

QString NotebookFaultText(NotebookFault fault, const QString& name, const QString& folder)
{
    const QString where = QDir::toNativeSeparators(folder);
    switch (fault) {
    case NotebookFault::NoNotebook:
        return QCoreApplication::translate("NotebookFault", "W katalogu %1 nie ma zeszytu o nazwie %2.").arg(where, name);
    case NotebookFault::BadIndex:
        return QCoreApplication::translate("NotebookFault", "Zeszytu %1 nie można otworzyć: plik %1.qel3d w katalogu %2 jest uszkodzony.").arg(name, where);
    case NotebookFault::CannotWrite:
        return CannotWriteText(name, folder, 0, true);
    case NotebookFault::PartlyWritten:
        return QCoreApplication::translate("NotebookFault", "Zapisywanie zeszytu %1 w katalogu %2 przerwało się w trakcie. Zeszyt na dysku "
                              "może być niepełny; zapisz go jeszcze raz.")
            .arg(name, where);
    case NotebookFault::SavedElsewhere:
        return QCoreApplication::translate("NotebookFault", "Zeszyt %1 w katalogu %2 został w międzyczasie zapisany przez inną kopię programu. "
                              "Ten zapis niczego w nim nie zmienił.")
            .arg(name, where);
    case NotebookFault::BeingSaved:
        return QCoreApplication::translate("NotebookFault", "Zeszyt %1 w katalogu %2 jest właśnie zapisywany przez inną kopię programu. "
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
        return QCoreApplication::translate("NotebookFault", "na dysku brakuje miejsca.");
    case EACCES:
    case EPERM:
        return QCoreApplication::translate("NotebookFault", "nie ma uprawnień do zapisu w tym katalogu.");
    case EROFS:
        return QCoreApplication::translate("NotebookFault", "dysk jest tylko do odczytu.");
    case ENAMETOOLONG:
        return QCoreApplication::translate("NotebookFault", "nazwa jest za długa dla tego dysku.");
    case ENOTDIR:
    case EEXIST:
        return QCoreApplication::translate("NotebookFault", "w miejscu katalogu jest plik.");
    default:
        return QCoreApplication::translate("NotebookFault", "wystąpił błąd zapisu na dysku.");
    }
}

} // namespace

QString CannotWriteText(const QString& name, const QString& folder, int error, bool hadNotebook)
{
    QString text = QCoreApplication::translate("NotebookFault", "Nie można zapisać zeszytu %1 w katalogu %2: %3")
                       .arg(name, QDir::toNativeSeparators(folder), WriteCause(error));
    if (hadNotebook)
        text += QCoreApplication::translate("NotebookFault", " Poprzednia kopia zeszytu pozostała bez zmian.");
    return text;
}

QString KeptPagesText(const QString& name, const QStringList& keptFiles)
{
    return QCoreApplication::translate("NotebookFault", "Kartek zeszytu %1, których nie można było odczytać, nie zastąpiono pustymi: ich pliki "
                          "są zachowane obok zeszytu jako %2.")
        .arg(name, keptFiles.join(QStringLiteral(", ")));
}

QString SavedElsewhereQuestion(const QString& name)
{
    return QCoreApplication::translate("NotebookFault", "Zeszyt %1 został w międzyczasie zapisany przez inną kopię programu. "
                          "Czy zastąpić go tymi rysunkami?")
        .arg(name);
}

QString LostPagesText(const QString& name, const std::vector<int>& lostPages, bool keptOnSave)
{
    QString text;
    if (lostPages.size() == 1) {
        text = QCoreApplication::translate("NotebookFault", "W zeszycie %1 nie udało się odczytać strony %2. Zamiast niej jest pusta strona.")
                   .arg(name)
                   .arg(lostPages.front());
    } else {
        // "2, 3 i 5"
        QString numbers;
        for (std::size_t i = 0; i < lostPages.size(); ++i) {
            if (i > 0)
                numbers += i + 1 == lostPages.size() ? QCoreApplication::translate("NotebookFault", " i ") : QStringLiteral(", ");
            numbers += QString::number(lostPages[i]);
        }
        text = QCoreApplication::translate("NotebookFault", "W zeszycie %1 nie udało się odczytać stron %2. Zamiast nich są puste strony.").arg(name, numbers);
    }
    if (keptOnSave)
        text += QCoreApplication::translate("NotebookFault", " Gdy zapiszesz zeszyt, pliki tych stron zostaną zachowane obok niego pod nowymi nazwami.");
    return text;
}
