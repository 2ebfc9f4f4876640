#include "TavikEngine.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace tavik
{

namespace
{
    constexpr int chunkLength = TavikEngine::chunkLength;

    // What the signal path needs for one sample.
    struct SampleControls
    {
        Float4 drive, gain, mix, processedMix;
        CrossoverCoefficients crossover;
        ResonantCoefficients resonant;
    };

    // All ramps idle: the same controls for every sample.
    struct SteadyControls
    {
        SampleControls controls;

        const SampleControls& at (int) const noexcept { return controls; }
    };

    // The display point of each sample in groups of four: the sum of its four
    // lanes, ((l0 + l1) + l2) + l3, over the input channel count, or 0 where
    // that is not finite.
    void channelMeans (const float* lanes, int groups, int numIn, float* points) noexcept
    {
        const Float4 inputCount (static_cast<float> (numIn));
        const Float4 infinity (std::numeric_limits<float>::infinity());

        for (int g = 0; g < groups; ++g)
        {
            const float* group = lanes + 16 * g;
            Float4 a = Float4::load (group), b = Float4::load (group + 4);
            Float4 c = Float4::load (group + 8), d = Float4::load (group + 12);
            transpose (a, b, c, d);
            const Float4 mean = (((a + b) + c) + d) / inputCount;
            (mean & lessThan (abs (mean), infinity)).store (points + 4 * g);
        }
    }

    // The shaper, s = sine of (drive times low band), over a chunk. It keeps
    // no state, so the sine can run across samples instead of channels: each
    // group of four samples is transposed so that a vector holds one channel
    // of four samples. A lane whose argument is zero (of either sign) in every
    // sample of the chunk, as the lanes of absent channels are, needs no sine:
    // the sine of a zero is that zero. Fills whole groups of four samples.
    template <typename Controls>
    void shape (const Controls& controls, const float* lowBand, int count, float* shaped) noexcept
    {
        Float4 nonZeroBits;
        for (int i = 0; i < count; ++i)
        {
            const Float4 argument = controls.at (i).drive * Float4::load (lowBand + 4 * i);
            argument.store (shaped + 4 * i);
            nonZeroBits = nonZeroBits | abs (argument);
        }

        const int groups = (count + 3) / 4;
        std::fill (shaped + 4 * count, shaped + 16 * groups, 0.0f);

        uint32_t laneBits[4];
        std::memcpy (laneBits, &nonZeroBits, sizeof (laneBits));

        for (int g = 0; g < groups; ++g)
        {
            float* group = shaped + 16 * g;
            Float4 lanes[4] = { Float4::load (group), Float4::load (group + 4),
                                Float4::load (group + 8), Float4::load (group + 12) };
            transpose (lanes[0], lanes[1], lanes[2], lanes[3]);

            for (int lane = 0; lane < 4; ++lane)
                if (laneBits[lane] != 0)
                    lanes[lane] = sinCos4 (lanes[lane]).sine;

            transpose (lanes[0], lanes[1], lanes[2], lanes[3]);
            for (int k = 0; k < 4; ++k)
                lanes[k].store (group + 4 * k);
        }
    }

    // Some ramp running: the values and coefficients of every sample of a chunk.
    struct RampingControls
    {
        alignas (16) float drive[chunkLength], resonanceQ[chunkLength], crossoverHz[chunkLength];
        alignas (16) float gain[chunkLength], mix[chunkLength];
        alignas (16) float c1[chunkLength], c2[chunkLength], lowGain[chunkLength], highGain[chunkLength];
        alignas (16) float b0[chunkLength], b1[chunkLength], a1[chunkLength], a2[chunkLength];

        SampleControls at (int i) const noexcept
        {
            return { Float4 (drive[i]), Float4 (gain[i]), Float4 (mix[i]), Float4 (1.0f - mix[i]),
                     { Float4 (c1[i]), Float4 (c2[i]), Float4 (lowGain[i]), Float4 (highGain[i]) },
                     { Float4 (b0[i]), Float4 (b1[i]), Float4 (a1[i]), Float4 (a2[i]) } };
        }

        // Designs the coefficients of the first count samples, four samples
        // per design. A filter whose inputs stay at their targets through the
        // chunk takes the steady design instead.
        void designFilters (int count, bool frequencyMoves, bool resonanceMoves, const FilterDesign& steady) noexcept
        {
            for (int i = count; i % 4 != 0; ++i)
            {
                crossoverHz[i] = crossoverHz[count - 1];
                resonanceQ[i] = resonanceQ[count - 1];
            }

            for (int i = 0; i < count; i += 4)
            {
                const Float4 tangent = frequencyMoves ? crossoverTangent (Float4::load (crossoverHz + i), steady.sampleRate)
                                                      : steady.tangent;
                const auto crossover = frequencyMoves ? crossoverFromTangent (tangent, steady.damping)
                                                      : steady.crossover;
                const auto resonant = (frequencyMoves || resonanceMoves)
                                          ? resonantFromTangent (tangent, Float4 (1.0f) / Float4::load (resonanceQ + i))
                                          : steady.resonant;

                crossover.c1.store (c1 + i);
                crossover.c2.store (c2 + i);
                crossover.lowGain.store (lowGain + i);
                crossover.highGain.store (highGain + i);
                resonant.b0.store (b0 + i);
                resonant.b1.store (b1 + i);
                resonant.a1.store (a1 + i);
                resonant.a2.store (a2 + i);
            }
        }
    };
}

void TavikEngine::resetFilters (float rate) noexcept
{
    filters.clear();
    filters.dcBlocker.design (rate);
    design.setSampleRate (rate);
}

void TavikEngine::clearFilterState() noexcept
{
    filters.clear();
}

bool TavikEngine::filterStateIsFinite() const noexcept
{
    return filters.isFinite();
}

void TavikEngine::render (const Block& block, OutputSums& sums) noexcept
{
    int rampingLength = 0;
    for (const auto& r : ramps)
        rampingLength = std::max (rampingLength, (int) r.remaining);
    rampingLength = std::min (rampingLength, block.numSamples);

    for (int start = 0; start < rampingLength; start += chunkLength)
        renderRampingChunk (block, start, std::min (chunkLength, rampingLength - start), sums);

    if (rampingLength == block.numSamples)
        return;

    design.update (ramps[rangeParameter].target, ramps[biteParameter].target);
    const float mix = ramps[bypassParameter].target;
    const SteadyControls steady { { Float4 (ramps[amountParameter].target), Float4 (ramps[outputGainParameter].target),
                                    Float4 (mix), Float4 (1.0f - mix), design.crossover, design.resonant } };

    for (int start = rampingLength; start < block.numSamples; start += chunkLength)
        renderChunk (block, start, std::min (chunkLength, block.numSamples - start), steady, sums);
}

void TavikEngine::renderRampingChunk (const Block& block, int start, int count, OutputSums& sums) noexcept
{
    auto& frequency = ramps[rangeParameter];
    auto& resonance = ramps[biteParameter];
    const bool frequencyMoves = ! frequency.isIdle();
    const bool resonanceMoves = ! resonance.isIdle();

    if (! frequencyMoves)
        design.update (frequency.target, resonance.target);

    RampingControls controls;
    ramps[amountParameter].fill (controls.drive, count);
    resonance.fill (controls.resonanceQ, count);
    frequency.fill (controls.crossoverHz, count);
    ramps[outputGainParameter].fill (controls.gain, count);
    ramps[bypassParameter].fill (controls.mix, count);
    controls.designFilters (count, frequencyMoves, resonanceMoves, design);

    renderChunk (block, start, count, controls, sums);
}

// The chunk goes through the signal path stage by stage, each stage over all
// its samples before the next begins. Within a sample the path is long (two
// sections, the shaper's polynomial sine, the resonant low-pass, the DC
// blocker); stage by stage, the processor overlaps successive samples instead
// of waiting on that chain. Each sample still sees exactly the operations of
// the recipe.
template <typename Controls>
void TavikEngine::renderChunk (const Block& block, int start, int count, const Controls& controls, OutputSums& sums) noexcept
{
    // Four lanes per sample, a whole number of four-sample groups.
    alignas (16) float io[4 * chunkLength];          // the input, then the output in its place
    alignas (16) float lowBand[4 * chunkLength], highBand[4 * chunkLength];
    alignas (16) float shaped[4 * chunkLength];      // the shaper's output, then the resonant low-pass output
    alignas (16) float modulatorPoints[chunkLength], lowBandPoints[chunkLength];

    const int groups = (count + 3) / 4;
    std::fill (io, io + 16 * groups, 0.0f);
    for (int c = 0; c < block.numIn; ++c)
        for (int i = 0; i < count; ++i)
            io[4 * i + c] = block.channels[c][start + i];

    auto state = filters;

    for (int i = 0; i < count; ++i)
    {
        Float4 low, high;
        state.splitBands (Float4::load (io + 4 * i), controls.at (i).crossover, low, high);
        low.store (lowBand + 4 * i);
        high.store (highBand + 4 * i);
    }

    shape (controls, lowBand, count, shaped);

    for (int i = 0; i < count; ++i)
    {
        const auto& now = controls.at (i);
        const Float4 low = Float4::load (lowBand + 4 * i);
        const Float4 high = Float4::load (highBand + 4 * i);
        const Float4 y = state.resonant.process (Float4::load (shaped + 4 * i), now.resonant);

        Float4 wet = (Float4 (1.0f) - y) * low + high;
        wet = now.gain * wet;
        const Float4 processed = state.dcBlocker.process (wet);
        const Float4 dry = low + high;
        (now.mix * dry + now.processedMix * processed).store (io + 4 * i);
        y.store (shaped + 4 * i);
    }

    filters = state;

    std::fill (lowBand + 4 * count, lowBand + 16 * groups, 0.0f);
    std::fill (shaped + 4 * count, shaped + 16 * groups, 0.0f);
    channelMeans (shaped, groups, block.numIn, modulatorPoints);
    channelMeans (lowBand, groups, block.numIn, lowBandPoints);

    DisplayFeed::Writer modulator (modulatorFeed), lowBandWriter (lowBandFeed);
    auto totals = sums;

    for (int i = 0; i < count; ++i)
    {
        modulator.push (modulatorPoints[i]);
        lowBandWriter.push (lowBandPoints[i]);

        for (int c = 0; c < block.numOut; ++c)
        {
            const float x = io[4 * i + c];
            block.channels[c][start + i] = x;
            totals.add (x);
        }
    }

    sums = totals;
}

} // namespace tavik
