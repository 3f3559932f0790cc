#pragma once

class TPenDlg;
class TurtleSheet;
struct TTurtleState;

// The pen item of the options menu: the dialog shows the live turtle's pen and, on OK, the
// turtle's setters take what was entered, so the tool panel follows.

// Radio items of the pen state group.
inline constexpr int kPenRaisedItem = 0; // "Podnieś"
inline constexpr int kPenLoweredItem = 1; // "Opuść"

void FillPenDialog(TPenDlg& dialog, const TTurtleState& turtle);
// A field that is no whole number is left out; the setters drop numbers out of their range.
// Each field is applied by itself, so a bad width does not keep the colour back.
void ApplyPenDialog(const TPenDlg& dialog, TurtleSheet& sheet);
// Fills, shows and, on OK only, applies.
void RunPenDialog(TPenDlg& dialog, TurtleSheet& sheet);
