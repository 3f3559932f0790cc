#include "animation/RecordWalk.h"

#include <algorithm>
#include <cstring>
#include <limits>

RecordWalk::RecordWalk(const DrawingRecord& record, const std::uint8_t* page, const TTurtleState& turtle)
{
    walker_.SetDriven(true);
    turtle_.Shape = turtle.Shape;
    if (!Begin(record)) {
        std::memcpy(sheet_.FloorBits(), page, kSheetBytes);
        sheet_.UpdateSheetFromFloor();
        turtle_ = turtle;
        return;
    }
    // The length is what the walk takes: walked once slice by slice, then from the start again.
    while (walker_.Busy()) {
        walker_.Walk(TurtleWalker::kSliceMs);
        length_ += TurtleWalker::kSliceMs;
    }
    Begin(record);
}

bool RecordWalk::Begin(const DrawingRecord& record)
{
    if (record.Empty())
        return false;
    // The tools start as a new turtle's, seen as the chosen character; the record says what was
    // chosen since.
    const std::int32_t shape = turtle_.Shape;
    turtle_ = TTurtleState();
    turtle_.Shape = shape;
    sheet_.ApplyTurtle();
    return walker_.Run(record.Entries());
}

bool RecordWalk::Advance(std::uint32_t ms)
{
    walker_.Walk(ms);
    return walker_.Busy();
}

void RecordWalk::Finish()
{
    walker_.WalkEntries(std::numeric_limits<std::size_t>::max());
}
