#pragma once

#include <QString>

// Where notebooks live and what they may be called. A notebook named N is the index N.qel3d
// and the page pictures N1.bmp … N8.bmp, all in one folder.

// $QEL3D_NOTEBOOKS when set, otherwise "Qel 3D/KARTKI" in the user's documents folder.
QString NotebooksFolder();

// The one form a typed name is kept in: trimmed, and composed (NFC), so that "żółw" typed with
// composed or with combining letters names the same notebook.
QString NotebookNameForm(const QString& typed);

// Whether a name can be a notebook's file name: not empty after trimming, no slash, backslash
// or control character, and not starting with "." (hidden files, "." and ".."). Letters of any
// alphabet are welcome.
bool IsNotebookName(const QString& name);

// The paths use the name's composed form, or the decomposed one (NFD) where only a file of that
// form is there.
QString IndexPath(const QString& folder, const QString& name);
// page counts from 1, as the files do.
QString PagePath(const QString& folder, const QString& name, int page);
// The hidden lock file .N.lock that copies of the program agree on; never longer than the index's name.
QString LockPath(const QString& folder, const QString& name);
// The hidden file .N.next that tells how an unfinished save goes on.
QString SwitchPath(const QString& folder, const QString& name);
