#pragma once

// The crossover bands and the resonant low-pass as the recipe states them:
// each filter carries its own sample rate and designs itself from scratch for
// the frequency it is given, each crossover section evaluating its own tangent
// and each cascade design its own sqrt(2) term. The reference engine designs
// them before every sample.

#include "Filters.h"

namespace tavik
{

enum class BandType { lowPass, highPass };

// One second-order Butterworth section in direct form II.
struct ButterworthSection
{
    Float4 w, w1, w2;     // newest, one and two samples old
    Float4 c1, c2;        // feedback coefficients (negated a1, a2)
    Float4 g;             // overall gain
    Float4 m;             // middle numerator term: 2 low-pass, -2 high-pass
    Float4 sampleRate { 44100.0f };

    void design (BandType type, Float4 frequency, Float4 d) noexcept
    {
        const Float4 k = tan4 ((Float4 (floatPi) * frequency) / sampleRate);
        const Float4 k2 = k * k;
        const Float4 dk = d * k;
        const Float4 denominator = (k2 + dk) + Float4 (1.0f);

        if (type == BandType::lowPass)
        {
            g = k2 / denominator;
            m = Float4 (2.0f);
        }
        else
        {
            g = Float4 (1.0f) / denominator;
            m = Float4 (-2.0f);
        }

        c1 = (Float4 (2.0f) * (Float4 (1.0f) - k2)) / denominator;
        c2 = (Float4 (0.0f) - ((k2 - dk) + Float4 (1.0f))) / denominator;
    }

    Float4 process (Float4 x) noexcept
    {
        w = (c2 * w2 + c1 * w1) + x;
        const Float4 y = g * ((m * w1 + w) + w2);
        w2 = w1;
        w1 = w;
        return y;
    }

    void clear() noexcept { w = w1 = w2 = Float4(); }
};

// One band of the crossover: two identical Butterworth sections in series,
// a fourth-order Linkwitz-Riley response.
struct ButterworthCascade
{
    explicit ButterworthCascade (BandType t) noexcept : type (t) {}

    BandType type;
    ButterworthSection sections[2];

    // The sqrt(2) damping term, as the sine of 3pi/4 doubled.
    static Float4 damping() noexcept { return Float4 (2.0f) * sinCos4 (Float4 (2.3561945f)).sine; }

    void design (Float4 frequency) noexcept
    {
        const Float4 d = damping();
        for (auto& s : sections)
            s.design (type, frequency, d);
    }

    Float4 process (Float4 x) noexcept { return sections[1].process (sections[0].process (x)); }

    void clear() noexcept
    {
        for (auto& s : sections)
            s.clear();
    }

    void setSampleRate (float fs) noexcept
    {
        for (auto& s : sections)
            s.sampleRate = Float4 (fs);
    }
};

// Bilinear-transform low-pass with quality factor Q, tuned to the crossover.
struct ResonantLowPass : Biquad4
{
    Float4 sampleRate { 44100.0f };

    void design (Float4 frequency, float q) noexcept
    {
        const Float4 k = Float4 (1.0f) / tan4 ((Float4 (floatPi) * frequency) / sampleRate);
        const Float4 k2 = k * k;
        const Float4 r = Float4 (1.0f / q) * k;
        const Float4 n = Float4 (1.0f) / ((r + Float4 (1.0f)) + k2);
        b0 = n;
        b1 = Float4 (2.0f) * n;
        b2 = n;
        a1 = (Float4 (1.0f) - k2) * b1;
        a2 = ((Float4 (1.0f) - r) + k2) * n;
    }

    void setSampleRate (float fs) noexcept { sampleRate = Float4 (fs); }
};

} // namespace tavik
