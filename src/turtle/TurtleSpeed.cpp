#include "turtle/TurtleSpeed.h"

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
