#include "shell/SpokenPlace.h"

#include "turtle/TurtleMotion.h"

#include <QCoreApplication>

#include <cmath>

QString SpokenPlace(const TTurtleState& turtle)
{
    const double degrees = std::round(turtle.Heading * 180.0 * (1.0 / TurtleMotion::kPi));
    return QCoreApplication::translate("SpokenPlace", "X %1, Y %2, kierunek %3")
        .arg(TruncateSaturating<long long>(turtle.X))
        .arg(TruncateSaturating<long long>(turtle.Y))
        .arg(TruncateSaturating<long long>(degrees));
}
