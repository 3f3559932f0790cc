#pragma once

#include <cstdint>

namespace win {

// The six exception-mask bits of the x87 control word: invalid operation, denormal,
// division by zero, overflow, underflow, precision.
inline constexpr std::uint16_t kAllFpuExceptionMasks = 0x003F;

// Masks all six floating-point exceptions (x87 and SSE alike), leaving the other control
// bits alone, so arithmetic yields infinities and NaNs instead of faults.
void MaskFloatingPointExceptions();

// The current x87 control word.
std::uint16_t FpuControlWord();

} // namespace win
