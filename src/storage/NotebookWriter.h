#pragma once

#include "storage/NotebookContent.h"
#include "storage/NotebookFault.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>

class QFileDevice;

struct SaveResult {
    NotebookFault Fault = NotebookFault::None;
    // After a save, the counter now in the index; after SavedElsewhere, the one the other copy
    // left there.
    std::uint64_t SaveCounter = 0;
};

// Saves a notebook so that a failed save never costs the copy already on disk: every page picture
// and then the index is written whole under a temporary name first, and only then are they moved
// over the old files, the index last. A move replaces a link in the folder rather than writing
// through it. Pictures of pages the notebook no longer has go only after that. Two saves of one
// notebook, from this program or another copy of it, take turns on a lock file beside the index.
class NotebookWriter {
public:
    virtual ~NotebookWriter() = default;

    // Makes the folder when it is missing. The index gets the save counter found on disk plus
    // one (an index missing or unreadable counts 0). With `expectedCounter`, nothing is written
    // unless the counter on disk is that one: SavedElsewhere otherwise. CannotWrite leaves the
    // old notebook as it was; PartlyWritten means replacing its files failed half-way.
    SaveResult Save(const QString& folder, const QString& name, const NotebookContent& content,
                    std::optional<std::uint64_t> expectedCounter = std::nullopt);

protected:
    // Writes one file's bytes; the seam where a test makes a write fail.
    virtual bool Write(QFileDevice& file, const QByteArray& bytes);
    // Moves a written file over `path`; the seam where a test makes a move fail.
    virtual bool Replace(const QString& written, const QString& path);
};
