#include "turtle/StatusTexts.h"

#include "turtle/TurtleMotion.h"

#include <QCoreApplication>

StatusTexts MakeStatusTexts(int currentPage, int pageCount, const TTurtleState& turtle, const QLocale& locale)
{
    const double degrees = turtle.Heading * 180.0 * (1.0 / TurtleMotion::kPi);
    QLocale separatorOnly = locale;
    separatorOnly.setNumberOptions(QLocale::OmitGroupSeparator);
    return {
        QString::number(currentPage + 1) + QStringLiteral(" / ") + QString::number(pageCount),
        QStringLiteral("X = ") + QString::number(TruncateSaturating<long long>(turtle.X)),
        QStringLiteral("Y = ") + QString::number(TruncateSaturating<long long>(turtle.Y)),
        QCoreApplication::translate("StatusTexts", "K = ") + separatorOnly.toString(degrees, 'f', 1),
    };
}
