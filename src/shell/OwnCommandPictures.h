#pragma once

#include <QIcon>

// The pictures an own command's button can show, by their number.
QIcon OwnCommandIcon(int picture);
