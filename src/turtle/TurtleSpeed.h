#pragma once

#include <cstdint>

// How fast the turtle walks. Normal is the walk exactly as the commands define it; Slow and Fast
// give the walk half and four times the time each pass took; Instant walks as far as a pass's
// budget of time goes, so a drawing of a few thousand steps ends within a frame or a few.
enum class TurtlePace : std::int32_t { Slow, Normal, Fast, Instant };

class TurtleSpeed {
public:
    TurtlePace Pace() const { return pace_; }
    void SetPace(TurtlePace pace) { pace_ = pace; }
    // How many times faster than Normal a scaled pace walks; 0 for Instant, which has no factor.
    double Factor() const;

private:
    TurtlePace pace_ = TurtlePace::Normal;
};
