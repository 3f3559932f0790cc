#pragma once

class TPosDlg;
class TurtleSheet;
struct TTurtleState;

// The turtle item of the options menu: the dialog shows the live turtle's position and heading
// in whole units and degrees and, on OK, the turtle jumps there without drawing. Nothing else is
// touched; the main loop shows the character and the status at the new place on its next pass.

void FillTurtleDialog(TPosDlg& dialog, const TTurtleState& turtle);
// A field that is no finite number in the user's notation, or that still reads what the dialog
// showed, is left out; the others still apply. A position beyond the sheet is taken to its edge.
void ApplyTurtleDialog(const TPosDlg& dialog, TTurtleState& turtle);
// Fills, shows and, on OK only, applies.
void RunTurtleDialog(TPosDlg& dialog, TurtleSheet& sheet);
