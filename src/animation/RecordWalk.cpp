#include "animation/RecordWalk.h"

#include "win/TickClock.h"

#include <algorithm>
#include <cstring>
#include <limits>

RecordWalk::RecordWalk(const DrawingRecord& record, const std::uint8_t* page, const TTurtleState& turtle)
    : record_(record), steps_(StepsOf(record, std::numeric_limits<std::uint64_t>::max()))
{
    walker_.SetDriven(true);
    turtle_.Shape = turtle.Shape;
    answered_ = win::GetTickCount();
    if (!Begin()) {
        std::memcpy(sheet_.FloorBits(), page, kSheetBytes);
        sheet_.UpdateSheetFromFloor();
        turtle_ = turtle;
    }
}

bool RecordWalk::Begin()
{
    if (record_.Empty())
        return false;
    // The tools start as a new turtle's, seen as the chosen character; the record says what was
    // chosen since.
    const std::int32_t shape = turtle_.Shape;
    turtle_ = TTurtleState();
    turtle_.Shape = shape;
    sheet_.ApplyTurtle();
    return walker_.Run(record_.Entries());
}

bool RecordWalk::Measure(const WalkAnswer& answer)
{
    // The length is what the walk takes: walked once slice by slice, then from the start again.
    while (walker_.Busy())
        if (!WalkOn(TurtleWalker::kSliceMs, answer))
            return false;
    length_ = walker_.SlicesWalked() * TurtleWalker::kSliceMs;
    if (length_ > 0)
        Begin();
    return true;
}

double RecordWalk::Progress() const
{
    if (!walker_.Busy())
        return 1.0;
    return std::min(1.0, static_cast<double>(walker_.StepsBegun()) / static_cast<double>(std::max<std::uint64_t>(steps_, 1)));
}

AnimationWalk::Step RecordWalk::Advance(std::uint32_t ms, const WalkAnswer& answer)
{
    if (!WalkOn(ms, answer))
        return Step::Stopped;
    return walker_.Busy() ? Step::Walking : Step::Over;
}

bool RecordWalk::WalkOn(double ms, const WalkAnswer& answer)
{
    walker_.Walk(ms);
    while (!walker_.CaughtUp()) {
        if (!Answer(answer))
            return false;
        walker_.Walk(0.0);
    }
    return Answer(answer);
}

bool RecordWalk::Answer(const WalkAnswer& answer)
{
    const std::uint32_t now = win::GetTickCount();
    if (now - answered_ < TurtleWalker::kPassBudgetMs)
        return true;
    answered_ = now;
    return answer();
}

void RecordWalk::Finish()
{
    while (walker_.Busy())
        walker_.WalkFor();
}
