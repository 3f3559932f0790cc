#pragma once

#include <QSettings>

// The program's own settings, wherever the system keeps a user's.
QSettings ProgramSettings();
