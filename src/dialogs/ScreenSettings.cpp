#include "dialogs/ScreenSettings.h"

#include "dialogs/ScreenDlg.h"
#include "turtle/SheetColors.h"
#include "turtle/TurtleSheet.h"

void FillScreenDialog(TScreenDlg& dialog, const TurtleSheet& sheet)
{
    dialog.SetBGColorText(QString::number(ColorToCell(sheet.Turtle().BGColor)));
}

void ApplyScreenDialog(const TScreenDlg& dialog, TurtleSheet& sheet)
{
    bool isNumber = false;
    const int cell = dialog.BGColorText().trimmed().toInt(&isNumber);
    if (!isNumber)
        return;
    sheet.SetBGColor(CellToColor(cell));
    sheet.ClearSheet();
}

void RunScreenDialog(TScreenDlg& dialog, TurtleSheet& sheet)
{
    FillScreenDialog(dialog, sheet);
    if (dialog.exec() == QDialog::Accepted)
        ApplyScreenDialog(dialog, sheet);
}
