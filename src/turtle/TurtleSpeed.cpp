#include "turtle/TurtleSpeed.h"

#include <cmath>

void TurtleSpeed::SetPace(TurtlePace pace)
{
    pace_ = pace;
    carried_ = 0.0;
}

double TurtleSpeed::Factor() const
{
    switch (pace_) {
    case TurtlePace::Slow: return 0.5;
    case TurtlePace::Normal: return 1.0;
    case TurtlePace::Fast: return 4.0;
    case TurtlePace::Instant: break;
    }
    return 0.0;
}

void TurtleSpeed::Pass(std::uint32_t dt, const std::function<void(std::uint32_t)>& step,
                       const std::function<bool()>& walking)
{
    if (!walking()) {
        // A new walk starts with nothing carried over from the last one.
        carried_ = 0.0;
        return;
    }
    if (pace_ == TurtlePace::Instant) {
        for (std::uint32_t walked = 0; walking() && walked < kInstantPassLimitMs; walked += kInstantSliceMs)
            step(kInstantSliceMs);
        return;
    }
    // Even a pass of no time is a step: some commands end on their first one, as at Normal.
    const double time = dt * Factor() + carried_;
    const double whole = std::floor(time);
    carried_ = time - whole;
    step(static_cast<std::uint32_t>(whole));
}
