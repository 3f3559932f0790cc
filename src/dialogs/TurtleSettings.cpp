#include "dialogs/TurtleSettings.h"

#include "dialogs/PosDlg.h"
#include "storage/DrawingRecordCodec.h"
#include "turtle/TurtleSheet.h"
#include "turtle/TurtleState.h"

#include <QLocale>

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

constexpr double kOneOverPi = 0.3183098861837907;
constexpr double kRadiansPerDegree = 0.017453292519943295;
constexpr double kWholeDegreeTolerance = 1e-9;

// Truncated toward zero, written without going through an integer type, so a position far
// beyond any integer range still shows; adding 0 turns a negative zero into "0".
QString WholeText(double value)
{
    return QString::number(std::trunc(value) + 0.0, 'f', 0);
}

// Whole degrees, truncated toward zero; whole turns and the sign stay, as the heading is never
// wrapped. A whole number of degrees typed comes back a hair below itself after the trip through
// radians, and must still show as typed.
QString DegreesText(double heading)
{
    const double degrees = heading * 180 * kOneOverPi;
    const double nearest = std::round(degrees);
    const bool whole = std::fabs(degrees - nearest) <= kWholeDegreeTolerance * std::fmax(1.0, std::fabs(nearest));
    return WholeText(whole ? nearest : degrees);
}

// A place is taken as typed, beyond the sheet too: the next walk brings the turtle back to the
// edge. Only what no record could keep is held at the farthest place one can.
double TypedPosition(double value)
{
    return std::clamp(value, -kFarthestPosition, kFarthestPosition);
}

// Infinity or NaN in the record would leave the turtle nowhere on the sheet.
std::optional<double> FiniteNumber(const QString& text)
{
    bool ok = false;
    const double value = QLocale().toDouble(text.trimmed(), &ok);
    return ok && std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

// A field still reading what the dialog showed was not edited: the record keeps its exact value
// rather than the whole number shown.
std::optional<double> EditedNumber(const QString& text, const QString& shown)
{
    return text == shown ? std::nullopt : FiniteNumber(text);
}

} // namespace

void FillTurtleDialog(TPosDlg& dialog, const TTurtleState& turtle)
{
    dialog.SetXText(WholeText(turtle.X));
    dialog.SetYText(WholeText(turtle.Y));
    dialog.SetDirText(DegreesText(turtle.Heading));
}

void ApplyTurtleDialog(const TPosDlg& dialog, TTurtleState& turtle)
{
    if (const std::optional<double> x = EditedNumber(dialog.XText(), WholeText(turtle.X)))
        turtle.X = TypedPosition(*x);
    if (const std::optional<double> y = EditedNumber(dialog.YText(), WholeText(turtle.Y)))
        turtle.Y = TypedPosition(*y);
    if (const std::optional<double> degrees = EditedNumber(dialog.DirText(), DegreesText(turtle.Heading)))
        turtle.Heading = *degrees * kRadiansPerDegree;
}

void RunTurtleDialog(TPosDlg& dialog, TurtleSheet& sheet)
{
    FillTurtleDialog(dialog, sheet.Turtle());
    if (dialog.exec() == QDialog::Accepted)
        ApplyTurtleDialog(dialog, sheet.Turtle());
}
