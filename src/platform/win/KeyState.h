#pragma once

#include <cstdint>

namespace win {

inline constexpr int VK_SHIFT = 0x10;

// Key state now, as the system reports it: the high bit (0x8000) is set while the key is held.
// Only VK_SHIFT is known to this stand-in; other keys read as up.
std::int16_t GetAsyncKeyState(int virtualKey);

// Tests hold Shift down or up without a keyboard, for as long as the override lives.
class KeyStateOverride {
public:
    explicit KeyStateOverride(bool shiftDown);
    ~KeyStateOverride();
    KeyStateOverride(const KeyStateOverride&) = delete;
    KeyStateOverride& operator=(const KeyStateOverride&) = delete;
};

} // namespace win
