#pragma once

#include "storage/NotebookContent.h"
#include "storage/NotebookFault.h"

#include <QByteArray>
#include <QString>

class QFileDevice;

// Saves a notebook so that a failed save never costs the copy already on disk: every page picture
// and then the index is written under a temporary name first, and only when all of them are
// written whole do they replace the old files, the index last. Pictures of pages the notebook no
// longer has go only after that.
class NotebookWriter {
public:
    virtual ~NotebookWriter() = default;

    // Makes the folder when it is missing. None, or CannotWrite with nothing replaced.
    NotebookFault Save(const QString& folder, const QString& name, const NotebookContent& content);

protected:
    // Writes one file's bytes; the seam where a test makes a write fail.
    virtual bool Write(QFileDevice& file, const QByteArray& bytes);
};
