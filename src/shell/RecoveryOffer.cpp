#include "shell/RecoveryOffer.h"

#include "notebook/NotebookDocument.h"
#include "notebook/RecoveryKeeper.h"
#include "storage/RecoveryCopy.h"
#include "win/MessageBox.h"

#include <QCoreApplication>


namespace {

// The context this file's texts are translated in.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(RecoveryOffer)
};

} // namespace

QString RecoveryQuestion(const RecoveredNotebook& recovered, int older)
{
    QString text = Texts::tr("Poprzednim razem program został zamknięty, zanim rysunki zostały zachowane.");
    if (recovered.Behind)
        text += Texts::tr(" Kopia pochodzi z %1; późniejszych zmian nie udało się w niej zapisać.")
                    .arg(recovered.Written.toString(Texts::tr("dd.MM.yyyy HH:mm")));
    if (older > 0)
        text += Texts::tr(" Starszych kopii jest jeszcze %1; następna zostanie zaproponowana przy kolejnym "
                               "uruchomieniu.")
                    .arg(older);
    return text + Texts::tr(" Czy przywrócić ostatnie rysunki?");
}

void OfferRecoveredNotebook(NotebookDocument& document, RecoveryKeeper& keeper)
{
    keeper.FindLeftCopy([&document, &keeper](RecoveryCopyFinder::Found& found) {
        // Drawn on already: restoring would put the new drawings in question. The copy is let go
        // whole, for the next start to offer.
        if (document.Modified())
            return;
        const int answer = win::MessageBox({nullptr, RecoveryQuestion(found.Notebook, found.Older), QStringLiteral("QEL 3D"),
                                            win::MB_YESNO | win::MB_ICONQUESTION});
        if (answer == win::IDYES) {
            document.Restore(found.Notebook.Content, found.Notebook.Name);
            // The drawings are in this program's own copy before the old one goes.
            keeper.KeepNow();
        }
        found.Copy->Remove();
    });
}
