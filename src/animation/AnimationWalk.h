#pragma once

#include "turtle/TurtleState.h"

#include <cstdint>
#include <functional>

// Lets the program answer while a long walk goes on, about every pass's budget of time; the
// walk stops when it answers false.
using WalkAnswer = std::function<bool()>;

// What an animation shows: a page's record walked from its start, off the screen.
class AnimationWalk {
public:
    enum class Step { Walking, Over, Stopped };

    virtual ~AnimationWalk() = default;
    // Walks the whole drawing once to learn its length; false when `answer` stopped it.
    virtual bool Measure(const WalkAnswer& answer) = 0;
    // The whole walk's length in milliseconds of turtle time, once measured.
    virtual std::uint64_t Length() const = 0;
    // How far the walk under way is, from 0 to 1.
    virtual double Progress() const = 0;
    // Walks on by `ms` milliseconds of turtle time.
    virtual Step Advance(std::uint32_t ms, const WalkAnswer& answer) = 0;
    // Walks whatever is left at once.
    virtual void Finish() = 0;
    // The sheet as the walk has drawn it so far: 256 rows of 256 colour indices.
    virtual const std::uint8_t* Sheet() const = 0;
    virtual const TTurtleState& Turtle() const = 0;
};
