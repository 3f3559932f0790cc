#pragma once

#include <QString>

#include <array>
#include <filesystem>
#include <functional>

// One of the owner's hooks: asks the user, chooses a name or does the work, and answers with a
// dialog result (win::IDOK, IDCANCEL, IDYES, IDNO). `name` is the name the operation is about: a
// name dialog starts from it and puts the chosen one there; the others read it.
using TDiskFileCallback = std::function<int(QString& name)>;

// The life cycle of a document kept under a name: new, open, save, save as, and the question
// whether to save the changes before the document is dropped or the program closes. It knows
// nothing of the document; the owner plugs in the eight callbacks and says whether there are
// unsaved changes. Operations answer with dialog results.
class TDiskFile {
public:
    // The callback slots, by their AssignFun index.
    enum Slot : int {
        QuerySave = 0,     // IDYES save first, IDNO drop the changes, anything else cancels
        QueryReplace = 1,  // the chosen name exists: IDYES replace, anything else is passed back
        FileExists = 2,    // nonzero: a file of the chosen name exists
        GetOpenName = 3,   // IDOK a name was chosen, anything else stops the open
        GetSaveName = 4,   // IDOK a name was chosen, IDCANCEL stops the save
        DoNew = 5,
        DoLoad = 6,        // IDOK loaded
        DoSave = 7,        // IDOK saved, IDNO to be saved under another name
    };
    static constexpr int SlotCount = 8;

    bool Untitled = true; // the document has no name yet
    // The name the document was last saved or opened under. A name typed but neither saved nor
    // opened never gets here.
    QString Name;
    // The owner's answer: whether the document holds changes not saved.
    std::function<bool()> Modified = [] { return false; };

    // Fills (or empties, with nullptr) the slot of that index; indices outside 0..7 are ignored.
    void AssignFun(int index, TDiskFileCallback callback);

    int NewFile();
    int LoadFile();
    // skipReplaceCheck: save under the present name without asking about an existing file.
    int SaveFile(bool skipReplaceCheck);
    int SaveAsFile();
    // False while unsaved changes have been neither saved nor dropped.
    bool CanClose();
    // Settles unsaved changes: IDOK when there are none left to worry about.
    int CheckAndSave();
    int CheckReplaceAndSave(bool skipReplaceCheck, QString& name);

    // Whether a regular, readable file of exactly that name exists; a relative name is taken
    // against the current directory.
    static bool CheckExist(const std::filesystem::path& name);

private:
    bool Filled(Slot slot) const;
    int Call(Slot slot, QString& name) const;

    std::array<TDiskFileCallback, SlotCount> callbacks_;
};
