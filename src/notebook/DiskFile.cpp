#include "notebook/DiskFile.h"

#include "win/MessageBox.h"

#include <fstream>
#include <system_error>
#include <utility>

using win::IDCANCEL;
using win::IDNO;
using win::IDOK;
using win::IDYES;

void TDiskFile::AssignFun(int index, TDiskFileCallback callback)
{
    if (index < 0 || index >= SlotCount)
        return;
    callbacks_[static_cast<std::size_t>(index)] = std::move(callback);
}

bool TDiskFile::Filled(Slot slot) const
{
    return static_cast<bool>(callbacks_[static_cast<std::size_t>(slot)]);
}

int TDiskFile::Call(Slot slot, QString& name) const
{
    return callbacks_[static_cast<std::size_t>(slot)](name);
}

int TDiskFile::NewFile()
{
    const int r = CheckAndSave();
    if (r != IDOK)
        return r;
    Untitled = true;
    Name.clear();
    QString name;
    return Filled(DoNew) ? Call(DoNew, name) : IDOK;
}

int TDiskFile::LoadFile()
{
    int r = CheckAndSave();
    QString name = Name;
    if (r == IDOK && Filled(GetOpenName)) {
        r = Call(GetOpenName, name);
        if (r == IDOK && Filled(DoLoad))
            r = Call(DoLoad, name);
    }
    if (r == IDOK) {
        Untitled = false;
        Name = name;
    }
    return r;
}

int TDiskFile::SaveFile(bool skipReplaceCheck)
{
    if (Untitled)
        return SaveAsFile();
    QString name = Name;
    const int r = CheckReplaceAndSave(skipReplaceCheck, name);
    // Unasked about replacing, a No comes from the save itself: the notebook's own name is taken
    // by other work, and another name is asked for.
    return r == IDNO && skipReplaceCheck ? SaveAsFile() : r;
}

int TDiskFile::SaveAsFile()
{
    const bool canAskName = Filled(GetSaveName);
    QString name = Name;
    int r = IDOK;
    do {
        if (canAskName)
            r = Call(GetSaveName, name);
        if (r == IDOK)
            r = CheckReplaceAndSave(false, name);
        // Without a name dialog the same name would come back on every try, so a save that did
        // not happen ends here as a cancel instead of asking about that name for ever.
        if (!canAskName && r != IDOK)
            r = IDCANCEL;
    } while (r != IDOK && r != IDCANCEL);

    if (r == IDOK) {
        Untitled = false;
        Name = name;
    }
    return r;
}

bool TDiskFile::CanClose()
{
    // A save that failed is no reason to drop the changes: only a settled document may close.
    return CheckAndSave() == IDOK;
}

int TDiskFile::CheckAndSave()
{
    if (!Modified())
        return IDOK;
    QString name = Name;
    const int answer = Filled(QuerySave) ? Call(QuerySave, name) : IDNO;
    switch (answer) {
    case IDYES:
        return SaveFile(true);
    case IDNO:
        // The changes are dropped by what comes next (a new or opened notebook, or closing);
        // until then they are still there, and still unsaved.
        return IDOK;
    default:
        return IDCANCEL;
    }
}

int TDiskFile::CheckReplaceAndSave(bool skipReplaceCheck, QString& name)
{
    if (!skipReplaceCheck && Filled(FileExists) && Call(FileExists, name) != 0 && Filled(QueryReplace)) {
        const int answer = Call(QueryReplace, name);
        if (answer != IDYES)
            return answer;
    }
    return Filled(DoSave) ? Call(DoSave, name) : IDOK;
}

bool TDiskFile::CheckExist(const std::filesystem::path& name)
{
    // A directory is not a notebook, and opening a pipe would wait for a writer: only a regular
    // file counts, and only when it can be read.
    std::error_code error;
    if (!std::filesystem::is_regular_file(name, error))
        return false;
    return std::ifstream(name, std::ios::binary).is_open();
}
