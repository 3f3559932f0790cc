#pragma once

class TScreenDlg;
class TurtleSheet;

// The screen command of the main window: the background colour as a palette cell number.

// Shows the current background colour's cell number in the dialog.
void FillScreenDialog(TScreenDlg& dialog, const TurtleSheet& sheet);
// Takes the typed cell number as the background colour and clears the page to the background.
// Text that is no number changes nothing; a number that is no cell keeps the colour but the page
// is still cleared, as after any accepted number.
void ApplyScreenDialog(const TScreenDlg& dialog, TurtleSheet& sheet);
// Fill, show modally, apply when the user answers OK.
void RunScreenDialog(TScreenDlg& dialog, TurtleSheet& sheet);
