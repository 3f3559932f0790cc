#include "win/Fpu.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TEST(Fpu, MaskingSetsTheSixMasksAndKeepsTheOtherBits)
{
    win::MaskFloatingPointExceptions();
    const std::uint16_t control = win::FpuControlWord();
    EXPECT_EQ(control & win::kAllFpuExceptionMasks, win::kAllFpuExceptionMasks);

    // Masked arithmetic gives infinities and NaNs instead of faults.
    volatile double zero = 0.0;
    EXPECT_TRUE(std::isinf(1.0 / zero));
    EXPECT_TRUE(std::isnan(zero / zero));

    win::MaskFloatingPointExceptions();
    EXPECT_EQ(win::FpuControlWord(), control);
}

} // namespace
