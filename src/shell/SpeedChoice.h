#pragma once

#include "turtle/TurtleSpeed.h"

#include <QString>

class QAction;
class QMenu;
class QSettings;
class QToolBar;

// The turtle's speed as the child chooses it: a submenu of the options menu, put before
// `before`, and a drop-down at the end of the tool bar, both showing the same four choices. The
// choice is remembered between runs and applies from the start.
void AddSpeedChoice(TurtleSpeed& speed, QMenu& options, QAction* before, QToolBar& toolBar);

// The pace the settings remember; Normal when they hold none, or one this program does not know.
TurtlePace StoredPace(const QSettings& settings);
void StorePace(QSettings& settings, TurtlePace pace);
