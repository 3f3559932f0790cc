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

int TDiskFile::Call(Slot slot) const
{
    return callbacks_[static_cast<std::size_t>(slot)]();
}

int TDiskFile::NewFile()
{
    const int r = CheckAndSave();
    if (r != IDOK)
        return r;
    Untitled = true;
    return Filled(DoNew) ? Call(DoNew) : IDOK;
}

int TDiskFile::LoadFile()
{
    int r = CheckAndSave();
    if (r == IDOK && Filled(GetOpenName)) {
        r = Call(GetOpenName);
        if (r == IDOK && Filled(DoLoad))
            r = Call(DoLoad);
    }
    if (r == IDOK)
        Untitled = false;
    return r;
}

int TDiskFile::SaveFile(bool skipReplaceCheck)
{
    // Only a save under a new name clears Modified.
    return Untitled ? SaveAsFile() : CheckReplaceAndSave(skipReplaceCheck);
}

int TDiskFile::SaveAsFile()
{
    const bool canAskName = Filled(GetSaveName);
    int r = IDOK;
    do {
        if (canAskName)
            r = Call(GetSaveName);
        if (r == IDOK)
            r = CheckReplaceAndSave(false);
        // Without a name dialog the same name would come back on every try, so a save that did
        // not happen ends here as a cancel instead of asking about that name for ever.
        if (!canAskName && r != IDOK)
            r = IDCANCEL;
    } while (r != IDOK && r != IDCANCEL);

    if (r == IDOK) {
        Modified = false;
        Untitled = false;
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
    if (!Modified)
        return IDOK;
    const int answer = Filled(QuerySave) ? Call(QuerySave) : IDNO;
    switch (answer) {
    case IDYES:
        return SaveFile(true);
    case IDNO:
        Modified = false;
        return IDOK;
    default:
        return IDCANCEL;
    }
}

int TDiskFile::CheckReplaceAndSave(bool skipReplaceCheck)
{
    if (!skipReplaceCheck && Filled(FileExists) && Call(FileExists) != 0 && Filled(QueryReplace)) {
        const int answer = Call(QueryReplace);
        if (answer != IDYES)
            return answer;
    }
    return Filled(DoSave) ? Call(DoSave) : IDOK;
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
