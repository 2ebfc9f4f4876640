#pragma once

#include <juce_audio_basics/juce_audio_basics.h>

// A few seconds of a synthesised stereo bass line with kick and hi-hat
// transients, for rendering the effect without an input file.
juce::AudioBuffer<float> makeDemoSignal (double sampleRate);

inline constexpr double demoSampleRate = 44100.0;
