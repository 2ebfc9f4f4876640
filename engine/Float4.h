#pragma once

// Four single-precision lanes processed together. Lane c carries audio
// channel c. There is an SSE path (x86) and a NEON path (ARM); both perform
// exactly the IEEE operations written here, one rounding per operation, so
// every platform produces the same samples. No fused multiply-add is used:
// the DSP is compiled with floating-point contraction switched off.

#include <cmath>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__) || defined(_M_X64) || (defined(_M_IX86_FP) && _M_IX86_FP >= 2)
 #define TAVIK_FLOAT4_SSE 1
 #include <emmintrin.h>
 #include <xmmintrin.h>
#elif defined(__ARM_NEON) || defined(__ARM_NEON__)
 #define TAVIK_FLOAT4_NEON 1
 #include <arm_neon.h>
#else
 #error "Float4 needs SSE2 or NEON"
#endif

namespace tavik
{

struct Int4;

struct alignas (16) Float4
{
   #if TAVIK_FLOAT4_SSE
    using Native = __m128;
   #else
    using Native = float32x4_t;
   #endif

    Native v;

    Float4() noexcept : Float4 (0.0f) {}
    Float4 (Native n) noexcept : v (n) {}

   #if TAVIK_FLOAT4_SSE
    explicit Float4 (float s) noexcept : v (_mm_set1_ps (s)) {}
    Float4 (float a, float b, float c, float d) noexcept : v (_mm_setr_ps (a, b, c, d)) {}
   #else
    explicit Float4 (float s) noexcept : v (vdupq_n_f32 (s)) {}
    Float4 (float a, float b, float c, float d) noexcept
    {
        const float lanes[4] = { a, b, c, d };
        v = vld1q_f32 (lanes);
    }
   #endif

    static Float4 load (const float* p) noexcept
    {
       #if TAVIK_FLOAT4_SSE
        return _mm_loadu_ps (p);
       #else
        return vld1q_f32 (p);
       #endif
    }

    void store (float* p) const noexcept
    {
       #if TAVIK_FLOAT4_SSE
        _mm_storeu_ps (p, v);
       #else
        vst1q_f32 (p, v);
       #endif
    }

    float operator[] (int lane) const noexcept
    {
        float lanes[4];
        store (lanes);
        return lanes[lane];
    }

    // ((l0 + l1) + l2) + l3
    float sumOfLanes() const noexcept
    {
        float lanes[4];
        store (lanes);
        return ((lanes[0] + lanes[1]) + lanes[2]) + lanes[3];
    }
};

struct alignas (16) Int4
{
   #if TAVIK_FLOAT4_SSE
    using Native = __m128i;
   #else
    using Native = int32x4_t;
   #endif

    Native v;

    Int4 (Native n) noexcept : v (n) {}

   #if TAVIK_FLOAT4_SSE
    explicit Int4 (int32_t s) noexcept : v (_mm_set1_epi32 (s)) {}
   #else
    explicit Int4 (int32_t s) noexcept : v (vdupq_n_s32 (s)) {}
   #endif
};

#if TAVIK_FLOAT4_SSE

inline Float4 operator+ (Float4 a, Float4 b) noexcept { return _mm_add_ps (a.v, b.v); }
inline Float4 operator- (Float4 a, Float4 b) noexcept { return _mm_sub_ps (a.v, b.v); }
inline Float4 operator* (Float4 a, Float4 b) noexcept { return _mm_mul_ps (a.v, b.v); }
inline Float4 operator/ (Float4 a, Float4 b) noexcept { return _mm_div_ps (a.v, b.v); }
inline Float4 operator& (Float4 a, Float4 b) noexcept { return _mm_and_ps (a.v, b.v); }
inline Float4 operator| (Float4 a, Float4 b) noexcept { return _mm_or_ps (a.v, b.v); }
inline Float4 operator^ (Float4 a, Float4 b) noexcept { return _mm_xor_ps (a.v, b.v); }
inline Float4 andNot (Float4 mask, Float4 a) noexcept { return _mm_andnot_ps (mask.v, a.v); }
inline Float4 lessThan (Float4 a, Float4 b) noexcept { return _mm_cmplt_ps (a.v, b.v); }

inline Int4 operator+ (Int4 a, Int4 b) noexcept { return _mm_add_epi32 (a.v, b.v); }
inline Int4 operator- (Int4 a, Int4 b) noexcept { return _mm_sub_epi32 (a.v, b.v); }
inline Int4 operator& (Int4 a, Int4 b) noexcept { return _mm_and_si128 (a.v, b.v); }
inline Int4 andNot (Int4 mask, Int4 a) noexcept { return _mm_andnot_si128 (mask.v, a.v); }
inline Int4 equalTo (Int4 a, Int4 b) noexcept { return _mm_cmpeq_epi32 (a.v, b.v); }
inline Int4 shiftLeft29 (Int4 a) noexcept { return _mm_slli_epi32 (a.v, 29); }

inline Int4 truncateToInt (Float4 a) noexcept { return _mm_cvttps_epi32 (a.v); }
inline Float4 toFloat (Int4 a) noexcept { return _mm_cvtepi32_ps (a.v); }
inline Float4 bitsAsFloat (Int4 a) noexcept { return _mm_castsi128_ps (a.v); }

// Rows a, b, c, d become columns: afterwards a holds lane 0 of each, b lane 1, and so on.
inline void transpose (Float4& a, Float4& b, Float4& c, Float4& d) noexcept
{
    _MM_TRANSPOSE4_PS (a.v, b.v, c.v, d.v);
}

#else

inline Float4 operator+ (Float4 a, Float4 b) noexcept { return vaddq_f32 (a.v, b.v); }
inline Float4 operator- (Float4 a, Float4 b) noexcept { return vsubq_f32 (a.v, b.v); }
inline Float4 operator* (Float4 a, Float4 b) noexcept { return vmulq_f32 (a.v, b.v); }
inline Float4 operator/ (Float4 a, Float4 b) noexcept { return vdivq_f32 (a.v, b.v); }

inline uint32x4_t asBits (Float4 a) noexcept { return vreinterpretq_u32_f32 (a.v); }
inline Float4 fromBits (uint32x4_t a) noexcept { return vreinterpretq_f32_u32 (a); }

inline Float4 operator& (Float4 a, Float4 b) noexcept { return fromBits (vandq_u32 (asBits (a), asBits (b))); }
inline Float4 operator| (Float4 a, Float4 b) noexcept { return fromBits (vorrq_u32 (asBits (a), asBits (b))); }
inline Float4 operator^ (Float4 a, Float4 b) noexcept { return fromBits (veorq_u32 (asBits (a), asBits (b))); }
inline Float4 andNot (Float4 mask, Float4 a) noexcept { return fromBits (vbicq_u32 (asBits (a), asBits (mask))); }
inline Float4 lessThan (Float4 a, Float4 b) noexcept { return fromBits (vcltq_f32 (a.v, b.v)); }

inline Int4 operator+ (Int4 a, Int4 b) noexcept { return vaddq_s32 (a.v, b.v); }
inline Int4 operator- (Int4 a, Int4 b) noexcept { return vsubq_s32 (a.v, b.v); }
inline Int4 operator& (Int4 a, Int4 b) noexcept { return vandq_s32 (a.v, b.v); }
inline Int4 andNot (Int4 mask, Int4 a) noexcept { return vbicq_s32 (a.v, mask.v); }
inline Int4 equalTo (Int4 a, Int4 b) noexcept { return vreinterpretq_s32_u32 (vceqq_s32 (a.v, b.v)); }
inline Int4 shiftLeft29 (Int4 a) noexcept { return vshlq_n_s32 (a.v, 29); }

inline Int4 truncateToInt (Float4 a) noexcept { return vcvtq_s32_f32 (a.v); }
inline Float4 toFloat (Int4 a) noexcept { return vcvtq_f32_s32 (a.v); }
inline Float4 bitsAsFloat (Int4 a) noexcept { return vreinterpretq_f32_s32 (a.v); }

// Rows a, b, c, d become columns: afterwards a holds lane 0 of each, b lane 1, and so on.
inline void transpose (Float4& a, Float4& b, Float4& c, Float4& d) noexcept
{
    const float32x4x2_t ab = vtrnq_f32 (a.v, b.v);   // a0 b0 a2 b2 | a1 b1 a3 b3
    const float32x4x2_t cd = vtrnq_f32 (c.v, d.v);   // c0 d0 c2 d2 | c1 d1 c3 d3
    a = vcombine_f32 (vget_low_f32 (ab.val[0]), vget_low_f32 (cd.val[0]));
    b = vcombine_f32 (vget_low_f32 (ab.val[1]), vget_low_f32 (cd.val[1]));
    c = vcombine_f32 (vget_high_f32 (ab.val[0]), vget_high_f32 (cd.val[0]));
    d = vcombine_f32 (vget_high_f32 (ab.val[1]), vget_high_f32 (cd.val[1]));
}

#endif

inline Float4 operator+ (Float4 a, float b) noexcept { return a + Float4 (b); }
inline Float4 operator+ (float a, Float4 b) noexcept { return Float4 (a) + b; }
inline Float4 operator- (Float4 a, float b) noexcept { return a - Float4 (b); }
inline Float4 operator- (float a, Float4 b) noexcept { return Float4 (a) - b; }
inline Float4 operator* (Float4 a, float b) noexcept { return a * Float4 (b); }
inline Float4 operator* (float a, Float4 b) noexcept { return Float4 (a) * b; }
inline Float4 operator/ (float a, Float4 b) noexcept { return Float4 (a) / b; }

inline Float4 signBitMask() noexcept { return bitsAsFloat (Int4 (INT32_MIN)); }
inline Float4 abs (Float4 a) noexcept { return andNot (signBitMask(), a); }

// True when no lane is infinite or not a number.
inline bool allLanesFinite (Float4 a) noexcept
{
    float lanes[4];
    a.store (lanes);
    return std::isfinite (lanes[0]) && std::isfinite (lanes[1]) && std::isfinite (lanes[2]) && std::isfinite (lanes[3]);
}

// Picks lanes of a where the mask is all ones, lanes of b where it is zero.
inline Float4 select (Float4 mask, Float4 a, Float4 b) noexcept { return (mask & a) | andNot (mask, b); }

} // namespace tavik
