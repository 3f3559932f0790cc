#pragma once

#include <QFont>
#include <QPixmap>
#include <QSize>

// The colour chart the user reads the cell numbers from: two rows of eight cells, each filled
// with its colour and labelled with its number in whichever of black or white reads on it.
QPixmap ColorChart(const QSize& size, const QFont& font);
