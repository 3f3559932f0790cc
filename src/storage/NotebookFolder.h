#pragma once

#include <QString>

// Where notebooks live and what they may be called. A notebook named N is the index N.qel3d
// and the page pictures N1.bmp … N8.bmp, all in one folder.

// $QEL3D_NOTEBOOKS when set, otherwise "Qel 3D/KARTKI" in the user's documents folder.
QString NotebooksFolder();

// Whether a name can be a notebook's file name: not empty after trimming, no slash, backslash
// or control character, and not "." or "..". Letters of any alphabet are welcome.
bool IsNotebookName(const QString& name);

QString IndexPath(const QString& folder, const QString& name);
// page counts from 1, as the files do.
QString PagePath(const QString& folder, const QString& name, int page);
