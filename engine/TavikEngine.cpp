#include "TavikEngine.h"

#include "DenormalGuard.h"

#include <algorithm>
#include <chrono>
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

    float finiteOrZero (float x) noexcept { return std::isfinite (x) ? x : 0.0f; }

    bool isFinite (Float4 v) noexcept
    {
        float lanes[4];
        v.store (lanes);
        return std::isfinite (lanes[0]) && std::isfinite (lanes[1]) && std::isfinite (lanes[2]) && std::isfinite (lanes[3]);
    }

    int64_t steadyNanoseconds() noexcept
    {
        return std::chrono::duration_cast<std::chrono::nanoseconds> (
                   std::chrono::steady_clock::now().time_since_epoch()).count();
    }
}

TavikEngine::TavikEngine()
{
    for (int i = 0; i < numParameters; ++i)
        ramps[(size_t) i].reset (mappedValue (i, normalisedDefault (i)));
}

void TavikEngine::prepare (double hostSampleRate, const NormalisedParameters& parameters) noexcept
{
    const double effective = std::isfinite (hostSampleRate) ? std::max (44100.0, hostSampleRate) : 44100.0;
    sampleRate = static_cast<float> (effective);

    modulatorFeed.setRatio (44100.0f / sampleRate);
    lowBandFeed.setRatio (44100.0f / sampleRate);

    clearFilters();
    lowPassCascade.setSampleRate (sampleRate);
    highPassCascade.setSampleRate (sampleRate);
    resonantLowPass.setSampleRate (sampleRate);

    updateParameterTargets (parameters, 0);
    snapRamps();
    snapRequested.store (false, std::memory_order_relaxed);

    dcBlocker.design (sampleRate);
}

void TavikEngine::updateParameterTargets (const NormalisedParameters& parameters, int numSamples) noexcept
{
    for (int i = 0; i < numParameters; ++i)
        ramps[(size_t) i].start (mappedValue (i, sanitisedParameter (i, parameters[(size_t) i])), numSamples);
}

void TavikEngine::snapRamps() noexcept
{
    for (auto& r : ramps)
        r.snap();
}

void TavikEngine::clearFilters() noexcept
{
    lowPassCascade.clear();
    highPassCascade.clear();
    resonantLowPass.clear();
    dcBlocker.clear();
}

bool TavikEngine::filterStateIsFinite() const noexcept
{
    for (const auto* cascade : { &lowPassCascade, &highPassCascade })
        for (const auto& s : cascade->sections)
            if (! isFinite (s.w1) || ! isFinite (s.w2))
                return false;

    return isFinite (resonantLowPass.s1) && isFinite (resonantLowPass.s2)
        && isFinite (dcBlocker.s1) && isFinite (dcBlocker.s2);
}

void TavikEngine::process (float* const* channels, int numIn, int numOut, int numSamples,
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

    auto& drive = ramps[amountParameter];
    auto& resonanceQ = ramps[biteParameter];
    auto& crossoverHz = ramps[rangeParameter];
    auto& outputGain = ramps[outputGainParameter];
    auto& bypassMix = ramps[bypassParameter];

    const float inputCount = static_cast<float> (numIn);
    float peak = 0.0f;
    float sum = 0.0f;
    float inLanes[4] = { 0.0f, 0.0f, 0.0f, 0.0f };
    float outLanes[4];

    modulatorFeed.beginBlock();
    lowBandFeed.beginBlock();

    for (int i = 0; i < numSamples; ++i)
    {
        const float d = drive.next();
        const float q = resonanceQ.next();
        const float f = crossoverHz.next();
        const float g = outputGain.next();
        const float b = bypassMix.next();

        for (int c = 0; c < numIn; ++c)
            inLanes[c] = channels[c][i];

        const Float4 in = Float4::load (inLanes);
        const Float4 frequency (f);

        lowPassCascade.design (frequency);
        highPassCascade.design (frequency);
        const Float4 low = lowPassCascade.process (in);
        const Float4 high = highPassCascade.process (in);

        resonantLowPass.design (frequency, q);
        const Float4 s = sinCos4 (Float4 (d) * low).sine;
        const Float4 y = resonantLowPass.process (s);

        modulatorFeed.push (finiteOrZero (y.sumOfLanes() / inputCount));
        lowBandFeed.push (finiteOrZero (low.sumOfLanes() / inputCount));

        Float4 wet = (Float4 (1.0f) - y) * low + high;
        wet = Float4 (g) * wet;
        const Float4 processed = dcBlocker.process (wet);
        const Float4 dry = low + high;
        const Float4 out = Float4 (b) * dry + Float4 (1.0f - b) * processed;

        out.store (outLanes);
        for (int c = 0; c < numOut; ++c)
        {
            channels[c][i] = outLanes[c];
            const float a = std::abs (outLanes[c]);
            if (a >= peak)
                peak = a;
            sum = sum + a;
        }
    }

    // A non-finite or overflowing sample damages only the block it arrives in:
    // that block is silenced and the filters start again from rest.
    if (! std::isfinite (sum) || ! filterStateIsFinite())
    {
        clearFilters();
        for (int c = 0; c < numOut; ++c)
            std::fill (channels[c], channels[c] + numSamples, 0.0f);
        peak = 0.0f;
        sum = 0.0f;
    }

    lowBandFeed.endBlock();
    modulatorFeed.endBlock();

    const float level = (numSamples > 0 && numOut > 0)
                            ? (sum / static_cast<float> (numSamples)) / static_cast<float> (numOut)
                            : 0.0f;
    meters.outputPeak.store (peak, std::memory_order_relaxed);
    meters.outputLevel.store (level, std::memory_order_relaxed);
}

} // namespace tavik
