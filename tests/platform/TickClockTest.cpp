#include "fakes/ManualClock.h"
#include "win/TickClock.h"

#include <gtest/gtest.h>

namespace {

TEST(TickClock, AnInstalledClockReplacesTheSystemsUntilItGoes)
{
    {
        ManualClock clock;
        const std::uint32_t start = win::GetTickCount();
        clock.Advance(2000);
        EXPECT_EQ(win::GetTickCount() - start, 2000u);
        clock.StepEveryReading(7);
        const std::uint32_t a = win::GetTickCount();
        EXPECT_EQ(win::GetTickCount() - a, 7u);
    }
    // Back on the system's clock, which never runs backwards.
    const std::uint32_t first = win::GetTickCount();
    EXPECT_GE(win::GetTickCount() - first, 0u);
    EXPECT_LT(win::GetTickCount() - first, 1000u);
}

TEST(TickClock, DifferencesSurviveTheWrap)
{
    ManualClock clock;
    clock.Advance(0xFFFFFFFFu - win::GetTickCount() - 5);
    const std::uint32_t before = win::GetTickCount();
    clock.Advance(20);
    EXPECT_EQ(win::GetTickCount() - before, 20u);
}

} // namespace
