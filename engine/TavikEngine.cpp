#include "TavikEngine.h"

#include <algorithm>

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

template <typename Controls>
void TavikEngine::renderChunk (const Block& block, int start, int count, const Controls& controls, OutputSums& sums) noexcept
{
    // Four lanes per sample: the input, then the output in its place.
    alignas (16) float lanes[4 * chunkLength];
    float modulatorPoints[chunkLength], lowBandPoints[chunkLength];

    std::fill (lanes, lanes + 4 * count, 0.0f);
    for (int c = 0; c < block.numIn; ++c)
        for (int i = 0; i < count; ++i)
            lanes[4 * i + c] = block.channels[c][start + i];

    const float inputCount = static_cast<float> (block.numIn);
    auto state = filters;

    for (int i = 0; i < count; ++i)
    {
        const auto& now = controls.at (i);

        Float4 low, high;
        state.splitBands (Float4::load (lanes + 4 * i), now.crossover, low, high);

        const Float4 s = sinCos4 (now.drive * low).sine;
        const Float4 y = state.resonant.process (s, now.resonant);

        modulatorPoints[i] = channelMean (y.sumOfLanes(), inputCount);
        lowBandPoints[i] = channelMean (low.sumOfLanes(), inputCount);

        Float4 wet = (Float4 (1.0f) - y) * low + high;
        wet = now.gain * wet;
        const Float4 processed = state.dcBlocker.process (wet);
        const Float4 dry = low + high;
        (now.mix * dry + now.processedMix * processed).store (lanes + 4 * i);
    }

    filters = state;

    for (int i = 0; i < count; ++i)
        modulatorFeed.push (modulatorPoints[i]);
    for (int i = 0; i < count; ++i)
        lowBandFeed.push (lowBandPoints[i]);

    for (int i = 0; i < count; ++i)
    {
        for (int c = 0; c < block.numOut; ++c)
        {
            const float x = lanes[4 * i + c];
            block.channels[c][start + i] = x;
            sums.add (x);
        }
    }
}

} // namespace tavik
