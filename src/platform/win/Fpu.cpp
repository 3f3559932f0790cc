#include "win/Fpu.h"

#if defined(__x86_64__) || defined(__i386__)
#include <xmmintrin.h>
#endif

namespace win {

void MaskFloatingPointExceptions()
{
#if defined(__x86_64__) || defined(__i386__)
    std::uint16_t control = FpuControlWord();
    control |= kAllFpuExceptionMasks;
    asm volatile("fldcw %0" : : "m"(control));
    // Double arithmetic runs on SSE on x86-64; its masks are the same six, shifted by 7.
    _mm_setcsr(_mm_getcsr() | (kAllFpuExceptionMasks << 7));
#endif
}

std::uint16_t FpuControlWord()
{
#if defined(__x86_64__) || defined(__i386__)
    std::uint16_t control = 0;
    asm volatile("fnstcw %0" : "=m"(control));
    return control;
#else
    return kAllFpuExceptionMasks;
#endif
}

} // namespace win
