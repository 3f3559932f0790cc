#pragma once

#include "turtle/TurtleState.h"

#include <QString>

// The turtle's place as a screen reader says it after a command: "X 0, Y 100, kierunek 90", the
// position truncated as the status bar shows it and the heading in whole degrees.
QString SpokenPlace(const TTurtleState& turtle);
