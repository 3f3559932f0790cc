#pragma once

#include "turtle/TurtleSpeed.h"

class QAction;
class QMenu;
class QToolBar;

// The turtle's speed as the child chooses it: a submenu of the options menu, put before
// `before`, and a drop-down at the end of the tool bar, both showing the same four choices. The
// choice is remembered between runs and applies from the start.
void AddSpeedChoice(TurtleSpeed& speed, QMenu& options, QAction* before, QToolBar& toolBar);
