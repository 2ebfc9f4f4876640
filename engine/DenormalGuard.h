#pragma once

// Sets flush-to-zero and denormals-are-zero for its lifetime and restores the
// previous floating-point mode when it goes.

#include "Float4.h"

#if TAVIK_FLOAT4_SSE
 #include <xmmintrin.h>
#endif

namespace tavik
{

class DenormalGuard
{
public:
    DenormalGuard() noexcept
    {
       #if TAVIK_FLOAT4_SSE
        saved = _mm_getcsr();
        _mm_setcsr (saved | 0x8040u);   // FTZ | DAZ
       #elif defined(__aarch64__)
        asm volatile ("mrs %0, fpcr" : "=r"(saved));
        asm volatile ("msr fpcr, %0" : : "r"(saved | (1ull << 24)));   // FZ
       #endif
    }

    ~DenormalGuard() noexcept
    {
       #if TAVIK_FLOAT4_SSE
        _mm_setcsr (saved);
       #elif defined(__aarch64__)
        asm volatile ("msr fpcr, %0" : : "r"(saved));
       #endif
    }

    DenormalGuard (const DenormalGuard&) = delete;
    DenormalGuard& operator= (const DenormalGuard&) = delete;

private:
   #if TAVIK_FLOAT4_SSE
    unsigned int saved = 0;
   #else
    unsigned long long saved = 0;
   #endif
};

} // namespace tavik
