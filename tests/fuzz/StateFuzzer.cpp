// Arbitrary bytes as a saved state, then audio: loading never crashes, and the
// effect keeps producing finite output from finite input.

#include "FuzzInvariants.h"

extern "C" int LLVMFuzzerTestOneInput (const uint8_t* data, size_t size)
{
    TavikAudioProcessor processor;
    processor.prepareToPlay (48000.0, 256);
    processor.setStateInformation (data, (int) size);

    juce::MemoryBlock saved;
    processor.getStateInformation (saved);
    fuzz::require (saved.getSize() == 20, "a saved state is 20 bytes");

    juce::AudioBuffer<float> buffer (2, 256);
    juce::MidiBuffer midi;
    for (int block = 0; block < 4; ++block)
    {
        for (int c = 0; c < 2; ++c)
            for (int i = 0; i < 256; ++i)
                buffer.setSample (c, i, 0.8f * std::sin (0.01f * (float) (block * 256 + i) * (float) (c + 1)));

        processor.processBlock (buffer, midi);
        fuzz::require (tavik::test::allFinite (buffer, 2, 256), "finite output from finite input");
        fuzz::requireFiniteMeters (processor);
        fuzz::takeFrames (processor);
    }
    return 0;
}
