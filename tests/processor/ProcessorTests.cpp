#include "TavikAudioProcessor.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

namespace
{
    std::vector<float> parameterValues (TavikAudioProcessor& p)
    {
        std::vector<float> values;
        for (int i = 0; i < 5; ++i)
            values.push_back (p.parameterAt (i).getValue());
        return values;
    }

    juce::MemoryBlock stateOf (TavikAudioProcessor& p)
    {
        juce::MemoryBlock block;
        p.getStateInformation (block);
        return block;
    }

    juce::MemoryBlock blobOf (std::initializer_list<float> values)
    {
        juce::MemoryOutputStream out;
        for (float v : values)
            out.writeFloat (v);
        return out.getMemoryBlock();
    }
}

TEST (Processor, HostSeesTheFiveParametersAsDeclared)
{
    TavikAudioProcessor p;
    const auto& parameters = p.getParameters();
    ASSERT_EQ (parameters.size(), 5);

    struct Expected { const char* id; const char* name; float defaultValue; };
    const Expected expected[] = { { "0Level", "Tavik", 0.3f },
                                  { "1Bite", "Bite", 0.3333f },
                                  { "2Range", "Range Hz", 0.4f },
                                  { "3Output Gain", "Output Gain", 1.0f },
                                  { "4Bypass", "Bypass", 0.0f } };

    for (int i = 0; i < 5; ++i)
    {
        auto* parameter = dynamic_cast<juce::AudioParameterFloat*> (parameters[i]);
        ASSERT_NE (parameter, nullptr);
        EXPECT_EQ (parameter->getParameterID(), expected[i].id);
        EXPECT_EQ (parameter->getName (100), expected[i].name);
        EXPECT_EQ (parameter->getLabel(), "");
        EXPECT_EQ (parameters[i]->getDefaultValue(), expected[i].defaultValue);
        EXPECT_EQ (parameters[i]->getValue(), expected[i].defaultValue);
        EXPECT_EQ (parameter->range.start, 0.0f);
        EXPECT_EQ (parameter->range.end, 1.0f);
        EXPECT_EQ (parameter->range.interval, 0.0f);
        EXPECT_EQ (parameter->range.skew, 1.0f);
        EXPECT_TRUE (parameter->isAutomatable());
        EXPECT_FALSE (parameter->isMetaParameter());
        EXPECT_EQ (parameter->getVersionHint(), 0);
    }

    EXPECT_EQ (parameters[0]->getText (0.3f, 100), "0.3000000");
    EXPECT_EQ (parameters[0]->getValueForText ("0.75"), 0.75f);
}

TEST (Processor, IdentityProgramsAndMidi)
{
    TavikAudioProcessor p;
    EXPECT_EQ (p.getName(), "Tavik");
    EXPECT_EQ (p.getNumPrograms(), 1);
    EXPECT_EQ (p.getCurrentProgram(), 0);
    EXPECT_EQ (p.getProgramName (0), "");
    EXPECT_EQ (p.getProgramName (7), "");
    EXPECT_FALSE (p.acceptsMidi());
    EXPECT_FALSE (p.producesMidi());
    EXPECT_FALSE (p.isMidiEffect());
    EXPECT_EQ (p.getTailLengthSeconds(), 0.0);
    EXPECT_TRUE (p.hasEditor());
    EXPECT_EQ (p.getBus (true, 0)->getName(), "Input");
    EXPECT_EQ (p.getBus (false, 0)->getName(), "Output");
    EXPECT_EQ (p.getMainBusNumInputChannels(), 2);
}

TEST (Processor, AcceptsOnlyMatchingMonoOrStereoLayouts)
{
    using Set = juce::AudioChannelSet;
    struct Case { Set in, out; bool accepted; };
    const Case cases[] = { { Set::mono(), Set::mono(), true },
                           { Set::stereo(), Set::stereo(), true },
                           { Set::mono(), Set::stereo(), false },
                           { Set::stereo(), Set::mono(), false },
                           { Set::create5point1(), Set::create5point1(), false },
                           { Set::disabled(), Set::stereo(), false },
                           { Set::disabled(), Set::disabled(), false } };

    TavikAudioProcessor p;
    for (const auto& c : cases)
    {
        juce::AudioProcessor::BusesLayout layout;
        layout.inputBuses.add (c.in);
        layout.outputBuses.add (c.out);
        EXPECT_EQ (p.checkBusesLayoutSupported (layout), c.accepted)
            << c.in.getDescription() << " -> " << c.out.getDescription();
    }
}

TEST (ProcessorState, FreshProcessorSavesTheDefaultsAsTwentyLittleEndianBytes)
{
    TavikAudioProcessor p;
    const auto state = stateOf (p);
    ASSERT_EQ (state.getSize(), 20u);
    EXPECT_EQ (state, blobOf ({ 0.3f, 0.3333f, 0.4f, 1.0f, 0.0f }));

    p.parameterAt (4).setValueNotifyingHost (1.0f);
    const auto bypassed = stateOf (p);
    const unsigned char expected[] = { 0x00, 0x00, 0x80, 0x3f };
    EXPECT_EQ (std::memcmp (static_cast<const char*> (bypassed.getData()) + 16, expected, 4), 0);
}

TEST (ProcessorState, SavingAppendsToWhatTheBlockHolds)
{
    TavikAudioProcessor p;
    juce::MemoryBlock block ("abcdefgh", 8);
    p.getStateInformation (block);
    ASSERT_EQ (block.getSize(), 28u);
    EXPECT_EQ (std::memcmp (block.getData(), "abcdefgh", 8), 0);
}

TEST (ProcessorState, RoundTripRestoresEveryValueAndProcessesWithoutAGlide)
{
    TavikAudioProcessor source;
    const float values[] = { 0.9f, 0.7f, 0.1f, 0.5f, 1.0f };
    for (int i = 0; i < 5; ++i)
        source.parameterAt (i).setValueNotifyingHost (values[i]);

    TavikAudioProcessor target;
    target.prepareToPlay (48000.0, 256);
    const auto state = stateOf (source);
    target.setStateInformation (state.getData(), (int) state.getSize());
    EXPECT_EQ (parameterValues (target), parameterValues (source));

    juce::AudioBuffer<float> buffer (2, 256);
    buffer.clear();
    juce::MidiBuffer midi;
    target.processBlock (buffer, midi);
    for (int i = 0; i < 5; ++i)
    {
        EXPECT_TRUE (target.getEngine().getRamp (i).isIdle()) << i;
        EXPECT_EQ (target.getEngine().getRamp (i).step, 0.0f) << i;
    }
    EXPECT_EQ (target.getEngine().getRamp (0).current, 25.0f * std::pow (0.9f, 1.5f));
}

TEST (ProcessorState, ShortLongEmptyAndDamagedBlobs)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    const auto full = blobOf ({ 0.1f, 0.2f, 0.3f, 0.4f, 0.6f });

    struct Case
    {
        const char* what;
        juce::MemoryBlock blob;
        std::vector<float> expected;
    };

    const std::vector<float> defaults { 0.3f, 0.3333f, 0.4f, 1.0f, 0.0f };
    juce::MemoryBlock thirteen (full.getData(), 13);
    juce::MemoryBlock longer (full);
    longer.append ("\x01\x02\x03\x04\x05\x06", 6);

    const Case cases[] = {
        { "empty", {}, defaults },
        { "12 bytes", juce::MemoryBlock (full.getData(), 12), { 0.1f, 0.2f, 0.3f, 1.0f, 0.0f } },
        { "13 bytes", thirteen, { 0.1f, 0.2f, 0.3f, 0.0f, 0.0f } },
        { "long", longer, { 0.1f, 0.2f, 0.3f, 0.4f, 0.6f } },
        { "not finite", blobOf ({ nan, 0.2f, inf, -inf, 0.6f }), { 0.3f, 0.2f, 0.4f, 1.0f, 0.6f } },
        { "out of range", blobOf ({ -3.0f, 7.0f, 0.5f, 0.5f, 0.5f }), { 0.0f, 1.0f, 0.5f, 0.5f, 0.5f } },
    };

    for (const auto& c : cases)
    {
        TavikAudioProcessor p;
        p.setStateInformation (c.blob.getData(), (int) c.blob.getSize());
        EXPECT_EQ (parameterValues (p), c.expected) << c.what;
    }

    TavikAudioProcessor p;
    p.setStateInformation (nullptr, 20);
    p.setStateInformation (full.getData(), -5);
    EXPECT_EQ (parameterValues (p), defaults);
}

TEST (ProcessorAudio, ProcessesInPlaceAndClearsChannelsBeyondTheLayout)
{
    TavikAudioProcessor p;
    p.prepareToPlay (44100.0, 128);
    juce::AudioBuffer<float> buffer (3, 128);
    for (int c = 0; c < 3; ++c)
        for (int i = 0; i < 128; ++i)
            buffer.setSample (c, i, std::sin ((float) i * 0.05f));

    juce::MidiBuffer midi;
    p.processBlock (buffer, midi);
    EXPECT_GT (buffer.getMagnitude (0, 0, 128), 0.0f);
    EXPECT_EQ (buffer.getMagnitude (2, 0, 128), 0.0f);

    juce::AudioBuffer<float> empty (2, 0);
    p.processBlock (empty, midi);
    EXPECT_EQ (p.getMeters().outputPeak.load(), 0.0f);
    EXPECT_EQ (p.getMeters().outputLevel.load(), 0.0f);
}

TEST (ProcessorAudio, NotANumberParameterIsReadAsItsDefault)
{
    TavikAudioProcessor p;
    p.prepareToPlay (44100.0, 64);
    p.parameterAt (2).setValueNotifyingHost (std::numeric_limits<float>::quiet_NaN());
    juce::AudioBuffer<float> buffer (2, 64);
    buffer.clear();
    juce::MidiBuffer midi;
    p.processBlock (buffer, midi);
    EXPECT_EQ (p.getEngine().getRamp (2).target, tavik::crossoverHzFromNormalised (0.4f));
}
