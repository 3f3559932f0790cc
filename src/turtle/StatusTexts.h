#pragma once

#include "turtle/TurtleState.h"

#include <QLocale>
#include <QString>

// The status bar's texts: page, X, Y and heading (panels 1 to 4).
struct StatusTexts {
    QString page;
    QString x;
    QString y;
    QString heading;
};

// Positions are truncated toward zero; the heading is shown in degrees with one decimal and
// the locale's decimal separator, not wrapped.
StatusTexts MakeStatusTexts(int currentPage, int pageCount, const TTurtleState& turtle, const QLocale& locale);
