#include "shell/RecoveryOffer.h"

#include "notebook/NotebookDocument.h"
#include "notebook/RecoveryKeeper.h"
#include "storage/RecoveryCopy.h"
#include "win/MessageBox.h"

#include <QCoreApplication>

QString RecoveryQuestion(const RecoveredNotebook& recovered, int older)
{
    QString text = QCoreApplication::translate("RecoveryOffer", "Poprzednim razem program został zamknięty, zanim rysunki zostały zachowane.");
    if (recovered.Behind)
        text += QCoreApplication::translate("RecoveryOffer", " Kopia pochodzi z %1; późniejszych zmian nie udało się w niej zapisać.")
                    .arg(recovered.Written.toString(QCoreApplication::translate("RecoveryOffer", "dd.MM.yyyy HH:mm")));
    if (older > 0)
        text += QCoreApplication::translate("RecoveryOffer", " Starszych kopii jest jeszcze %1; następna zostanie zaproponowana przy kolejnym "
                               "uruchomieniu.")
                    .arg(older);
    return text + QCoreApplication::translate("RecoveryOffer", " Czy przywrócić ostatnie rysunki?");
}

void OfferRecoveredNotebook(NotebookDocument& document, RecoveryKeeper& keeper, const QString& root)
{
    for (;;) {
        LeftCopies left = RecoveryCopy::Left(root);
        keeper.Sweep(std::move(left.Empty));
        if (!left.Newest)
            return;
        const auto copy = RecoveryCopy::Adopt(*left.Newest);
        if (!copy)
            return; // another program started at the same time took it
        const std::optional<RecoveredNotebook> recovered = copy->Read();
        if (!recovered) {
            copy->Remove();
            continue;
        }
        const int answer = win::MessageBox({nullptr, RecoveryQuestion(*recovered, left.Older), QStringLiteral("QEL 3D"),
                                            win::MB_YESNO | win::MB_ICONQUESTION});
        if (answer == win::IDYES) {
            document.Restore(recovered->Content, recovered->Name);
            // The drawings are in this program's own copy before the old one goes.
            keeper.KeepNow();
        }
        copy->Remove();
        return;
    }
}
