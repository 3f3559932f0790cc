#include "fakes/ManualClock.h"
#include "win/TickClock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

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
    // Back on the system's clock, which counts real milliseconds again.
    const auto begin = std::chrono::steady_clock::now();
    const std::uint32_t first = win::GetTickCount();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    const std::uint32_t counted = win::GetTickCount() - first;
    const auto passed =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - begin).count();
    EXPECT_GE(counted, 19u);
    EXPECT_LE(counted, static_cast<std::uint32_t>(passed) + 1);
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
