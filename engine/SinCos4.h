#pragma once

// Four-lane single-precision sine and cosine by the Cephes method: the
// argument is reduced by multiples of pi/4 (pi split in three parts for
// accuracy), then one of two minimax polynomials is evaluated per lane and the
// results are swapped and signed according to the octant. Branch-free.

#include "Float4.h"

namespace tavik
{

struct SineCosine
{
    Float4 sine, cosine;
};

inline SineCosine sinCos4 (Float4 x) noexcept
{
    const Float4 a = abs (x);

    Int4 j = truncateToInt (a * Float4 (1.27323954473516f));
    j = andNot (Int4 (1), j + Int4 (1));
    const Float4 y = toFloat (j);

    const Float4 r = ((a - y * Float4 (0.78515625f)) - y * Float4 (2.4187564849853515625e-4f))
                       - y * Float4 (3.77489497744594108e-8f);
    const Float4 z = r * r;

    Float4 c = Float4 (2.443315711809948e-5f) * z;
    c = c - Float4 (1.388731625493765e-3f);
    c = c * z;
    c = c + Float4 (4.166664568298827e-2f);
    c = c * z;
    c = c * z;
    c = c - Float4 (0.5f) * z;
    c = c + Float4 (1.0f);

    Float4 s = Float4 (-1.9515295891e-4f) * z;
    s = s + Float4 (8.3321608736e-3f);
    s = s * z;
    s = s - Float4 (1.6666654611e-1f);
    s = s * z;
    s = s * r;
    s = s + r;

    const Float4 swap = bitsAsFloat (equalTo (j & Int4 (2), Int4 (2)));
    const Float4 sine = select (swap, c, s);
    const Float4 cosine = select (swap, s, c);

    const Float4 sineSign = bitsAsFloat (shiftLeft29 (j & Int4 (4))) ^ (x & signBitMask());
    const Float4 cosineSign = bitsAsFloat (shiftLeft29 (andNot (j - Int4 (2), Int4 (4))));

    return { sine ^ sineSign, cosine ^ cosineSign };
}

inline Float4 tan4 (Float4 x) noexcept
{
    const auto sc = sinCos4 (x);
    return sc.sine / sc.cosine;
}

} // namespace tavik
