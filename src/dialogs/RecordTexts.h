#pragma once

#include "storage/DrawingRecord.h"

#include <QString>

// An entry of a page's drawing record in plain Polish, as the child knows the command: "Naprzód
// 100", "Kolor: czerwony", "Wypełnianie".
QString RecordEntryText(const RecordEntry& entry);
