#pragma once

#include <QString>

#include <vector>

// Why a notebook could not be saved or opened.
enum class NotebookFault {
    None,
    NoNotebook,     // no index file of that name
    BadIndex,       // the index cannot be read, or holds something no notebook holds
    CannotWrite,    // nothing could be written, and the copy on disk is as it was
    PartlyWritten,  // writing failed after the old files began to be replaced
    SavedElsewhere, // another copy of the program saved the notebook since this one read or saved it
    BeingSaved,     // another copy of the program is saving the notebook right now
};

// The fault's text for the user.
QString NotebookFaultText(NotebookFault fault, const QString& name, const QString& folder);
// A save that wrote nothing: why (`error`, an errno value), and that the notebook on disk is as it
// was when there was one.
QString CannotWriteText(const QString& name, const QString& folder, int error, bool hadNotebook);
// Which files of pages that could not be read a save kept beside the notebook, and under what names.
QString KeptPagesText(const QString& name, const QStringList& keptFiles);

// The last save of the notebook did not finish and cannot be finished now: it was opened as it
// stands on disk.
QString SaveUnfinishedText(const QString& name, const QString& folder);
// A switch file that no save of this notebook wrote was set aside, nothing of it done.
QString SwitchVoidText(const QString& name, const QString& folder);

// The question before saving over a notebook that another copy of the program saved meanwhile.
QString SavedElsewhereQuestion(const QString& name);

// The text telling which pages of the notebook `name` (numbers from 1) could not be read and
// were opened blank, and that those whose files are still on disk will be kept when it is saved.
QString LostPagesText(const QString& name, const std::vector<int>& lostPages, bool keptOnSave);
