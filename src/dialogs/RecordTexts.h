#pragma once

#include "storage/DrawingRecord.h"

#include <QString>

// An entry of a page's drawing record in plain words of the program's language, those of the
// panel's buttons: "Naprzód 100", "W prawo 90", "Kolor: czerwony", "Wypełnij".
QString RecordEntryText(const RecordEntry& entry);

struct OwnCommand;
// The entries an own command stands for, in one line: "Naprzód 50, W prawo 72".
QString OwnCommandSteps(const OwnCommand& command);
