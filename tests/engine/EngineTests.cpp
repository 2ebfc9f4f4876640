#include "EngineTestHelpers.h"
#include "ReferenceFilters.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace tavik;
using namespace tavik::test;

namespace
{
    float sine (int i, float frequency, float rate = 44100.0f)
    {
        return std::sin (2.0f * 3.14159265f * frequency * (float) i / rate);
    }

    // Processes `blocks` blocks of a stereo sine pair and returns the last one.
    Block runSines (TavikEngine& engine, const NormalisedParameters& p, int blocks, int size)
    {
        Block block (2, size);
        for (int b = 0; b < blocks; ++b)
        {
            for (int i = 0; i < size; ++i)
            {
                block.data[0][(size_t) i] = 0.5f * sine (b * size + i, 80.0f);
                block.data[1][(size_t) i] = 0.3f * sine (b * size + i, 2500.0f);
            }
            block.process (engine, p);
        }
        return block;
    }
}

TEST (Engine, InitialRampsComeFromTheDefaults)
{
    TavikEngine engine;
    EXPECT_NEAR (engine.getRamp (amountParameter).current, 4.1079f, 1.0e-4f);
    EXPECT_EQ (engine.getRamp (biteParameter).current, 1.225f);
    EXPECT_NEAR (engine.getRamp (rangeParameter).current, 327.684f, 1.0e-3f);
    EXPECT_EQ (engine.getRamp (outputGainParameter).current, 1.0f);
    EXPECT_EQ (engine.getRamp (bypassParameter).current, 0.0f);
}

TEST (Engine, SilenceInGivesSilenceOut)
{
    TavikEngine engine;
    engine.prepare (48000.0, defaultParameters());
    Block block (2, 4096);
    block.process (engine, defaultParameters());
    for (const auto& channel : block.data)
        for (float x : channel)
            ASSERT_EQ (x, 0.0f);
    EXPECT_EQ (engine.meters.outputPeak.load(), 0.0f);
    EXPECT_EQ (engine.modulatorFeed.getPublishedPeak(), 0.0f);
}

// With bypass on, the output is exactly the crossover's band sum.
TEST (Engine, BypassOutputsTheBandSumBitForBit)
{
    const auto p = withParameter (withParameter (defaultParameters(), bypassParameter, 1.0f), outputGainParameter, 0.2f);
    TavikEngine engine;
    engine.prepare (44100.0, p);

    ButterworthCascade low (BandType::lowPass), high (BandType::highPass);
    const Float4 f (crossoverHzFromNormalised (p[rangeParameter]));

    for (int b = 0; b < 8; ++b)
    {
        Block block (2, 256);
        std::vector<float> left, right;
        for (int i = 0; i < 256; ++i)
        {
            block.data[0][(size_t) i] = sine (b * 256 + i, 80.0f);
            block.data[1][(size_t) i] = sine (b * 256 + i, 3000.0f);
        }
        const auto input = block.data;
        block.process (engine, p);

        for (int i = 0; i < 256; ++i)
        {
            const Float4 in (input[0][(size_t) i], input[1][(size_t) i], 0.0f, 0.0f);
            low.design (f);
            high.design (f);
            const Float4 expected = low.process (in) + high.process (in);
            ASSERT_EQ (block.data[0][(size_t) i], expected[0]);
            ASSERT_EQ (block.data[1][(size_t) i], expected[1]);
        }
    }
}

// With no drive, the output is the DC-blocked band sum times the output gain.
TEST (Engine, ZeroDriveOutputsTheScaledDcBlockedBandSum)
{
    const auto p = withParameter (withParameter (defaultParameters(), amountParameter, 0.0f), outputGainParameter, 0.5f);
    TavikEngine engine;
    engine.prepare (44100.0, p);

    ButterworthCascade low (BandType::lowPass), high (BandType::highPass);
    DcBlocker dc;
    dc.design (44100.0f);
    const Float4 f (crossoverHzFromNormalised (p[rangeParameter]));

    Block block (1, 2048);
    for (int i = 0; i < 2048; ++i)
        block.data[0][(size_t) i] = 0.2f + sine (i, 150.0f);
    const auto input = block.data;
    block.process (engine, p);

    for (int i = 0; i < 2048; ++i)
    {
        low.design (f);
        high.design (f);
        const Float4 in (input[0][(size_t) i], 0.0f, 0.0f, 0.0f);
        const Float4 expected = dc.process (Float4 (0.5f) * (low.process (in) + high.process (in)));
        ASSERT_EQ (block.data[0][(size_t) i], expected[0]) << i;
    }
}

TEST (Engine, DriveAddsHarmonicsToALowSine)
{
    auto harmonicRatio = [] (float amount)
    {
        TavikEngine engine;
        const auto p = withParameter (defaultParameters(), amountParameter, amount);
        engine.prepare (44100.0, p);
        Block block (1, 44100);
        for (int i = 0; i < 44100; ++i)
            block.data[0][(size_t) i] = 0.5f * sine (i, 80.0f);
        block.process (engine, p);

        // Energy at 160 Hz and 240 Hz relative to 80 Hz, from the second half.
        auto energyAt = [&] (float frequency)
        {
            double re = 0, im = 0;
            for (int i = 22050; i < 44100; ++i)
            {
                re += block.data[0][(size_t) i] * std::cos (2.0 * M_PI * frequency * i / 44100.0);
                im += block.data[0][(size_t) i] * std::sin (2.0 * M_PI * frequency * i / 44100.0);
            }
            return std::sqrt (re * re + im * im);
        };
        return (energyAt (160.0f) + energyAt (240.0f)) / energyAt (80.0f);
    };

    EXPECT_LT (harmonicRatio (0.0f), 1.0e-4);
    EXPECT_GT (harmonicRatio (0.5f), 0.05);
}

TEST (Engine, StereoChannelsDoNotInteract)
{
    const auto p = withParameter (defaultParameters(), amountParameter, 0.8f);
    TavikEngine a, b;
    a.prepare (48000.0, p);
    b.prepare (48000.0, p);

    Block left (2, 1000), right (2, 1000);
    for (int i = 0; i < 1000; ++i)
    {
        left.data[0][(size_t) i] = sine (i, 90.0f, 48000.0f);
        right.data[1][(size_t) i] = sine (i, 90.0f, 48000.0f);
    }
    left.process (a, p);
    right.process (b, p);
    EXPECT_EQ (left.data[0], right.data[1]);
    for (float x : left.data[1])
        ASSERT_EQ (x, 0.0f);
}

TEST (Engine, RatesBelow44100BehaveExactlyAs44100)
{
    TavikEngine slow, normal;
    slow.prepare (22050.0, defaultParameters());
    normal.prepare (44100.0, defaultParameters());
    EXPECT_EQ (slow.modulatorFeed.getRatio(), 1.0f);
    EXPECT_EQ (slow.getSampleRate(), 44100.0f);

    const auto a = runSines (slow, defaultParameters(), 4, 512);
    const auto b = runSines (normal, defaultParameters(), 4, 512);
    EXPECT_EQ (a.data, b.data);
}

TEST (Engine, HighRatesDecimateTheDisplayFeeds)
{
    TavikEngine engine;
    engine.prepare (96000.0, defaultParameters());
    EXPECT_EQ (engine.modulatorFeed.getRatio(), 0.459375f);
    EXPECT_EQ (engine.lowBandFeed.getRatio(), 0.459375f);
}

TEST (Engine, NonFiniteSampleRateCountsAs44100)
{
    for (double rate : { std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(), -1.0, 0.0 })
    {
        TavikEngine engine;
        engine.prepare (rate, defaultParameters());
        EXPECT_EQ (engine.getSampleRate(), 44100.0f) << rate;
    }
}

TEST (Engine, MetersReportMeanAndPeakOfTheBlock)
{
    const auto p = withParameter (defaultParameters(), bypassParameter, 1.0f);
    TavikEngine engine;
    engine.prepare (44100.0, p);

    // With bypass on, a constant passes the crossover unchanged once settled.
    Block block (2, 4096);
    for (int b = 0; b < 20; ++b)
    {
        for (auto& channel : block.data)
            std::fill (channel.begin(), channel.end(), -0.25f);
        block.process (engine, p);
    }
    float sum = 0.0f, peak = 0.0f;
    for (size_t i = 0; i < block.data[0].size(); ++i)
        for (const auto& channel : block.data)
        {
            sum = sum + std::abs (channel[i]);
            peak = std::max (peak, std::abs (channel[i]));
        }
    EXPECT_EQ (engine.meters.outputLevel.load(), (sum / 4096.0f) / 2.0f);
    EXPECT_EQ (engine.meters.outputPeak.load(), peak);
    EXPECT_NEAR (engine.meters.outputLevel.load(), 0.25f, 1.0e-4f);
}

TEST (Engine, AnEmptyBlockZeroesTheMetersAndRenewsTheStamp)
{
    TavikEngine engine;
    engine.prepare (44100.0, defaultParameters());
    runSines (engine, defaultParameters(), 2, 256);
    const auto before = engine.meters.lastProcessTime.load();
    ASSERT_GT (engine.meters.outputPeak.load(), 0.0f);

    engine.process (nullptr, 2, 2, 0, defaultParameters());
    EXPECT_EQ (engine.meters.outputPeak.load(), 0.0f);
    EXPECT_EQ (engine.meters.outputLevel.load(), 0.0f);
    EXPECT_TRUE (engine.meters.hasProcessed.load());
    EXPECT_GE (engine.meters.lastProcessTime.load(), before);
}

TEST (Engine, AChangeReadInAnEmptyBlockAppliesWithoutAGlide)
{
    TavikEngine engine;
    engine.prepare (44100.0, defaultParameters());
    const auto loud = withParameter (defaultParameters(), outputGainParameter, 0.5f);
    engine.process (nullptr, 2, 2, 0, loud);
    EXPECT_TRUE (engine.getRamp (outputGainParameter).isIdle());
    EXPECT_EQ (engine.getRamp (outputGainParameter).target, 0.5f);
}

TEST (Engine, ASnapRequestMakesTheNextBlockRunIdleAtTheNewValues)
{
    TavikEngine engine;
    engine.prepare (44100.0, defaultParameters());
    const auto loaded = withParameter (withParameter (defaultParameters(), amountParameter, 1.0f), rangeParameter, 1.0f);
    engine.requestSnap();

    Block block (2, 64);
    block.process (engine, loaded);
    for (int i : { amountParameter, rangeParameter })
    {
        EXPECT_TRUE (engine.getRamp (i).isIdle());
        EXPECT_EQ (engine.getRamp (i).step, 0.0f);
    }
    EXPECT_EQ (engine.getRamp (amountParameter).current, 25.0f);
    EXPECT_EQ (engine.getRamp (rangeParameter).current, 1000.0f);

    // Without a snap request the same change glides over the block.
    block.process (engine, defaultParameters());
    EXPECT_NE (engine.getRamp (amountParameter).step, 0.0f);
}

TEST (Engine, NotANumberParameterReadsAsItsDefault)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    NormalisedParameters p;
    p.fill (nan);
    TavikEngine engine;
    engine.prepare (44100.0, p);
    for (int i = 0; i < numParameters; ++i)
    {
        TavikEngine reference;
        EXPECT_EQ (engine.getRamp (i).current, reference.getRamp (i).current) << i;
    }
}

// Bad input damages at most the block it arrives in; afterwards the output is
// that of an engine whose filters were just cleared.
TEST (Engine, NonFiniteOrHugeInputDamagesOnlyItsOwnBlock)
{
    const float poisons[] = { std::numeric_limits<float>::quiet_NaN(),
                              std::numeric_limits<float>::infinity(),
                              -std::numeric_limits<float>::infinity(),
                              3.0e38f };

    const auto p = withParameter (defaultParameters(), biteParameter, 1.0f);

    for (float poison : poisons)
    {
        TavikEngine damaged, fresh;
        damaged.prepare (48000.0, p);
        fresh.prepare (48000.0, p);

        runSines (damaged, p, 3, 300);

        Block bad (2, 300);
        bad.data[0][100] = poison;
        bad.data[1][200] = poison;
        bad.process (damaged, p);
        for (const auto& channel : bad.data)
            for (float x : channel)
                ASSERT_TRUE (std::isfinite (x)) << poison;
        EXPECT_TRUE (std::isfinite (damaged.meters.outputLevel.load()));
        EXPECT_TRUE (std::isfinite (damaged.meters.outputPeak.load()));

        const auto after = runSines (damaged, p, 1, 300);
        const auto expected = runSines (fresh, p, 1, 300);
        EXPECT_EQ (after.data, expected.data) << poison;
    }
}
