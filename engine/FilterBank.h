#pragma once

// The effect's filters as the plug-in runs them. Every crossover section and
// the resonant low-pass are tuned to the same frequency at the same sample
// rate, so one tangent, tan (pi f / fs), serves all five designs: the four
// crossover sections share one set of feedback coefficients (the bands differ
// only in gain and middle term), and the resonant low-pass uses its
// reciprocal. Each design performs the same operations in the same order as
// designing every filter on its own, so the coefficients are identical to the
// last bit. The lanes of a design hold either one frequency in all four lanes
// or the frequencies of four successive samples.

#include "Filters.h"

#include <cstdint>
#include <cstring>
#include <initializer_list>

namespace tavik
{

struct CrossoverCoefficients
{
    Float4 c1, c2;               // feedback, shared by all sections of both bands
    Float4 lowGain, highGain;    // overall gain of a low-pass and of a high-pass section
};

struct ResonantCoefficients
{
    Float4 b0, b1, a1, a2;       // b2 equals b0
};

// The sqrt(2) damping term of the Butterworth sections, as the sine of 3pi/4 doubled.
inline Float4 butterworthDamping() noexcept { return Float4 (2.0f) * sinCos4 (Float4 (2.3561945f)).sine; }

inline Float4 crossoverTangent (Float4 frequency, Float4 sampleRate) noexcept
{
    return tan4 ((Float4 (floatPi) * frequency) / sampleRate);
}

inline CrossoverCoefficients crossoverFromTangent (Float4 k, Float4 damping) noexcept
{
    const Float4 k2 = k * k;
    const Float4 dk = damping * k;
    const Float4 denominator = (k2 + dk) + Float4 (1.0f);
    return { (Float4 (2.0f) * (Float4 (1.0f) - k2)) / denominator,
             (Float4 (0.0f) - ((k2 - dk) + Float4 (1.0f))) / denominator,
             k2 / denominator,
             Float4 (1.0f) / denominator };
}

inline ResonantCoefficients resonantFromTangent (Float4 tangent, Float4 inverseQ) noexcept
{
    const Float4 k = Float4 (1.0f) / tangent;
    const Float4 k2 = k * k;
    const Float4 r = inverseQ * k;
    const Float4 n = Float4 (1.0f) / ((r + Float4 (1.0f)) + k2);
    const Float4 twoN = Float4 (2.0f) * n;
    return { n, twoN, (Float4 (1.0f) - k2) * twoN, ((Float4 (1.0f) - r) + k2) * n };
}

// The coefficients for the crossover frequency and resonance last designed.
// They are designed again only when one of those inputs changes (compared bit
// for bit) or the sample rate is set.
class FilterDesign
{
public:
    void setSampleRate (float fs) noexcept
    {
        sampleRate = Float4 (fs);
        designed = false;
    }

    void update (float frequency, float resonanceQ) noexcept
    {
        const auto frequencyKey = bitsOf (frequency);
        const auto resonanceKey = bitsOf (resonanceQ);

        if (! designed || frequencyKey != designedFrequency)
        {
            tangent = crossoverTangent (Float4 (frequency), sampleRate);
            crossover = crossoverFromTangent (tangent, damping);
        }
        else if (resonanceKey == designedResonance)
        {
            return;
        }

        resonant = resonantFromTangent (tangent, Float4 (1.0f / resonanceQ));
        designedFrequency = frequencyKey;
        designedResonance = resonanceKey;
        designed = true;
    }

    Float4 sampleRate { 44100.0f };
    const Float4 damping = butterworthDamping();

    // Valid after update.
    Float4 tangent;
    CrossoverCoefficients crossover;
    ResonantCoefficients resonant;

private:
    static uint32_t bitsOf (float x) noexcept
    {
        uint32_t bits;
        std::memcpy (&bits, &x, sizeof (bits));
        return bits;
    }

    bool designed = false;
    uint32_t designedFrequency = 0, designedResonance = 0;
};

// Direct-form-II state of one crossover section, run with shared coefficients.
struct SectionState
{
    Float4 w1, w2;   // one and two samples old

    Float4 process (Float4 x, Float4 c1, Float4 c2, Float4 gain, Float4 middle) noexcept
    {
        const Float4 w = (c2 * w2 + c1 * w1) + x;
        const Float4 y = gain * ((middle * w1 + w) + w2);
        w2 = w1;
        w1 = w;
        return y;
    }
};

// Transposed-direct-form-II state of the resonant low-pass.
struct ResonantState
{
    Float4 s1, s2;

    Float4 process (Float4 x, const ResonantCoefficients& c) noexcept
    {
        const Float4 y = c.b0 * x + s1;
        s1 = (c.b1 * x - c.a1 * y) + s2;
        s2 = c.b0 * x - c.a2 * y;
        return y;
    }
};

// Everything the filters remember between samples.
struct FilterBankState
{
    SectionState low[2], high[2];
    ResonantState resonant;
    DcBlocker dcBlocker;

    // Low band and high band of x: each a cascade of two Butterworth sections.
    void splitBands (Float4 x, const CrossoverCoefficients& c, Float4& lowBand, Float4& highBand) noexcept
    {
        lowBand = low[1].process (low[0].process (x, c.c1, c.c2, c.lowGain, Float4 (2.0f)),
                                  c.c1, c.c2, c.lowGain, Float4 (2.0f));
        highBand = high[1].process (high[0].process (x, c.c1, c.c2, c.highGain, Float4 (-2.0f)),
                                    c.c1, c.c2, c.highGain, Float4 (-2.0f));
    }

    // Clears the state; the DC blocker keeps its design.
    void clear() noexcept
    {
        low[0] = low[1] = high[0] = high[1] = SectionState {};
        resonant = ResonantState {};
        dcBlocker.clear();
    }

    bool isFinite() const noexcept
    {
        for (const auto* s : { &low[0], &low[1], &high[0], &high[1] })
            if (! allLanesFinite (s->w1) || ! allLanesFinite (s->w2))
                return false;

        return allLanesFinite (resonant.s1) && allLanesFinite (resonant.s2)
            && allLanesFinite (dcBlocker.s1) && allLanesFinite (dcBlocker.s2);
    }
};

} // namespace tavik
