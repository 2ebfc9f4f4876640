#include "ReferenceEngine.h"

namespace tavik
{

void ReferenceEngine::resetFilters (float rate) noexcept
{
    clearFilterState();
    lowPassCascade.setSampleRate (rate);
    highPassCascade.setSampleRate (rate);
    resonantLowPass.setSampleRate (rate);
    dcBlocker.design (rate);
}

void ReferenceEngine::clearFilterState() noexcept
{
    lowPassCascade.clear();
    highPassCascade.clear();
    resonantLowPass.clear();
    dcBlocker.clear();
}

bool ReferenceEngine::filterStateIsFinite() const noexcept
{
    for (const auto* cascade : { &lowPassCascade, &highPassCascade })
        for (const auto& s : cascade->sections)
            if (! allLanesFinite (s.w1) || ! allLanesFinite (s.w2))
                return false;

    return allLanesFinite (resonantLowPass.s1) && allLanesFinite (resonantLowPass.s2)
        && allLanesFinite (dcBlocker.s1) && allLanesFinite (dcBlocker.s2);
}

void ReferenceEngine::render (const Block& block, OutputSums& sums) noexcept
{
    auto& drive = ramps[amountParameter];
    auto& resonanceQ = ramps[biteParameter];
    auto& crossoverHz = ramps[rangeParameter];
    auto& outputGain = ramps[outputGainParameter];
    auto& bypassMix = ramps[bypassParameter];

    const float inputCount = static_cast<float> (block.numIn);
    float inLanes[4] = { 0.0f, 0.0f, 0.0f, 0.0f };
    float outLanes[4];
    DisplayFeed::Writer modulatorPoints (modulatorFeed), lowBandPoints (lowBandFeed);

    for (int i = 0; i < block.numSamples; ++i)
    {
        const float d = drive.next();
        const float q = resonanceQ.next();
        const float f = crossoverHz.next();
        const float g = outputGain.next();
        const float b = bypassMix.next();

        for (int c = 0; c < block.numIn; ++c)
            inLanes[c] = block.channels[c][i];

        const Float4 in = Float4::load (inLanes);
        const Float4 frequency (f);

        lowPassCascade.design (frequency);
        highPassCascade.design (frequency);
        const Float4 low = lowPassCascade.process (in);
        const Float4 high = highPassCascade.process (in);

        resonantLowPass.design (frequency, q);
        const Float4 s = sinCos4 (Float4 (d) * low).sine;
        const Float4 y = resonantLowPass.process (s);

        modulatorPoints.pushComputingWindow (channelMean (y.sumOfLanes(), inputCount));
        lowBandPoints.pushComputingWindow (channelMean (low.sumOfLanes(), inputCount));

        Float4 wet = (Float4 (1.0f) - y) * low + high;
        wet = Float4 (g) * wet;
        const Float4 processed = dcBlocker.process (wet);
        const Float4 dry = low + high;
        const Float4 out = Float4 (b) * dry + Float4 (1.0f - b) * processed;

        out.store (outLanes);
        for (int c = 0; c < block.numOut; ++c)
        {
            block.channels[c][i] = outLanes[c];
            sums.add (outLanes[c]);
        }
    }
}

} // namespace tavik
