#include "storage/NotebookFault.h"

#include "win/WholeFile.h"

#include <QCoreApplication>
#include <QDir>

namespace {

// The context this file's texts are translated in.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(NotebookFault)
};

} // namespace

QString NotebookFaultText(NotebookFault fault, const QString& name, const QString& folder)
{
    const QString where = QDir::toNativeSeparators(folder);
    switch (fault) {
    case NotebookFault::NoNotebook:
        return Texts::tr("W folderze %1 nie ma zeszytu o nazwie %2.").arg(where, name);
    case NotebookFault::BadIndex:
        return Texts::tr("Zeszytu %1 nie można otworzyć: plik %1.qel3d w folderze %2 jest uszkodzony.")
            .arg(name, where);
    case NotebookFault::CannotWrite:
        return CannotWriteText(name, folder, 0, true);
    case NotebookFault::PartlyWritten:
        return Texts::tr("Zapisywanie zeszytu %1 w folderze %2 przerwało się w trakcie. Zeszyt na dysku "
                              "może być niepełny; zapisz go jeszcze raz.")
            .arg(name, where);
    case NotebookFault::SavedElsewhere:
        return Texts::tr("Zeszyt %1 w folderze %2 został w międzyczasie zapisany przez inną kopię programu. "
                              "Ten zapis niczego w nim nie zmienił.")
            .arg(name, where);
    case NotebookFault::BeingSaved:
        return Texts::tr("Zeszyt %1 w folderze %2 jest właśnie zapisywany przez inną kopię programu. "
                              "Spróbuj ponownie za chwilę.")
            .arg(name, where);
    case NotebookFault::None:
        break;
    }
    return {};
}

QString CannotWriteText(const QString& name, const QString& folder, int error, bool hadNotebook)
{
    QString text = Texts::tr("Nie można zapisać zeszytu %1 w folderze %2: %3")
                       .arg(name, QDir::toNativeSeparators(folder), win::WriteErrorText(error) + QLatin1Char('.'));
    if (hadNotebook)
        text += Texts::tr(" Poprzednia kopia zeszytu pozostała bez zmian.");
    return text;
}

QString KeptPagesText(const QString& name, const QStringList& keptFiles)
{
    return Texts::tr("Stron zeszytu %1, których nie można było odczytać, nie zastąpiono pustymi: ich pliki "
                          "są zachowane obok zeszytu jako %2.")
        .arg(name, keptFiles.join(QStringLiteral(", ")));
}

QString SaveUnfinishedText(const QString& name, const QString& folder)
{
    return Texts::tr("Ostatni zapis zeszytu %1 w folderze %2 nie został dokończony, a folderu nie można teraz "
                     "zmienić. Zeszyt otwarto takim, jaki jest na dysku.")
        .arg(name, QDir::toNativeSeparators(folder));
}

QString SwitchVoidText(const QString& name, const QString& folder)
{
    return Texts::tr("W folderze %2 był plik .%1.next, który nie pochodzi z zapisu zeszytu %1. Niczego według "
                     "niego nie zmieniono; odłożono go jako .%1.next-nieważny.")
        .arg(name, QDir::toNativeSeparators(folder));
}

QString SavedElsewhereQuestion(const QString& name)
{
    return Texts::tr("Zeszyt %1 został w międzyczasie zapisany przez inną kopię programu. "
                          "Czy zastąpić go tymi rysunkami?")
        .arg(name);
}

QString LostPagesText(const QString& name, const std::vector<int>& lostPages, bool keptOnSave)
{
    QString text;
    if (lostPages.size() == 1) {
        text = Texts::tr("W zeszycie %1 nie udało się odczytać strony %2. Zamiast niej jest pusta strona.")
                   .arg(name)
                   .arg(lostPages.front());
    } else {
        // "2, 3 i 5"
        QString numbers;
        for (std::size_t i = 0; i < lostPages.size(); ++i) {
            if (i > 0)
                numbers += i + 1 == lostPages.size() ? Texts::tr(" i ") : QStringLiteral(", ");
            numbers += QString::number(lostPages[i]);
        }
        text = Texts::tr("W zeszycie %1 nie udało się odczytać stron %2. Zamiast nich są puste strony.")
                   .arg(name, numbers);
    }
    if (keptOnSave)
        text += Texts::tr(" Gdy zapiszesz zeszyt, pliki tych stron zostaną zachowane obok niego pod nowymi nazwami.");
    return text;
}
