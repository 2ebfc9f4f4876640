#include "ParameterText.h"

#include "ParameterMapping.h"

#include <cmath>

namespace
{
    juce::String wholeNumber (float x) { return juce::String ((double) std::round (x), 0); }
}

juce::String parameterText (int tag, float v)
{
    switch (tag)
    {
        case tavik::amountParameter:
            return wholeNumber (100.0f * v);

        case tavik::rangeParameter:
            return wholeNumber (900.0f * v + 100.0f) + " Hz";

        case tavik::outputGainParameter:
        {
            const float decibels = 20.0f * std::log10 (v);
            if (v <= 0.00001f || decibels <= -100.0f || std::isnan (decibels))
                return "-inf dB";
            return juce::String ((double) decibels, decibels > -10.0f ? 2 : 1) + " dB";
        }

        default:
            return wholeNumber (100.0f * v) + "%";
    }
}
