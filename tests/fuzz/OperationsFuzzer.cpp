// Drives the processor with an arbitrary sequence of host operations decoded
// from the input: preparation at any rate, blocks of any size with hostile
// samples, parameter writes of any float, layout changes, state loads and
// releases. Checks that nothing crashes, that finite input always gives finite
// output, and that damage from bad samples never outlives its block.

#include "FuzzInvariants.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <limits>

namespace
{
    enum class Operation { prepare, process, setParameter, setLayout, loadState, release, takeFrames, count };

    float hostileSample (FuzzedDataProvider& in)
    {
        switch (in.ConsumeIntegralInRange (0, 7))
        {
            case 0:  return std::numeric_limits<float>::quiet_NaN();
            case 1:  return std::numeric_limits<float>::infinity();
            case 2:  return -std::numeric_limits<float>::infinity();
            case 3:  return std::numeric_limits<float>::denorm_min() * (float) in.ConsumeIntegralInRange (1, 1000);
            case 4:  return in.ConsumeBool() ? 3.0e38f : -3.0e38f;
            default: return in.ConsumeFloatingPointInRange (-4.0f, 4.0f);
        }
    }

    float anyParameterValue (FuzzedDataProvider& in)
    {
        switch (in.ConsumeIntegralInRange (0, 4))
        {
            case 0:  return std::numeric_limits<float>::quiet_NaN();
            case 1:  return in.ConsumeBool() ? std::numeric_limits<float>::infinity() : -std::numeric_limits<float>::infinity();
            case 2:  return in.ConsumeFloatingPoint<float>();
            default: return in.ConsumeProbability<float>();
        }
    }
}

extern "C" int LLVMFuzzerTestOneInput (const uint8_t* data, size_t size)
{
    FuzzedDataProvider in (data, size);
    TavikAudioProcessor processor;
    juce::AudioBuffer<float> buffer (2, 8192);
    juce::MidiBuffer midi;

    for (int step = 0; step < 64 && in.remaining_bytes() > 0; ++step)
    {
        switch ((Operation) in.ConsumeIntegralInRange (0, (int) Operation::count - 1))
        {
            case Operation::prepare:
                processor.prepareToPlay (in.ConsumeFloatingPointInRange (1.0, 768000.0), in.ConsumeIntegralInRange (0, 8192));
                break;

            case Operation::process:
            {
                const int channels = in.ConsumeIntegralInRange (0, 2);
                const int samples = in.ConsumeIntegralInRange (0, 8192);
                const bool hostile = in.ConsumeBool();
                for (int c = 0; c < channels; ++c)
                    for (int i = 0; i < samples; ++i)
                        buffer.setSample (c, i, hostile && in.ConsumeIntegralInRange (0, 63) == 0
                                                    ? hostileSample (in)
                                                    : 0.5f * std::sin (0.05f * (float) i));

                juce::AudioBuffer<float> block (buffer.getArrayOfWritePointers(), channels, 0, samples);
                const bool finiteInput = tavik::test::allFinite (block, channels, samples);
                processor.processBlock (block, midi);
                if (finiteInput)
                    fuzz::require (tavik::test::allFinite (block, channels, samples), "finite output from finite input");
                fuzz::requireFiniteMeters (processor);
                break;
            }

            case Operation::setParameter:
                processor.parameterAt (in.ConsumeIntegralInRange (0, 4)).setValueNotifyingHost (anyParameterValue (in));
                break;

            case Operation::setLayout:
            {
                const auto set = in.ConsumeBool() ? juce::AudioChannelSet::mono() : juce::AudioChannelSet::stereo();
                juce::AudioProcessor::BusesLayout layout;
                layout.inputBuses.add (set);
                layout.outputBuses.add (in.ConsumeBool() ? set : juce::AudioChannelSet::stereo());
                processor.setBusesLayout (layout);
                break;
            }

            case Operation::loadState:
            {
                const auto bytes = in.ConsumeBytes<uint8_t> (in.ConsumeIntegralInRange (0, 32));
                processor.setStateInformation (bytes.data(), (int) bytes.size());
                break;
            }

            case Operation::release:
                processor.releaseResources();
                break;

            case Operation::takeFrames:
            case Operation::count:
                fuzz::takeFrames (processor);
                break;
        }
    }
    return 0;
}
