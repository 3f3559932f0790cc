#pragma once

#include "storage/NotebookContent.h"
#include "storage/NotebookFault.h"

#include <QString>

#include <cstdint>
#include <vector>

struct NotebookReading {
    NotebookFault Fault = NotebookFault::None;
    NotebookContent Content;
    std::uint64_t SaveCounter = 0; // the index's, for the next save to check against
    // The numbers (from 1) of the pages whose pictures were missing, unreadable or not pages;
    // those pages are blank in the background colour of their turtle.
    std::vector<int> LostPages;
    // Whether some of those files are there: a save keeps them under new names.
    bool LostFilesThere = false;
    // The last save of the notebook did not finish, and could not be finished now (the folder
    // cannot be written): the notebook is read as it stands.
    bool SaveUnfinished = false;
    // A switch .N.next that would do more than a save of this notebook was found and set aside,
    // nothing of it done.
    bool SwitchVoid = false;
};

// Reads and checks the whole notebook `name` in `folder`: its index and every page picture. The
// content is good when Fault is None; an index that cannot be read refuses the notebook, a page
// that cannot be read is only lost. A save of another copy under way makes it BeingSaved; one cut
// short is finished first (when that cannot be done, the notebook is read as it stands and
// SaveUnfinished says so).
NotebookReading ReadNotebook(const QString& folder, const QString& name);
