#include "DemoSignal.h"

#include <cmath>

namespace
{
    constexpr double tempo = 112.0;
    constexpr int bars = 4;

    // One note of the bass line: MIDI note number per eighth note.
    constexpr int bassLine[16] = { 28, 28, 40, 28, 31, 31, 33, 35,
                                   28, 28, 40, 28, 26, 26, 31, 33 };

    double midiToHz (int note) { return 440.0 * std::pow (2.0, (note - 69) / 12.0); }
}

juce::AudioBuffer<float> makeDemoSignal (double sampleRate)
{
    const double beat = 60.0 / tempo;
    const double eighth = beat / 2.0;
    const int length = (int) std::ceil (bars * 4 * beat * sampleRate);

    juce::AudioBuffer<float> buffer (2, length);
    buffer.clear();

    juce::Random noise (0x7a1c);
    double bassPhase = 0.0, kickPhase = 0.0;
    float hatState = 0.0f;

    for (int i = 0; i < length; ++i)
    {
        const double t = i / sampleRate;

        // Bass: a rounded saw with a plucked envelope, one note per eighth.
        const int step = (int) (t / eighth);
        const double noteTime = t - step * eighth;
        const double hz = midiToHz (bassLine[step % 16]);
        bassPhase = std::fmod (bassPhase + hz / sampleRate, 1.0);
        const double saw = 2.0 * bassPhase - 1.0;
        const double rounded = 0.6 * std::sin (2.0 * juce::MathConstants<double>::pi * bassPhase) + 0.25 * saw;
        const double bassEnvelope = std::exp (-noteTime * 5.0) * std::min (1.0, noteTime * 400.0);
        const double bass = 0.4 * rounded * bassEnvelope;

        // Kick on every beat: a falling sine with a fast decay.
        const double beatTime = std::fmod (t, beat);
        const double kickHz = 45.0 + 110.0 * std::exp (-beatTime * 30.0);
        kickPhase = std::fmod (kickPhase + kickHz / sampleRate, 1.0);
        const double kick = 0.5 * std::sin (2.0 * juce::MathConstants<double>::pi * kickPhase) * std::exp (-beatTime * 9.0);

        // Hi-hat on the off-beats: high-passed noise with a short decay.
        const double offBeatTime = std::fmod (t + eighth, beat);
        const float white = noise.nextFloat() * 2.0f - 1.0f;
        const float highPassed = white - hatState;
        hatState = white;
        const double hat = 0.12 * highPassed * std::exp (-offBeatTime * 60.0);

        const double mono = bass + kick;
        buffer.setSample (0, i, (float) (mono + hat * 0.8));
        buffer.setSample (1, i, (float) (mono + hat * 1.2));
    }

    return buffer;
}
