#pragma once

#include <cstdint>

namespace dinput {

// The mouse record a read fills: relative motion since the previous read, and four button
// bytes, a button being pressed while bit 7 of its byte is set.
struct DIMOUSESTATE {
    std::int32_t lX = 0;
    std::int32_t lY = 0;
    std::int32_t lZ = 0;
    std::uint8_t rgbButtons[4] = {};
};
static_assert(sizeof(DIMOUSESTATE) == 16);

inline bool IsPressed(std::uint8_t button)
{
    return (button & 0x80) != 0;
}

} // namespace dinput
