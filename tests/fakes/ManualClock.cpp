#include "fakes/ManualClock.h"

ManualClock::ManualClock()
{
    win::SetTickClock(this);
}

ManualClock::~ManualClock()
{
    win::SetTickClock(nullptr);
}
