#include "EngineCore.h"

#include "DenormalGuard.h"

#include <algorithm>
#include <cmath>

namespace tavik
{

namespace
{
    float mappedValue (int index, float v) noexcept
    {
        switch (index)
        {
            case amountParameter:      return driveFromNormalised (v);
            case biteParameter:        return resonanceQFromNormalised (v);
            case rangeParameter:       return crossoverHzFromNormalised (v);
            case outputGainParameter:  return outputGainFromNormalised (v);
            default:                   return bypassMixFromNormalised (v);
        }
    }
}

EngineCore::EngineCore()
{
    for (int i = 0; i < numParameters; ++i)
        ramps[(size_t) i].reset (mappedValue (i, normalisedDefault (i)));
}

void EngineCore::prepare (double hostSampleRate, const NormalisedParameters& parameters) noexcept
{
    const double effective = std::isfinite (hostSampleRate) ? std::max (44100.0, hostSampleRate) : 44100.0;
    sampleRate = static_cast<float> (effective);

    modulatorFeed.setRatio (44100.0f / sampleRate);
    lowBandFeed.setRatio (44100.0f / sampleRate);

    updateParameterTargets (parameters, 0);
    snapRamps();
    snapRequested.store (false, std::memory_order_relaxed);

    resetFilters (sampleRate);
}

void EngineCore::updateParameterTargets (const NormalisedParameters& parameters, int numSamples) noexcept
{
    for (int i = 0; i < numParameters; ++i)
        ramps[(size_t) i].start (mappedValue (i, sanitisedParameter (i, parameters[(size_t) i])), numSamples);
}

void EngineCore::snapRamps() noexcept
{
    for (auto& r : ramps)
        r.snap();
}

void EngineCore::process (float* const* channels, int numIn, int numOut, int numSamples,
                          const NormalisedParameters& parameters) noexcept
{
    meters.lastProcessTime.store (steadyNanoseconds(), std::memory_order_relaxed);
    meters.hasProcessed.store (true, std::memory_order_release);

    DenormalGuard denormalGuard;

    numIn = std::clamp (numIn, 0, maxChannels);
    numOut = std::clamp (numOut, 0, maxChannels);
    numSamples = std::max (numSamples, 0);

    for (int c = numIn; c < numOut; ++c)
        std::fill (channels[c], channels[c] + numSamples, 0.0f);

    updateParameterTargets (parameters, numSamples);

    if (snapRequested.exchange (false, std::memory_order_acq_rel))
        snapRamps();

    modulatorFeed.beginBlock();
    lowBandFeed.beginBlock();

    OutputSums sums;
    render ({ channels, numIn, numOut, numSamples }, sums);

    // A non-finite or overflowing sample damages only the block it arrives in:
    // that block is silenced and the filters start again from rest.
    if (! std::isfinite (sums.sum) || ! filterStateIsFinite())
    {
        clearFilterState();
        for (int c = 0; c < numOut; ++c)
            std::fill (channels[c], channels[c] + numSamples, 0.0f);
        sums = {};
    }

    lowBandFeed.endBlock();
    modulatorFeed.endBlock();

    const float level = (numSamples > 0 && numOut > 0)
                            ? (sums.sum / static_cast<float> (numSamples)) / static_cast<float> (numOut)
                            : 0.0f;
    meters.outputPeak.store (sums.peak, std::memory_order_relaxed);
    meters.outputLevel.store (level, std::memory_order_relaxed);
}

} // namespace tavik
