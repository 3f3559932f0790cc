#pragma once

#include <QString>

// Why a notebook could not be saved or opened; nothing of the live notebook changed then.
enum class NotebookFault {
    None,
    NoNotebook,   // no index file of that name
    BadIndex,     // the index cannot be read, or holds something no notebook holds
    MissingPage,  // a page picture the index promises is not there
    BadPage,      // a page picture cannot be read or is not 256 × 256
    CannotWrite,  // the folder cannot be made or written to
};

// The fault's text for the user. `file` names the page picture for the page faults.
QString NotebookFaultText(NotebookFault fault, const QString& name, const QString& folder, const QString& file = {});
