#pragma once

#include "win/TickClock.h"

#include <cstdint>

// A tick clock that moves only when told. Installed for its lifetime.
class ManualClock final : public win::TickClock {
public:
    ManualClock();
    ~ManualClock() override;
    ManualClock(const ManualClock&) = delete;
    ManualClock& operator=(const ManualClock&) = delete;

    std::uint32_t Now() const override { return now_; }
    void Advance(std::uint32_t milliseconds) { now_ += milliseconds; }

private:
    std::uint32_t now_ = 1000;
};
