#pragma once

#include <QString>

// What the status bar says of a file the child just saved: its name and the folder it is in,
// as a child reads them ("Obraz zapisano jako Dom 1.png w folderze Obrazy."), not a path the
// panel would cut in the middle.
QString SavedPictureNotice(const QString& path);
QString SavedAnimationNotice(const QString& path);
