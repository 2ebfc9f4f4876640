#include "FilterBank.h"
#include "ReferenceFilters.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace tavik;

TEST (SinCos4, MatchesKnownValues)
{
    const auto sc = sinCos4 (Float4 (2.3561945f));
    EXPECT_EQ (sc.sine[0], 0.70710677f);
    EXPECT_EQ (sc.cosine[0], -0.70710677f);
    EXPECT_FLOAT_EQ (tan4 (Float4 (0.5f))[0], 0.5463025f);
}

TEST (SinCos4, AgreesWithTheLibraryAcrossOctantsAndSigns)
{
    for (float x = -20.0f; x <= 20.0f; x += 0.173f)
    {
        const auto sc = sinCos4 (Float4 (x, -x, 0.5f * x, 0.0f));
        EXPECT_NEAR (sc.sine[0], std::sin (x), 2.0e-6f) << x;
        EXPECT_NEAR (sc.sine[1], std::sin (-x), 2.0e-6f) << x;
        EXPECT_NEAR (sc.cosine[0], std::cos (x), 2.0e-6f) << x;
        EXPECT_NEAR (sc.cosine[2], std::cos (0.5f * x), 2.0e-6f) << x;
        EXPECT_EQ (sc.sine[3], 0.0f);
        EXPECT_EQ (sc.cosine[3], 1.0f);
    }
}

// The shaper skips the sine of lanes that hold only zeros; that is exact
// because the sine of a zero is the same zero, sign included.
TEST (SinCos4, SineOfZeroIsThatZero)
{
    const auto sine = sinCos4 (Float4 (0.0f, -0.0f, 0.0f, -0.0f)).sine;
    EXPECT_EQ (std::signbit (sine[0]), false);
    EXPECT_EQ (std::signbit (sine[1]), true);
    EXPECT_EQ (sine[0], 0.0f);
    EXPECT_EQ (sine[1], 0.0f);
}

// One tangent shared by all five designs gives each filter exactly the
// coefficients it designs for itself, with four different frequencies and
// resonances in the four lanes.
TEST (FilterDesign, SharedTangentGivesEveryFilterItsOwnDesignBitForBit)
{
    const float frequencies[] = { 100.0f, 327.68f, 418.2f, 1000.0f, 733.3f, 101.7f, 999.9f, 555.5f };
    const float resonances[] = { 0.3f, 1.225f, 4.0f, 1.225f, 0.3f, 4.0f, 2.0f, 0.3f };

    for (const float rate : { 44100.0f, 48000.0f, 96000.0f, 192000.0f })
    {
        for (int first = 0; first < 8; first += 4)
        {
            const Float4 f = Float4::load (frequencies + first);
            const Float4 q = Float4::load (resonances + first);
            const Float4 tangent = crossoverTangent (f, Float4 (rate));
            const auto crossover = crossoverFromTangent (tangent, butterworthDamping());
            const auto resonant = resonantFromTangent (tangent, Float4 (1.0f) / q);

            for (int lane = 0; lane < 4; ++lane)
            {
                ButterworthCascade low (BandType::lowPass), high (BandType::highPass);
                ResonantLowPass own;
                low.setSampleRate (rate);
                high.setSampleRate (rate);
                own.setSampleRate (rate);
                low.design (Float4 (f[lane]));
                high.design (Float4 (f[lane]));
                own.design (Float4 (f[lane]), q[lane]);

                for (const auto& s : low.sections)
                {
                    EXPECT_EQ (s.c1[0], crossover.c1[lane]);
                    EXPECT_EQ (s.c2[0], crossover.c2[lane]);
                    EXPECT_EQ (s.g[0], crossover.lowGain[lane]);
                }
                EXPECT_EQ (high.sections[1].g[0], crossover.highGain[lane]);
                EXPECT_EQ (own.b0[0], resonant.b0[lane]);
                EXPECT_EQ (own.b1[0], resonant.b1[lane]);
                EXPECT_EQ (own.b2[0], resonant.b0[lane]);
                EXPECT_EQ (own.a1[0], resonant.a1[lane]);
                EXPECT_EQ (own.a2[0], resonant.a2[lane]);
            }
        }
    }
}

TEST (ButterworthSection, CoefficientsAt1kHzAnd44100)
{
    const Float4 d = ButterworthCascade::damping();
    EXPECT_EQ (d[0], 1.41421354f);

    ButterworthSection low, high;
    low.design (BandType::lowPass, Float4 (1000.0f), d);
    high.design (BandType::highPass, Float4 (1000.0f), d);

    EXPECT_NEAR (low.g[0], 0.0046040f, 1.0e-6f);
    EXPECT_NEAR (low.c1[0], 1.79910f, 1.0e-5f);
    EXPECT_NEAR (low.c2[0], -0.81751f, 1.0e-5f);
    EXPECT_EQ (low.m[0], 2.0f);
    EXPECT_NEAR (high.g[0], 0.90415f, 1.0e-5f);
    EXPECT_EQ (high.c1[0], low.c1[0]);
    EXPECT_EQ (high.c2[0], low.c2[0]);
    EXPECT_EQ (high.m[0], -2.0f);
}

// Low band plus high band is an all-pass: a sine keeps its amplitude.
TEST (Crossover, BandSumKeepsTheAmplitudeOfASine)
{
    for (const float crossover : { 100.0f, 327.68f, 1000.0f })
    {
        for (const float frequency : { 40.0f, 300.0f, 1000.0f, 5000.0f })
        {
            ButterworthCascade low (BandType::lowPass), high (BandType::highPass);
            low.design (Float4 (crossover));
            high.design (Float4 (crossover));

            float peak = 0.0f;
            const int n = 44100;
            for (int i = 0; i < n; ++i)
            {
                const float x = std::sin (2.0f * 3.14159265f * frequency * (float) i / 44100.0f);
                const Float4 in (x, 0.0f, 0.0f, 0.0f);
                const float sum = (low.process (in) + high.process (in))[0];
                if (i > n / 2)
                    peak = std::max (peak, std::abs (sum));
            }

            EXPECT_NEAR (peak, 1.0f, 2.0e-3f) << crossover << " Hz crossover, " << frequency << " Hz sine";
        }
    }
}

TEST (Filters, ALaneThatOnlyReceivesZerosStaysExactlyZero)
{
    ButterworthCascade low (BandType::lowPass), high (BandType::highPass);
    ResonantLowPass resonant;
    DcBlocker dc;
    dc.design (48000.0f);

    for (int i = 0; i < 2000; ++i)
    {
        const Float4 f (100.0f + (float) (i % 900));
        low.design (f);
        high.design (f);
        resonant.design (f, 4.0f);
        const Float4 in ((float) std::sin (i * 0.1), 0.0f, 1.0f, 0.0f);
        const Float4 out = dc.process (resonant.process (low.process (in) + high.process (in)));
        ASSERT_EQ (out[1], 0.0f);
        ASSERT_EQ (out[3], 0.0f);
    }
}

TEST (DcBlocker, RemovesAConstantAndIsThreeDecibelsDownAt30Hz)
{
    DcBlocker dc;
    dc.design (44100.0f);

    float last = 1.0f;
    for (int i = 0; i < 44100 * 2; ++i)
        last = dc.process (Float4 (1.0f))[0];
    // Only float rounding of the recursion is left of a full-scale constant.
    EXPECT_NEAR (last, 0.0f, 2.0e-4f);

    dc.clear();
    float peak = 0.0f;
    for (int i = 0; i < 44100 * 2; ++i)
    {
        const float y = dc.process (Float4 (std::sin (2.0f * 3.14159265f * 30.0f * (float) i / 44100.0f)))[0];
        if (i > 44100)
            peak = std::max (peak, std::abs (y));
    }
    EXPECT_NEAR (20.0f * std::log10 (peak), -3.01f, 0.05f);
}

TEST (ResonantLowPass, HardBiteRingsNearTheCrossoverAndSoftDoesNot)
{
    auto gainAt = [] (float q, float frequency)
    {
        ResonantLowPass filter;
        filter.design (Float4 (500.0f), q);
        float peak = 0.0f;
        for (int i = 0; i < 44100; ++i)
        {
            const float y = filter.process (Float4 (std::sin (2.0f * 3.14159265f * frequency * (float) i / 44100.0f)))[0];
            if (i > 22050)
                peak = std::max (peak, std::abs (y));
        }
        return peak;
    };

    EXPECT_NEAR (gainAt (4.0f, 500.0f), 4.0f, 0.05f);
    EXPECT_LT (gainAt (0.3f, 500.0f), 0.31f);
    EXPECT_NEAR (gainAt (1.225f, 20.0f), 1.0f, 0.01f);
}
