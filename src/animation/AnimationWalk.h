#pragma once

#include "turtle/TurtleState.h"

#include <cstdint>

// What an animation shows: a page's record walked from its start, off the screen.
class AnimationWalk {
public:
    virtual ~AnimationWalk() = default;
    // The whole walk's length in milliseconds of turtle time.
    virtual std::uint64_t Length() const = 0;
    // Walks on by `ms` milliseconds of turtle time; false once the walk is over.
    virtual bool Advance(std::uint32_t ms) = 0;
    // Walks whatever is left at once.
    virtual void Finish() = 0;
    // The sheet as the walk has drawn it so far: 256 rows of 256 colour indices.
    virtual const std::uint8_t* Sheet() const = 0;
    virtual const TTurtleState& Turtle() const = 0;
};
