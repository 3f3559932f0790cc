#pragma once

#include <QString>

class NotebookDocument;
class RecoveryKeeper;

// At start: a notebook that a program ended without saving left behind is offered back. Tak puts
// it in place of the empty one, still to be saved; Nie lets it go.
void OfferRecoveredNotebook(NotebookDocument& document, RecoveryKeeper& keeper, const QString& root);
