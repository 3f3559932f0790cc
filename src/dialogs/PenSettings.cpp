#include "dialogs/PenSettings.h"

#include "dialogs/PenDlg.h"
#include "turtle/SheetColors.h"
#include "turtle/TurtleSheet.h"

#include <optional>

namespace {

std::optional<int> WholeNumber(const QString& text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

} // namespace

void FillPenDialog(TPenDlg& dialog, const TTurtleState& turtle)
{
    dialog.SetModeIndex(turtle.PenMode);
    dialog.SetPenStateIndex(turtle.PenDown ? kPenLoweredItem : kPenRaisedItem);
    dialog.SetWidthText(QString::number(turtle.PenWidth));
    dialog.SetColorText(QString::number(ColorToCell(turtle.PenColor)));
}

void ApplyPenDialog(const TPenDlg& dialog, TurtleSheet& sheet)
{
    // Drawing does not depend on the mode; it is only kept with the turtle.
    sheet.Turtle().PenMode = dialog.ModeIndex();
    sheet.SetPenDown(dialog.PenStateIndex() == kPenLoweredItem);
    if (const std::optional<int> width = WholeNumber(dialog.WidthText()))
        sheet.SetPenWidth(*width);
    if (const std::optional<int> cell = WholeNumber(dialog.ColorText()))
        sheet.SetPenColor(CellToColor(*cell));
}

void RunPenDialog(TPenDlg& dialog, TurtleSheet& sheet)
{
    FillPenDialog(dialog, sheet.Turtle());
    if (dialog.exec() == QDialog::Accepted)
        ApplyPenDialog(dialog, sheet);
}
