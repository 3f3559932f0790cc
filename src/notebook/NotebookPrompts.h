#pragma once

#include <QString>

// Which name dialog the document asks with.
enum class NameQuestion { Open, Save };

// What the notebook document asks the person, and how it tells of a refusal. The window
// implements it with its message boxes and name dialogs; tests answer from a script.
class NotebookPrompts {
public:
    virtual ~NotebookPrompts() = default;
    // Whether to save the changes first: win::IDYES, IDNO or IDCANCEL.
    virtual int AskToSave() = 0;
    // Lets the person choose a name: `name` comes in as the notebook's own or the one just
    // refused and goes out as typed; false when cancelled.
    virtual bool AskName(NameQuestion question, QString& name) = 0;
    // A notebook of that name is on disk, and maybe open in another copy of the program:
    // win::IDYES replaces it.
    virtual int AskToReplace(const QString& name, bool openElsewhere) = 0;
    // Another copy of the program saved the notebook since this one opened or saved it:
    // win::IDYES saves over it all the same, IDNO under another name, IDCANCEL not at all.
    virtual int AskToSaveOverOtherCopy(const QString& name) = 0;
    virtual void ShowRefusal(const QString& text) = 0;
};
