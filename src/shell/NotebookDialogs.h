#pragma once

#include "notebook/NotebookPrompts.h"

// The notebook document's questions as the program's own boxes and name dialogs.
class NotebookDialogs : public NotebookPrompts {
public:
    int AskToSave() override;
    bool AskName(NameQuestion question, QString& name) override;
    int AskToReplace(const QString& name, bool openElsewhere) override;
    int AskToSaveOverOtherCopy(const QString& name) override;
    void ShowRefusal(const QString& text) override;
};

// A notebook box: the caption, the exclamation mark, Ok.
void ShowNotebookRefusal(const QString& text);
