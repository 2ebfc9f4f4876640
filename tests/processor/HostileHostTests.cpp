// Calls a careless or hostile host may make, each with a defined result.

#include "AudioChecks.h"
#include "TavikAudioProcessor.h"

#include <gtest/gtest.h>

#include <cmath>

using tavik::test::allFinite;

namespace
{
    void fillSine (juce::AudioBuffer<float>& buffer, float step = 0.03f)
    {
        for (int c = 0; c < buffer.getNumChannels(); ++c)
            for (int i = 0; i < buffer.getNumSamples(); ++i)
                buffer.setSample (c, i, 0.5f * std::sin ((float) i * step));
    }

    juce::AudioProcessor::BusesLayout layoutOf (const juce::AudioChannelSet& set)
    {
        juce::AudioProcessor::BusesLayout layout;
        layout.inputBuses.add (set);
        layout.outputBuses.add (set);
        return layout;
    }

    juce::MidiBuffer midi;
}

// Before preparation the DC blocker is not designed yet, so the processed
// path is silent; with bypass on, the band sum still passes.
TEST (HostileHost, ProcessingBeforePrepareIsSilentUnlessBypassed)
{
    TavikAudioProcessor p;
    juce::AudioBuffer<float> buffer (2, 256);
    fillSine (buffer);
    p.processBlock (buffer, midi);
    EXPECT_EQ (buffer.getMagnitude (0, 256), 0.0f);

    TavikAudioProcessor bypassed;
    bypassed.parameterAt (4).setValueNotifyingHost (1.0f);
    fillSine (buffer);
    bypassed.processBlock (buffer, midi);
    EXPECT_GT (buffer.getMagnitude (0, 256), 0.1f);
    EXPECT_TRUE (allFinite (buffer));
}

TEST (HostileHost, BlocksLargerThanAnnouncedAreProcessedWhole)
{
    TavikAudioProcessor announced, huge;
    announced.prepareToPlay (44100.0, 32);
    huge.prepareToPlay (44100.0, 32);

    juce::AudioBuffer<float> big (2, 8192), small (2, 8192);
    fillSine (big);
    small.makeCopyOf (big);
    huge.processBlock (big, midi);

    for (int start = 0; start < 8192; start += 32)
    {
        juce::AudioBuffer<float> slice (small.getArrayOfWritePointers(), 2, start, 32);
        announced.processBlock (slice, midi);
    }

    // Same filters, same static parameters: the block size does not matter.
    for (int i = 0; i < 8192; ++i)
        ASSERT_EQ (big.getSample (0, i), small.getSample (0, i)) << i;
}

TEST (HostileHost, RepeatedPreparationAtChangingRatesClearsState)
{
    TavikAudioProcessor p, fresh;
    juce::AudioBuffer<float> buffer (2, 512), reference (2, 512);

    for (double rate : { 96000.0, 8000.0, 192000.0, 44100.0, 768000.0, 48000.0 })
    {
        p.prepareToPlay (rate, 512);
        fillSine (buffer);
        p.processBlock (buffer, midi);
        ASSERT_TRUE (allFinite (buffer)) << rate;
    }

    p.prepareToPlay (48000.0, 512);
    fresh.prepareToPlay (48000.0, 512);
    fillSine (buffer);
    fillSine (reference);
    p.processBlock (buffer, midi);
    fresh.processBlock (reference, midi);
    for (int i = 0; i < 512; ++i)
        ASSERT_EQ (buffer.getSample (1, i), reference.getSample (1, i));
}

TEST (HostileHost, LayoutChangeBetweenBlocks)
{
    TavikAudioProcessor p;
    p.prepareToPlay (44100.0, 256);

    juce::AudioBuffer<float> stereo (2, 256);
    fillSine (stereo);
    p.processBlock (stereo, midi);

    ASSERT_TRUE (p.setBusesLayout (layoutOf (juce::AudioChannelSet::mono())));
    juce::AudioBuffer<float> mono (1, 256);
    fillSine (mono);
    p.processBlock (mono, midi);
    EXPECT_TRUE (allFinite (mono));
    EXPECT_GT (mono.getMagnitude (0, 256), 0.0f);

    // An unsupported layout is refused and the processor keeps its mono layout.
    EXPECT_FALSE (p.setBusesLayout (layoutOf (juce::AudioChannelSet::create5point1())));
    EXPECT_EQ (p.getTotalNumInputChannels(), 1);

    // A stereo buffer given to the mono layout: only channel 0 is processed,
    // the rest is cleared.
    fillSine (stereo);
    p.processBlock (stereo, midi);
    EXPECT_GT (stereo.getMagnitude (0, 0, 256), 0.0f);
    EXPECT_EQ (stereo.getMagnitude (1, 0, 256), 0.0f);
}

TEST (HostileHost, BuffersWithMoreOrFewerChannelsThanTheLayout)
{
    TavikAudioProcessor p;
    p.prepareToPlay (44100.0, 128);

    juce::AudioBuffer<float> wide (8, 128);
    fillSine (wide);
    p.processBlock (wide, midi);
    EXPECT_TRUE (allFinite (wide));
    for (int c = 2; c < 8; ++c)
        EXPECT_EQ (wide.getMagnitude (c, 0, 128), 0.0f) << c;

    juce::AudioBuffer<float> narrow (1, 128);
    fillSine (narrow);
    p.processBlock (narrow, midi);
    EXPECT_TRUE (allFinite (narrow));

    juce::AudioBuffer<float> none (0, 128);
    p.processBlock (none, midi);
    EXPECT_EQ (p.getMeters().outputLevel.load(), 0.0f);
}

TEST (HostileHost, ParameterValuesOutsideTheRangeAreClampedByTheParameter)
{
    TavikAudioProcessor p;
    p.prepareToPlay (44100.0, 64);
    for (int i = 0; i < 5; ++i)
        p.parameterAt (i).setValueNotifyingHost (i % 2 == 0 ? 1.0e9f : -1.0e9f);

    juce::AudioBuffer<float> buffer (2, 64);
    fillSine (buffer);
    p.processBlock (buffer, midi);
    EXPECT_TRUE (allFinite (buffer));
    EXPECT_EQ (p.parameterAt (0).getValue(), 1.0f);
    EXPECT_EQ (p.parameterAt (1).getValue(), 0.0f);
}
