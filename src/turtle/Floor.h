#pragma once

#include <cstdint>

// What the sheet is shown on: 256 rows of 256 palette indices, top row first, that stay put as
// long as the floor lives, and a word to whoever shows them which rows changed.
class Floor {
public:
    virtual ~Floor() = default;
    virtual std::uint8_t* Pixels() = 0;
    // Rows [top, bottom) changed.
    virtual void PixelsChanged(int top, int bottom) = 0;
    // No more rows for a while: the turtle rests.
    virtual void PixelsRest() = 0;
};
