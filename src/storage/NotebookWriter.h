#pragma once

#include "storage/NotebookContent.h"
#include "storage/NotebookFault.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace win {
class WholeFile;
}

struct SaveResult {
    NotebookFault Fault = NotebookFault::None;
    // After a save, the counter now in the index; after SavedElsewhere, the one the other copy
    // left there.
    std::uint64_t SaveCounter = 0;
    // Why nothing could be written (an errno value), after CannotWrite or PartlyWritten.
    int Error = 0;
    // Whether a notebook of that name was on disk before.
    bool HadNotebook = false;
    // The new names of page files that could not be read and were kept instead of replaced.
    QStringList KeptFiles;
    // A switch .N.next that would have done more than a save of this notebook was set aside.
    bool SwitchVoid = false;
};

// Saves a notebook so that a failed save never costs the copy already on disk: every page picture
// and the index are written whole under temporary names first, the moves over the old files are
// written down, and only then are they made (see NotebookSwitch): a kill in between leaves a
// switch the next open or save finishes. A move replaces a link in the folder rather than
// writing through it. A page file that cannot be read is kept under a new name first. Saves of
// one notebook, from this program or another copy of it, hold its lock file: a save that finds
// another one under way writes nothing and says so (BeingSaved), it never waits.
class NotebookWriter {
public:
    virtual ~NotebookWriter() = default;

    // Makes the folder when it is missing. The index gets the save counter found on disk plus
    // one (an index missing or unreadable counts 0). With `expectedCounter`, nothing is written
    // unless the counter on disk is that one: SavedElsewhere otherwise. CannotWrite leaves the
    // old notebook as it was; PartlyWritten means replacing its files failed half-way, and the
    // next open or save finishes it.
    SaveResult Save(const QString& folder, const QString& name, const NotebookContent& content,
                    std::optional<std::uint64_t> expectedCounter = std::nullopt);

protected:
    // Writes one file's bytes; the seam where a test makes a write fail.
    virtual bool Write(win::WholeFile& file, const QByteArray& bytes);
    // Moves a written file over `path`; the seam where a test makes a move fail (or dies in it).
    virtual bool Replace(const QString& written, const QString& path);
};
