#pragma once

// The second-order filter structure the effect's resonant low-pass and DC
// blocker share, and the 30 Hz DC blocker itself. Sums are evaluated in the
// order the parentheses show; every platform rounds the same way.

#include "SinCos4.h"

#include <cmath>

namespace tavik
{

inline constexpr float floatPi = 3.14159274f;

// Second-order filter in transposed direct form II.
struct Biquad4
{
    Float4 b0, b1, b2, a1, a2;
    Float4 s1, s2;

    Float4 process (Float4 x) noexcept
    {
        const Float4 y = b0 * x + s1;
        s1 = (b1 * x - a1 * y) + s2;
        s2 = b2 * x - a2 * y;
        return y;
    }

    void clear() noexcept { s1 = s2 = Float4(); }
};

// Second-order Butterworth high-pass at 30 Hz.
struct DcBlocker : Biquad4
{
    void design (float fs) noexcept
    {
        const Float4 k = tan4 (Float4 (94.24778f) / Float4 (fs));
        const Float4 k2 = k * k;
        const Float4 dk = Float4 (std::sqrt (2.0f)) * k;
        const Float4 n = Float4 (1.0f) / ((dk + Float4 (1.0f)) + k2);
        b0 = n;
        b1 = Float4 (-2.0f) * n;
        b2 = n;
        a1 = (k2 - Float4 (1.0f)) * (Float4 (2.0f) * n);
        a2 = ((Float4 (1.0f) - dk) + k2) * n;
    }
};

} // namespace tavik
