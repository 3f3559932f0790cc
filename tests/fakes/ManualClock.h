#pragma once

#include "win/TickClock.h"

#include <cstdint>

// A tick clock that moves only when told, or by a fixed step at every reading (so a loop that
// reads it sees time pass at an exact rate). Installed for its lifetime.
class ManualClock final : public win::TickClock {
public:
    ManualClock();
    ~ManualClock() override;
    ManualClock(const ManualClock&) = delete;
    ManualClock& operator=(const ManualClock&) = delete;

    std::uint32_t Now() const override
    {
        const std::uint32_t now = now_;
        now_ += stepPerReading_;
        return now;
    }
    void Advance(std::uint32_t milliseconds) { now_ += milliseconds; }
    void StepEveryReading(std::uint32_t milliseconds) { stepPerReading_ = milliseconds; }

private:
    mutable std::uint32_t now_ = 1000;
    std::uint32_t stepPerReading_ = 0;
};
