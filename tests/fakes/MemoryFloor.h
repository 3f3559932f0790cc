#pragma once

#include "turtle/Floor.h"
#include "turtle/TurtleState.h"

#include <array>

// A floor in memory that counts the changes it is told of and keeps the rows of the last, and
// whether a rest came after them.
struct MemoryFloor final : Floor {
    std::array<std::uint8_t, kSheetBytes> pixels{};
    int changes = 0;
    int changedTop = 0;
    int changedBottom = 0;
    int rests = 0;
    bool resting = true;

    std::uint8_t* Pixels() override { return pixels.data(); }
    void PixelsChanged(int top, int bottom) override
    {
        ++changes;
        resting = false;
        changedTop = top;
        changedBottom = bottom;
    }
    void PixelsRest() override
    {
        ++rests;
        resting = true;
    }
};
