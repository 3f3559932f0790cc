#pragma once

#include <QString>

// The turtle keeps its heading in radians; a program says degrees.
double RadiansOf(double degrees);
// A number in its shortest form that reads back as `value`: 12.5, not 12.500000000000002.
QString ShortestNumber(double value);
// The heading in degrees, in its shortest form whose radians are `radians` again.
QString DegreesText(double radians);
