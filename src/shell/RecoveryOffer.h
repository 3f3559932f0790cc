#pragma once

#include <QString>

class NotebookDocument;
class RecoveryKeeper;
struct RecoveredNotebook;

// At start: the newest notebook that a program ended without saving left behind is offered back,
// once, as soon as the look through the copies in the background finds it: the window does not
// wait for it. Tak puts it in place of the empty one, still to be saved; Nie lets it go. Found
// once the child has drawn already, it waits for the next start, as older copies do; copies that
// hold nothing are removed in the background.
void OfferRecoveredNotebook(NotebookDocument& document, RecoveryKeeper& keeper);

// The question asked about `recovered`, with `older` copies left besides it.
QString RecoveryQuestion(const RecoveredNotebook& recovered, int older);
