// Renders a fixed, automated input through the plug-in's engine and through
// the reference recipe, and prints a hash of everything each one publishes:
// every output sample, every display frame taken with its peak, and the block
// meters after every block. Built for two platforms, the program must print
// the same lines on both; its first line names the vector path it was built
// with.
//
// The input is made with additions and multiplications only (no library
// maths), so that it is the same on every platform before the engines see it.

#include "Float4.h"
#include "ReferenceEngine.h"
#include "TavikEngine.h"

#include "TestRandom.h"

#include <algorithm>
#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <limits>
#include <vector>

using namespace tavik;

namespace
{
    using Random = tavik::test::TestRandom;

    // FNV-1a over the bit patterns of floats.
    class Hash
    {
    public:
        void add (float x)
        {
            uint32_t bits;
            std::memcpy (&bits, &x, sizeof (bits));
            for (int byte = 0; byte < 4; ++byte)
            {
                value ^= (bits >> (8 * byte)) & 0xffu;
                value *= 0x100000001b3ull;
            }
        }

        uint64_t value = 0xcbf29ce484222325ull;
    };

    // A sine oscillator by rotation: each step multiplies (cos, sin) by the
    // step's rotation; the frequency glides by scaling the rotation angle.
    class Oscillator
    {
    public:
        float next (double stepRadians)
        {
            // Rotation by a small angle from its Taylor terms.
            const double a2 = stepRadians * stepRadians;
            const double c = 1.0 - a2 / 2.0 + a2 * a2 / 24.0;
            const double s = stepRadians * (1.0 - a2 / 6.0 + a2 * a2 / 120.0);
            const double x = cosine * c - sine * s;
            sine = sine * c + cosine * s;
            cosine = x;
            return (float) sine;
        }

    private:
        double cosine = 1.0, sine = 0.0;
    };

    // Notes with a harmonic, a sweep up through the audio band, low-passed
    // noise, silent gaps, passages beyond full scale and a passage so quiet
    // that the filters reach the denormal range.
    std::vector<float> input (uint32_t seed, int length, double rate)
    {
        constexpr double twoPi = 6.283185307179586;
        Random random (seed);
        Oscillator note, harmonic, sweep;
        std::vector<float> signal ((size_t) length);
        double noteStep = 0.0, sweepStep = twoPi * 20.0 / rate;
        float noise = 0.0f, level = 0.0f;

        for (int i = 0; i < length; ++i)
        {
            if (i % 9973 == 0)
            {
                noteStep = twoPi * (40.0 + 400.0 * random.uniform()) / rate;
                level = 0.1f + 0.5f * random.uniform();
            }
            sweepStep = sweepStep * 1.00002 > twoPi * 0.45 ? twoPi * 20.0 / rate : sweepStep * 1.00002;
            noise = 0.97f * noise + 0.03f * (2.0f * random.uniform() - 1.0f);

            float x = level * (note.next (noteStep) + 0.5f * harmonic.next (2.0 * noteStep))
                    + 0.2f * sweep.next (sweepStep) + 2.0f * noise;

            const int section = (i / 4096) % 16;
            if (section == 3)
                x = 0.0f;
            else if (section == 7)
                x *= 4.0f;
            else if (section == 11)
                x *= 1.0e-37f;

            signal[(size_t) i] = x;
        }
        return signal;
    }

    struct BlockPlan
    {
        int size;
        NormalisedParameters parameters;
        bool snap;
    };

    // Blocks of many sizes, including empty and odd ones; every parameter
    // held for a while, then moved, now and then to its ends or between the
    // "Bite" steps; a snap now and then.
    std::vector<BlockPlan> automation (uint32_t seed, int totalSamples)
    {
        const int sizes[] = { 0, 1, 2, 3, 5, 7, 16, 31, 63, 64, 65, 100, 127, 128, 129, 256, 333, 511, 512, 1024, 2049 };
        const float bites[] = { 0.0f, 0.29999f, 0.3f, 0.3333f, 0.45f, 0.59999f, 0.6f, 0.6667f, 1.0f };
        const float ends[] = { 0.0f, 1.0f };

        Random random (seed);
        NormalisedParameters p { 0.3f, 0.3333f, 0.4f, 1.0f, 0.0f };
        std::vector<BlockPlan> plan;

        for (int samples = 0, block = 0; samples < totalSamples; ++block)
        {
            if (block >= 8 && random.uniform() < 0.6f)
            {
                const int index = random.below (numParameters);
                const float value = random.uniform() < 0.1f ? ends[random.below (2)] : random.uniform();
                p[(size_t) index] = index == biteParameter ? bites[random.below ((int) std::size (bites))] : value;
            }

            const int size = sizes[random.below ((int) std::size (sizes))];
            plan.push_back ({ size, p, block % 61 == 60 });
            samples += size;
        }
        return plan;
    }

    struct Layout
    {
        double rate;
        int numIn, numOut;
    };

    struct Result
    {
        uint64_t hash;
        int frames;
    };

    Result render (EngineCore& engine, const Layout& layout, int seconds)
    {
        const int totalSamples = (int) layout.rate * seconds;
        const auto plan = automation ((uint32_t) layout.rate + (uint32_t) layout.numOut, totalSamples);

        std::vector<std::vector<float>> signals;
        for (int c = 0; c < layout.numIn; ++c)
            signals.push_back (input (17u + (uint32_t) c, totalSamples + 4096, layout.rate));

        // Samples the filters cannot take: each one's block is silenced and the
        // filters start again from rest.
        signals.front()[(size_t) totalSamples / 4] = 3.0e38f;
        signals.back()[(size_t) totalSamples / 2] = std::numeric_limits<float>::infinity();
        signals.front()[(size_t) totalSamples * 3 / 4] = std::numeric_limits<float>::quiet_NaN();

        engine.prepare (layout.rate, plan[0].parameters);

        Hash hash;
        int frames = 0, position = 0;
        std::vector<std::vector<float>> buffers ((size_t) layout.numOut);
        std::vector<float*> channels ((size_t) layout.numOut);
        std::vector<float> frame (DisplayFeed::length);

        for (const auto& block : plan)
        {
            for (int c = 0; c < layout.numOut; ++c)
            {
                buffers[(size_t) c].assign ((size_t) block.size, 0.0f);
                if (c < layout.numIn)
                    std::copy (signals[(size_t) c].begin() + position, signals[(size_t) c].begin() + position + block.size,
                               buffers[(size_t) c].begin());
                channels[(size_t) c] = buffers[(size_t) c].data();
            }
            position += block.size;

            if (block.snap)
                engine.requestSnap();

            engine.process (channels.data(), layout.numIn, layout.numOut, block.size, block.parameters);

            for (const auto& buffer : buffers)
                for (float x : buffer)
                    hash.add (x);

            hash.add (engine.meters.outputLevel.load());
            hash.add (engine.meters.outputPeak.load());

            for (DisplayFeed* feed : { &engine.modulatorFeed, &engine.lowBandFeed })
            {
                hash.add (feed->getPublishedPeak());
                if (feed->takeFrame (frame.data()))
                {
                    ++frames;
                    for (float x : frame)
                        hash.add (x);
                }
            }
        }

        return { hash.value, frames };
    }
}

int main()
{
   #if TAVIK_FLOAT4_SSE
    std::printf ("Float4: SSE\n");
   #else
    std::printf ("Float4: NEON\n");
   #endif

    const Layout layouts[] = { { 44100.0, 1, 1 }, { 44100.0, 2, 2 }, { 48000.0, 1, 2 },
                               { 48000.0, 2, 2 }, { 96000.0, 2, 2 }, { 96000.0, 4, 4 } };
    constexpr int seconds = 3;
    bool everyRunHadFrames = true;

    for (const auto& layout : layouts)
    {
        TavikEngine engine;
        ReferenceEngine reference;
        const auto fast = render (engine, layout, seconds);
        const auto recipe = render (reference, layout, seconds);

        std::printf ("%6.0f Hz, %d in %d out: engine %016" PRIx64 " (%d frames), reference %016" PRIx64 " (%d frames)\n",
                     layout.rate, layout.numIn, layout.numOut, fast.hash, fast.frames, recipe.hash, recipe.frames);

        everyRunHadFrames = everyRunHadFrames && fast.frames > 0 && recipe.frames > 0;
    }

    return everyRunHadFrames ? 0 : 1;
}
