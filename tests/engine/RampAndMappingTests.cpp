#include "ParameterMapping.h"
#include "ParameterRamp.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

using namespace tavik;

TEST (ParameterRamp, RisesLinearlyAndIsIdleByTheEndOfTheBlock)
{
    ParameterRamp drive;
    drive.reset (driveFromNormalised (0.0f));
    drive.start (driveFromNormalised (1.0f), 64);

    for (int i = 1; i <= 64; ++i)
        EXPECT_NEAR (drive.next(), 25.0f * (float) i / 64.0f, 1.0e-4f) << i;

    EXPECT_TRUE (drive.isIdle());
    EXPECT_EQ (drive.next(), 25.0f);
}

// Filling a run of values gives what next() gives sample by sample, whether
// the run ends inside the ramp, exactly at its end or beyond it.
TEST (ParameterRamp, FillGivesTheValuesOfNextSampleBySample)
{
    struct Case { int rampLength, firstRun, secondRun; };
    const Case cases[] = { { 64, 64, 0 }, { 64, 17, 47 }, { 64, 10, 100 }, { 7, 3, 3 }, { 0, 5, 5 }, { 333, 64, 64 } };

    for (const auto& c : cases)
    {
        ParameterRamp stepped, filled;
        stepped.reset (4.1f);
        filled.reset (4.1f);
        stepped.start (19.3f, c.rampLength);
        filled.start (19.3f, c.rampLength);

        for (int run : { c.firstRun, c.secondRun })
        {
            std::vector<float> values ((size_t) run);
            filled.fill (values.data(), run);
            for (int i = 0; i < run; ++i)
                ASSERT_EQ (values[(size_t) i], stepped.next()) << c.rampLength << ", " << run << ", " << i;
        }

        EXPECT_EQ (filled.current, stepped.current);
        EXPECT_EQ (filled.remaining, stepped.remaining);
    }
}

TEST (ParameterRamp, UnchangedTargetStaysIdleAndReturnsTheTargetExactly)
{
    ParameterRamp r;
    r.reset (327.68f);
    r.start (327.68f, 512);
    EXPECT_TRUE (r.isIdle());
    EXPECT_EQ (r.next(), 327.68f);
}

TEST (ParameterRamp, EmptyBlockAppliesTheNewTargetAtOnceWithoutMovingCurrent)
{
    ParameterRamp r;
    r.reset (1.0f);
    r.start (0.0f, 0);
    EXPECT_TRUE (r.isIdle());
    EXPECT_EQ (r.current, 1.0f);
    EXPECT_EQ (r.next(), 0.0f);

    // The next ramp starts from current, not from target.
    r.start (0.5f, 2);
    EXPECT_EQ (r.next(), 0.75f);
    EXPECT_EQ (r.next(), 0.5f);
}

TEST (ParameterRamp, NotANumberAlwaysCountsAsAChange)
{
    ParameterRamp r;
    r.reset (std::numeric_limits<float>::quiet_NaN());
    r.start (std::numeric_limits<float>::quiet_NaN(), 4);
    EXPECT_FALSE (r.isIdle());
}

TEST (ParameterRamp, SnapMakesTheRampIdleAtItsTarget)
{
    ParameterRamp r;
    r.reset (0.0f);
    r.start (1.0f, 100);
    r.next();
    r.snap();
    EXPECT_TRUE (r.isIdle());
    EXPECT_EQ (r.current, 1.0f);
    EXPECT_EQ (r.next(), 1.0f);
}

struct MappingCase { float (*map) (float); float input; float expected; };

TEST (ParameterMapping, MapsNormalisedValuesToSignalQuantities)
{
    const MappingCase cases[] = {
        { resonanceQFromNormalised, 0.29999f, 0.3f },
        { resonanceQFromNormalised, 0.3f, 1.225f },      // the float 0.3 is above the double 0.3
        { resonanceQFromNormalised, 0.59999f, 1.225f },
        { resonanceQFromNormalised, 0.6f, 4.0f },
        { resonanceQFromNormalised, 1.0f, 4.0f },
        { resonanceQFromNormalised, 0.0f, 0.3f },
        { resonanceQFromNormalised, 1.0f / 3.0f, 1.225f },
        { resonanceQFromNormalised, 2.0f / 3.0f, 4.0f },
        { bypassMixFromNormalised, 0.4999f, 0.0f },
        { bypassMixFromNormalised, 0.5f, 1.0f },
        { bypassMixFromNormalised, std::numeric_limits<float>::quiet_NaN(), 0.0f },
        { crossoverHzFromNormalised, 0.0f, 100.0f },
        { crossoverHzFromNormalised, 1.0f, 1000.0f },
        { outputGainFromNormalised, 0.25f, 0.25f },
        { driveFromNormalised, 1.0f, 25.0f },
    };

    for (const auto& c : cases)
        EXPECT_EQ (c.map (c.input), c.expected) << c.input;

    EXPECT_NEAR (crossoverHzFromNormalised (0.4f), 327.684f, 1.0e-3f);
    EXPECT_NEAR (crossoverHzFromNormalised (0.5f), 418.2f, 0.05f);
    EXPECT_NEAR (driveFromNormalised (0.3f), 4.1079f, 1.0e-4f);
    EXPECT_NEAR (driveFromNormalised (0.5f), 8.84f, 0.01f);
}
