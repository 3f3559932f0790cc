#pragma once

#include "program/ProgramWords.h"
#include "storage/DrawingRecord.h"

#include <QString>

// A page's record written as a program in `language`: the `oto … już` definitions of the own
// commands its runs use, above one line per step. The page's start is where the program
// begins, so it is not written; what no word redoes (a change of the whole page) and a walk
// stopped on the way are written as notes, which the reader passes over.
QString WriteProgram(const DrawingRecord& record, ProgramLanguage language);
// The program a page shows: its record, then the tools chosen since its last step, which the
// record takes with its next step.
QString WritePageProgram(const DrawingRecord& record, const TTurtleState& turtle, ProgramLanguage language);
// One step as a line of a program, without a line end.
QString StepLine(const RecordEntry& entry, ProgramLanguage language);
