#pragma once

#include "storage/DrawingRecord.h"

#include <cstdint>

class TurtleMotion;
class TurtleSheet;

// A walk is redone in slices of this many milliseconds, when it is recorded and when it is
// replayed alike, so that both draw the very same segments whatever the passes took.
inline constexpr std::uint32_t kRecordSliceMs = 16;

// Starts redoing an entry on a sheet: a walking command starts on `motion`, anything else is
// done at once. True when a walk was started; EndEntry follows once it is over.
bool BeginEntry(TurtleSheet& sheet, TurtleMotion& motion, const RecordEntry& entry);
// Finishes an entry: its picture goes onto the page, the turtle to its place.
void EndEntry(TurtleSheet& sheet, const RecordEntry& entry);
// Walks a started command to its end in the record's slices.
void WalkToEnd(TurtleMotion& motion);
