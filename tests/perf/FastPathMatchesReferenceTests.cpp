// The plug-in's engine against the per-sample recipe written out literally:
// both get the same long, music-like input while every parameter is automated
// over blocks of many sizes, and every output sample, every display frame and
// the block meters must agree to the last bit.

#include "ReferenceEngine.h"
#include "TavikEngine.h"

#include <gtest/gtest.h>

#include "TestRandom.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <ostream>
#include <string>
#include <vector>

using namespace tavik;

namespace
{
    using Random = tavik::test::TestRandom;

    constexpr double twoPi = 6.283185307179586;

    // Decaying notes with harmonics, low-passed noise, an exponential sweep
    // from 20 Hz to 20 kHz, short gaps of silence and loud passages.
    std::vector<float> musicLikeSignal (uint32_t seed, int length, double rate)
    {
        Random random (seed);
        std::vector<float> signal ((size_t) length);
        const double sweepRatio = std::log (1000.0);
        double notePhase = 0.0, noteFrequency = 110.0, noteLevel = 0.0, sweepPhase = 0.0;
        float noise = 0.0f;

        for (int i = 0; i < length; ++i)
        {
            const double t = i / rate;
            if (i % (int) (0.23 * rate) == 0)
            {
                noteFrequency = 40.0 * std::pow (2.0, random.between (0.0f, 5.5f));
                noteLevel = random.between (0.1f, 0.6f);
            }
            noteLevel *= 0.99995;
            notePhase += twoPi * noteFrequency / rate;

            const double sweepFrequency = 20.0 * std::exp (sweepRatio * std::fmod (t, 4.0) / 4.0);
            sweepPhase += twoPi * sweepFrequency / rate;

            noise = 0.97f * noise + 0.03f * random.between (-1.0f, 1.0f);

            double x = noteLevel * (std::sin (notePhase) + 0.5 * std::sin (2.0 * notePhase) + 0.25 * std::sin (3.0 * notePhase))
                     + 0.2 * std::sin (sweepPhase) + 2.0 * noise;

            const double cycle = std::fmod (t + 1.0, 3.0);
            if (cycle < 0.15)
                x = 0.0;               // silence: the filters decay to rest
            else if (cycle > 2.6)
                x *= 4.0;              // loud: beyond full scale

            signal[(size_t) i] = (float) x;
        }
        return signal;
    }

    // Parameter values and size of every block. The run alternates stretches
    // in which every parameter holds, every parameter moves, or only some move.
    // A snap is requested now and then.
    struct BlockPlan
    {
        int size;
        NormalisedParameters parameters;
        bool snap;
    };

    std::vector<BlockPlan> automation (uint32_t seed, int totalSamples)
    {
        enum Moving { nothing, everything, rangeOnly, biteOnly, rangeAndBite, levelsOnly, numStretchKinds };

        const int sizes[] = { 0, 1, 2, 3, 5, 7, 16, 31, 63, 64, 65, 100, 127, 128, 129, 256, 333, 511, 512, 1024, 2049 };
        const float bites[] = { 0.0f, 0.29999f, 0.3f, 0.3333f, 0.45f, 0.59999f, 0.6f, 0.6667f, 1.0f };
        const float bypasses[] = { 0.0f, 0.0f, 0.4999f, 0.5f, 1.0f };
        const float ends[] = { 0.0f, 1.0f };

        Random random (seed);
        NormalisedParameters p { 0.3f, 0.3333f, 0.4f, 1.0f, 0.0f };
        std::vector<BlockPlan> plan;
        // The run opens holding the values the engines were prepared with.
        int samples = 0, stretchLeft = 8, moving = nothing, block = 0;

        while (samples < totalSamples)
        {
            if (stretchLeft-- == 0)
            {
                moving = random.below (numStretchKinds);
                stretchLeft = 1 + random.below (24);
            }

            auto level = [&] { return random.uniform() < 0.1f ? random.pick (ends) : random.uniform(); };

            if (moving == everything || moving == rangeOnly || moving == rangeAndBite)
                p[rangeParameter] = random.uniform() < 0.2f ? level() : std::abs (std::sin (0.05f * (float) block));
            if (moving == everything || moving == biteOnly || moving == rangeAndBite)
                p[biteParameter] = random.pick (bites);
            if (moving == everything || moving == levelsOnly)
            {
                p[amountParameter] = level();
                p[outputGainParameter] = level();
                p[bypassParameter] = random.uniform() < 0.3f ? random.pick (bypasses) : p[bypassParameter];
            }

            const int size = random.pick (sizes);
            plan.push_back ({ size, p, block % 61 == 60 });
            samples += size;
            ++block;
        }
        return plan;
    }

    uint32_t bitsOf (float x)
    {
        uint32_t bits;
        std::memcpy (&bits, &x, sizeof (bits));
        return bits;
    }

    // The first sample in which two runs of floats differ, or -1.
    int firstDifference (const float* a, const float* b, int length)
    {
        for (int i = 0; i < length; ++i)
            if (bitsOf (a[i]) != bitsOf (b[i]))
                return i;
        return -1;
    }

    // Takes a frame from the same feed of both engines; describes any
    // difference in readiness, frame or peak. Counts the frames compared.
    std::string compareFeeds (DisplayFeed& fast, DisplayFeed& reference, int& framesCompared)
    {
        if (bitsOf (fast.getPublishedPeak()) != bitsOf (reference.getPublishedPeak()))
            return "published peak differs";

        std::vector<float> fastFrame (DisplayFeed::length), referenceFrame (DisplayFeed::length);
        const bool fastTook = fast.takeFrame (fastFrame.data());
        const bool referenceTook = reference.takeFrame (referenceFrame.data());
        if (fastTook != referenceTook)
            return "one feed had a frame ready and the other did not";

        if (! fastTook)
            return {};

        ++framesCompared;
        const int at = firstDifference (fastFrame.data(), referenceFrame.data(), DisplayFeed::length);
        if (at >= 0)
            return "frame point " + std::to_string (at) + " differs: " + std::to_string (fastFrame[(size_t) at])
                   + " against " + std::to_string (referenceFrame[(size_t) at]);
        return {};
    }

    struct Layout
    {
        int channels;
        double rate;
    };

    void PrintTo (const Layout& layout, std::ostream* out)
    {
        *out << layout.channels << " channels at " << layout.rate << " Hz";
    }

    std::string nameOf (const testing::TestParamInfo<Layout>& info)
    {
        return (info.param.channels == 1 ? std::string ("mono_") : std::string ("stereo_"))
               + std::to_string ((int) info.param.rate);
    }

    class FastPathMatchesReference : public testing::TestWithParam<Layout> {};
}

TEST_P (FastPathMatchesReference, OutputFramesAndMetersAreBitIdentical)
{
    const auto [numChannels, rate] = GetParam();
    const int totalSamples = (int) (10.0 * rate);
    const auto plan = automation ((uint32_t) rate + (uint32_t) numChannels, totalSamples);

    std::vector<std::vector<float>> input;
    for (int c = 0; c < numChannels; ++c)
        input.push_back (musicLikeSignal (17u + (uint32_t) c, totalSamples + 4096, rate));

    // The last channel also falls silent on its own for a while, so that one
    // channel rests at zero while another plays.
    if (numChannels > 1)
        std::fill (input.back().begin() + (int) (5.0 * rate), input.back().begin() + (int) (5.6 * rate), 0.0f);

    // One sample so large that the filters overflow: its block is silenced and
    // the filters start again from rest.
    input.front()[(size_t) (7.0 * rate)] = 3.0e38f;

    TavikEngine fast;
    ReferenceEngine reference;

    // A first preparation at another rate, with audio through it, so that the
    // real one must replace designs made for that rate.
    const double otherRate = rate == 96000.0 ? 44100.0 : 96000.0;
    for (EngineCore* engine : { (EngineCore*) &fast, (EngineCore*) &reference })
    {
        engine->prepare (otherRate, plan[0].parameters);
        std::vector<float> warmUp (512, 0.25f);
        float* channels[2] = { warmUp.data(), warmUp.data() };
        engine->process (channels, 1, 1, 512, plan[0].parameters);
        engine->prepare (rate, plan[0].parameters);
    }

    std::vector<std::vector<float>> fastBuffers ((size_t) numChannels), referenceBuffers ((size_t) numChannels);
    int position = 0, modulatorFrames = 0, lowBandFrames = 0;
    double outputEnergy = 0.0;

    for (size_t b = 0; b < plan.size(); ++b)
    {
        const auto& block = plan[b];
        std::vector<float*> fastPointers, referencePointers;
        for (int c = 0; c < numChannels; ++c)
        {
            const auto* source = input[(size_t) c].data() + position;
            fastBuffers[(size_t) c].assign (source, source + block.size);
            referenceBuffers[(size_t) c] = fastBuffers[(size_t) c];
            fastPointers.push_back (fastBuffers[(size_t) c].data());
            referencePointers.push_back (referenceBuffers[(size_t) c].data());
        }
        position += block.size;

        if (block.snap)
        {
            fast.requestSnap();
            reference.requestSnap();
        }

        fast.process (fastPointers.data(), numChannels, numChannels, block.size, block.parameters);
        reference.process (referencePointers.data(), numChannels, numChannels, block.size, block.parameters);

        const auto where = "block " + std::to_string (b) + " (" + std::to_string (block.size) + " samples)";
        for (int c = 0; c < numChannels; ++c)
        {
            const int at = firstDifference (fastBuffers[(size_t) c].data(), referenceBuffers[(size_t) c].data(), block.size);
            ASSERT_LT (at, 0) << where << ", channel " << c << ", sample " << at << ": "
                              << fastBuffers[(size_t) c][(size_t) at] << " against " << referenceBuffers[(size_t) c][(size_t) at];
            for (float x : fastBuffers[(size_t) c])
                outputEnergy += (double) x * x;
        }

        ASSERT_EQ (bitsOf (fast.meters.outputLevel.load()), bitsOf (reference.meters.outputLevel.load())) << where;
        ASSERT_EQ (bitsOf (fast.meters.outputPeak.load()), bitsOf (reference.meters.outputPeak.load())) << where;
        ASSERT_EQ (compareFeeds (fast.modulatorFeed, reference.modulatorFeed, modulatorFrames), "") << where << ", modulator feed";
        ASSERT_EQ (compareFeeds (fast.lowBandFeed, reference.lowBandFeed, lowBandFrames), "") << where << ", low band feed";
    }

    // The run really produced sound and display frames. Ten seconds hold about
    // 430 frames per feed; blocks longer than a frame complete more than one
    // between takes, of which only the last is taken.
    EXPECT_GT (outputEnergy, 1.0);
    EXPECT_GT (modulatorFrames, 250);
    EXPECT_GT (lowBandFrames, 250);
}

INSTANTIATE_TEST_SUITE_P (RatesAndLayouts, FastPathMatchesReference,
                          testing::Values (Layout { 1, 44100.0 }, Layout { 2, 44100.0 },
                                           Layout { 1, 48000.0 }, Layout { 2, 48000.0 },
                                           Layout { 1, 96000.0 }, Layout { 2, 96000.0 }),
                          nameOf);
