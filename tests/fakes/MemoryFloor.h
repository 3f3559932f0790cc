#pragma once

#include "turtle/Floor.h"
#include "turtle/TurtleState.h"

#include <array>

// A floor in memory that counts the changes it is told of.
struct MemoryFloor final : Floor {
    std::array<std::uint8_t, kSheetBytes> pixels{};
    int changes = 0;

    std::uint8_t* Pixels() override { return pixels.data(); }
    void PixelsChanged() override { ++changes; }
};
