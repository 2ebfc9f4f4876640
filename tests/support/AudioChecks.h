#pragma once

#include <juce_audio_basics/juce_audio_basics.h>

#include <cmath>

namespace tavik::test
{

// True when every sample of the first `channels` channels and `samples`
// samples is a finite number (the whole buffer by default).
inline bool allFinite (const juce::AudioBuffer<float>& buffer, int channels = -1, int samples = -1)
{
    channels = channels < 0 ? buffer.getNumChannels() : channels;
    samples = samples < 0 ? buffer.getNumSamples() : samples;
    for (int c = 0; c < channels; ++c)
        for (int i = 0; i < samples; ++i)
            if (! std::isfinite (buffer.getSample (c, i)))
                return false;
    return true;
}

} // namespace tavik::test
