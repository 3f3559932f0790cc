#pragma once

#include <QString>

// The main window's title: the notebook's name before the program's, and the mark the window
// shows while the notebook has unsaved changes. A notebook with no name yet shows the program's
// name alone.
QString MainWindowTitle(const QString& notebook);
