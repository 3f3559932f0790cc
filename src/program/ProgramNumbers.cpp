#include "program/ProgramNumbers.h"

#include <QLocale>

#include <numbers>

namespace {

constexpr int kMostDigits = 17;

// The shortest form of `value`, without an exponent, of which `readBack` gives `target` again.
template <class ReadBack>
QString ShortestReadingBack(double value, double target, ReadBack readBack)
{
    for (int decimals = 0; decimals <= kMostDigits; ++decimals) {
        const QString text = QString::number(value, 'f', decimals);
        if (readBack(QLocale::c().toDouble(text)) == target)
            return text;
    }
    return QString::number(value, 'g', kMostDigits);
}

} // namespace

double RadiansOf(double degrees)
{
    return degrees * std::numbers::pi / 180.0;
}

QString ShortestNumber(double value)
{
    return ShortestReadingBack(value, value, [](double read) { return read; });
}

QString DegreesText(double radians)
{
    return ShortestReadingBack(radians * 180.0 / std::numbers::pi, radians, RadiansOf);
}
