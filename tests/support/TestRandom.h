#pragma once

#include <cstdint>

namespace tavik::test
{

// Deterministic uniform numbers in [0, 1), the same on every platform
// (xorshift; no library maths).
class TestRandom
{
public:
    explicit TestRandom (uint32_t seed) : state (seed) {}

    float uniform()
    {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return (float) (state >> 8) / 16777216.0f;
    }

    float between (float low, float high) { return low + (high - low) * uniform(); }
    int below (int n) { return (int) (uniform() * (float) n); }

    template <typename T, unsigned long n>
    T pick (const T (&choices)[n]) { return choices[below ((int) n)]; }

private:
    uint32_t state;
};

} // namespace tavik::test
