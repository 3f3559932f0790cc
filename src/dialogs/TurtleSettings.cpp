#include "dialogs/TurtleSettings.h"

#include "dialogs/PosDlg.h"
#include "turtle/TurtleSheet.h"

#include <QLocale>

#include <cmath>
#include <optional>

namespace {

constexpr double kOneOverPi = 0.3183098861837907;
constexpr double kRadiansPerDegree = 0.017453292519943295;

// Truncated toward zero, written without going through an integer type, so a position typed far
// beyond any integer range still shows; adding 0 turns a negative zero into "0".
QString WholeText(double value)
{
    return QString::number(std::trunc(value) + 0.0, 'f', 0);
}

// Infinity or NaN in the record would leave the turtle nowhere on the sheet.
std::optional<double> FiniteNumber(const QString& text)
{
    bool ok = false;
    const double value = QLocale().toDouble(text.trimmed(), &ok);
    return ok && std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

} // namespace

void FillTurtleDialog(TPosDlg& dialog, const TTurtleState& turtle)
{
    dialog.SetXText(WholeText(turtle.X));
    dialog.SetYText(WholeText(turtle.Y));
    // Whole turns and the sign stay: the heading is never wrapped.
    dialog.SetDirText(WholeText(turtle.Heading * 180 * kOneOverPi));
}

void ApplyTurtleDialog(const TPosDlg& dialog, TTurtleState& turtle)
{
    if (const std::optional<double> x = FiniteNumber(dialog.XText()))
        turtle.X = *x;
    if (const std::optional<double> y = FiniteNumber(dialog.YText()))
        turtle.Y = *y;
    if (const std::optional<double> degrees = FiniteNumber(dialog.DirText()))
        turtle.Heading = *degrees * kRadiansPerDegree;
}

void RunTurtleDialog(TPosDlg& dialog, TurtleSheet& sheet)
{
    FillTurtleDialog(dialog, sheet.Turtle());
    if (dialog.exec() == QDialog::Accepted)
        ApplyTurtleDialog(dialog, sheet.Turtle());
}
