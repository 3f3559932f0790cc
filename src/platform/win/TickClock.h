#pragma once

#include <cstdint>

namespace win {

// Source of the millisecond tick count. The program asks only GetTickCount(); tests put a
// manual clock in its place so that motion and animation step time exactly.
class TickClock {
public:
    virtual ~TickClock() = default;
    virtual std::uint32_t Now() const = 0;
};

// Milliseconds since an arbitrary start, wrapping at 2^32 like the system tick count.
std::uint32_t GetTickCount();

// Replaces the clock behind GetTickCount(); nullptr restores the system's steady clock.
// The caller keeps the clock alive while it is installed.
void SetTickClock(const TickClock* clock);

} // namespace win
