#pragma once

#include <cstdint>
#include <functional>

// How fast the turtle walks. Normal is the walk exactly as the commands define it; Slow and Fast
// give the walk half and four times the time each pass took; Instant carries a whole command to
// its end within one pass.
enum class TurtlePace : std::int32_t { Slow, Normal, Fast, Instant };

class TurtleSpeed {
public:
    // An instant walk goes in slices of a usual frame's time, so that it draws what a walk at
    // Normal draws: a circle still of many short chords, not one.
    static constexpr std::uint32_t kInstantSliceMs = 16;
    // More than the longest command takes; a walk that is longer still goes on in the next pass
    // rather than holding the window.
    static constexpr std::uint32_t kInstantPassLimitMs = 60000;

    TurtlePace Pace() const { return pace_; }
    void SetPace(TurtlePace pace);
    // How many times faster than Normal a scaled pace walks; 0 for Instant, which has no factor.
    double Factor() const;

    // Moves a walk on by a pass of `dt` milliseconds. `step` advances the walk by whole
    // milliseconds, `walking` tells whether it still runs. The fractions of a millisecond that a
    // scaled pace leaves are carried to the next pass of the same walk, so no time is lost.
    void Pass(std::uint32_t dt, const std::function<void(std::uint32_t)>& step, const std::function<bool()>& walking);

private:
    TurtlePace pace_ = TurtlePace::Normal;
    double carried_ = 0.0;
};
