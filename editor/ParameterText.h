#pragma once

#include <juce_core/juce_core.h>

// The text a value readout shows for a parameter's normalised value:
// "30" for the main amount, "550 Hz" for the range, "-6.02 dB" for the
// output gain and "33%" for the others.
juce::String parameterText (int tag, float value);
