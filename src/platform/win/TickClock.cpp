#include "win/TickClock.h"

#include <chrono>

namespace win {

namespace {

class SteadyTickClock final : public TickClock {
public:
    std::uint32_t Now() const override
    {
        const auto sinceStart = std::chrono::steady_clock::now().time_since_epoch();
        return static_cast<std::uint32_t>(
            std::chrono::duration_cast<std::chrono::milliseconds>(sinceStart).count());
    }
};

const SteadyTickClock systemClock;
const TickClock* installedClock = &systemClock;

} // namespace

std::uint32_t GetTickCount()
{
    return installedClock->Now();
}

void SetTickClock(const TickClock* clock)
{
    installedClock = clock ? clock : &systemClock;
}

} // namespace win
