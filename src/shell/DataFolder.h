#pragma once

#include <QString>

// The program opens its data files by bare names. Started from anywhere else (the desktop menu,
// another folder), it moves to the folder they were installed in: ../share/qel3d beside the
// program, or the program's own folder as in a build. Returns whether they are at hand.
bool EnterDataFolder(const QString& programFolder);

// Where an installation keeps the data files: ../share/qel3d beside the program.
QString InstalledDataFolder(const QString& programFolder);
