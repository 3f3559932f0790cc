#pragma once

#include "storage/NotebookContent.h"
#include "storage/NotebookFault.h"

#include <QString>
#include <QStringList>

#include <cstdint>

struct NotebookReading {
    NotebookFault Fault = NotebookFault::None;
    NotebookContent Content;
    std::uint64_t SaveCounter = 0; // the index's, for the next save to check against
    // File names of the page pictures that were missing, unreadable or not pages; their pages
    // are blank in the background colour of their turtle.
    QStringList LostPages;
    // Whether some of those files are there: a save keeps them under new names.
    bool LostFilesThere = false;
};

// Reads and checks the whole notebook `name` in `folder`: its index and every page picture. The
// content is good when Fault is None; an index that cannot be read refuses the notebook, a page
// that cannot be read is only lost. A save of another copy under way makes it BeingSaved; one cut
// short is finished first (PartlyWritten when that cannot be done).
NotebookReading ReadNotebook(const QString& folder, const QString& name);
