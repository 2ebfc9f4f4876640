// Loads the built VST3 bundle through the framework's own VST3 hosting, as a
// host would, and checks what a host sees: identity, parameters, audio and a
// state round trip through the VST3 wrapper.

#include <juce_audio_processors/juce_audio_processors.h>

#include <gtest/gtest.h>

#include <cmath>

namespace
{
    class JuceEnvironment : public ::testing::Environment
    {
    public:
        void SetUp() override { juce = std::make_unique<juce::ScopedJuceInitialiser_GUI>(); }
        void TearDown() override { juce.reset(); }

    private:
        std::unique_ptr<juce::ScopedJuceInitialiser_GUI> juce;
    };

    const auto* const environment = ::testing::AddGlobalTestEnvironment (new JuceEnvironment());

    std::unique_ptr<juce::AudioPluginInstance> loadPlugin (juce::PluginDescription* descriptionOut = nullptr)
    {
        juce::VST3PluginFormat format;
        juce::OwnedArray<juce::PluginDescription> found;
        format.findAllTypesForFile (found, TAVIK_VST3_BUNDLE);
        if (found.isEmpty())
            return nullptr;

        if (descriptionOut != nullptr)
            *descriptionOut = *found[0];

        juce::String error;
        auto instance = format.createInstanceFromDescription (*found[0], 48000.0, 512, error);
        EXPECT_TRUE (error.isEmpty()) << error;
        return instance;
    }

    juce::AudioBuffer<float> sine (float frequency, int samples)
    {
        juce::AudioBuffer<float> buffer (2, samples);
        for (int c = 0; c < 2; ++c)
            for (int i = 0; i < samples; ++i)
                buffer.setSample (c, i, 0.5f * std::sin (2.0f * juce::MathConstants<float>::pi * frequency * (float) i / 48000.0f));
        return buffer;
    }

    // Harmonics 2 to 4 of the frequency relative to the fundamental, over the buffer's second half.
    double harmonicContent (const juce::AudioBuffer<float>& audio, float frequency)
    {
        auto energyAt = [&] (double f)
        {
            double re = 0.0, im = 0.0;
            for (int i = audio.getNumSamples() / 2; i < audio.getNumSamples(); ++i)
            {
                re += audio.getSample (0, i) * std::cos (2.0 * juce::MathConstants<double>::pi * f * i / 48000.0);
                im += audio.getSample (0, i) * std::sin (2.0 * juce::MathConstants<double>::pi * f * i / 48000.0);
            }
            return std::sqrt (re * re + im * im);
        };
        return (energyAt (2 * frequency) + energyAt (3 * frequency) + energyAt (4 * frequency)) / energyAt (frequency);
    }

    juce::AudioBuffer<float> render (juce::AudioPluginInstance& plugin, juce::AudioBuffer<float> audio)
    {
        juce::MidiBuffer midi;
        for (int start = 0; start < audio.getNumSamples(); start += 512)
        {
            const int n = std::min (512, audio.getNumSamples() - start);
            juce::AudioBuffer<float> block (audio.getArrayOfWritePointers(), 2, start, n);
            plugin.processBlock (block, midi);
        }
        return audio;
    }
}

TEST (PluginBinary, HostSeesTheEffectItsParametersAndLayouts)
{
    juce::PluginDescription description;
    auto plugin = loadPlugin (&description);
    ASSERT_NE (plugin, nullptr) << "cannot load " << TAVIK_VST3_BUNDLE;

    EXPECT_EQ (description.name, "Tavik");
    EXPECT_EQ (description.manufacturerName, "Orvalmere");
    EXPECT_EQ (description.version, "1.1.2");
    EXPECT_FALSE (description.isInstrument);

    const auto& parameters = plugin->getParameters();
    ASSERT_GE (parameters.size(), 5);
    const char* names[] = { "Tavik", "Bite", "Range Hz", "Output Gain", "Bypass" };
    const float defaults[] = { 0.3f, 0.3333f, 0.4f, 1.0f, 0.0f };
    for (int i = 0; i < 5; ++i)
    {
        EXPECT_EQ (parameters[i]->getName (100), names[i]);
        EXPECT_NEAR (parameters[i]->getValue(), defaults[i], 1.0e-6f);
    }

    EXPECT_FALSE (plugin->acceptsMidi());
    EXPECT_EQ (plugin->getLatencySamples(), 0);
    EXPECT_EQ (plugin->getTailLengthSeconds(), 0.0);
    EXPECT_EQ (plugin->getMainBusNumInputChannels(), 2);
    EXPECT_EQ (plugin->getMainBusNumOutputChannels(), 2);

    juce::AudioProcessor::BusesLayout monoToStereo;
    monoToStereo.inputBuses.add (juce::AudioChannelSet::mono());
    monoToStereo.outputBuses.add (juce::AudioChannelSet::stereo());
    EXPECT_FALSE (plugin->checkBusesLayoutSupported (monoToStereo));
}

TEST (PluginBinary, ProcessesAudioAndRoundTripsItsState)
{
    auto plugin = loadPlugin();
    ASSERT_NE (plugin, nullptr);

    plugin->prepareToPlay (48000.0, 512);
    plugin->getParameters()[0]->setValueNotifyingHost (0.5f);
    plugin->getParameters()[2]->setValueNotifyingHost (0.7f);

    const auto driven = render (*plugin, sine (80.0f, 24000));
    for (int i = 0; i < driven.getNumSamples(); ++i)
        ASSERT_TRUE (std::isfinite (driven.getSample (0, i)));
    EXPECT_GT (harmonicContent (driven, 80.0f), 0.05);

    plugin->getParameters()[4]->setValueNotifyingHost (1.0f);
    render (*plugin, sine (80.0f, 512));   // the block in which bypass crossfades
    const auto bypassed = render (*plugin, sine (80.0f, 24000));
    EXPECT_LT (harmonicContent (bypassed, 80.0f), 0.002);

    juce::MemoryBlock state;
    plugin->getStateInformation (state);
    ASSERT_GT (state.getSize(), 0u);

    auto restored = loadPlugin();
    ASSERT_NE (restored, nullptr);
    restored->setStateInformation (state.getData(), (int) state.getSize());
    for (int i = 0; i < 5; ++i)
        EXPECT_NEAR (restored->getParameters()[i]->getValue(), plugin->getParameters()[i]->getValue(), 1.0e-6f) << i;

    plugin->releaseResources();
}
