#include "shell/RecoveryOffer.h"

#include "notebook/NotebookDocument.h"
#include "notebook/RecoveryKeeper.h"
#include "storage/RecoveryCopy.h"
#include "win/MessageBox.h"

void OfferRecoveredNotebook(NotebookDocument& document, RecoveryKeeper& keeper, const QString& root)
{
    for (const auto& copy : RecoveryCopy::Orphans(root)) {
        const std::optional<RecoveredNotebook> recovered = copy->Read();
        if (!recovered) {
            copy->Remove();
            continue;
        }
        const int answer = win::MessageBox(
            {nullptr,
             QStringLiteral("Poprzednim razem program został zamknięty, zanim rysunki zostały zachowane. "
                            "Czy przywrócić ostatnie rysunki?"),
             QStringLiteral("QEL 3D"), win::MB_YESNO | win::MB_ICONQUESTION});
        if (answer == win::IDYES) {
            document.Restore(recovered->Content, recovered->Name);
            // The drawings are in this program's own copy before the old one goes; copies left
            // by other programs wait for the next start.
            keeper.KeepNow();
            copy->Remove();
            return;
        }
        copy->Remove();
    }
}
