#pragma once

#include "TavikEngine.h"

#include <juce_audio_processors/juce_audio_processors.h>

// The plug-in's audio processor: owns the five host parameters and the signal
// engine, and translates the host's calls into the engine's.
class TavikAudioProcessor : public juce::AudioProcessor
{
public:
    TavikAudioProcessor();
    ~TavikAudioProcessor() override;

    const juce::String getName() const override { return "Tavik"; }
    void prepareToPlay (double sampleRate, int maximumExpectedSamplesPerBlock) override;
    void releaseResources() override {}
    void processBlock (juce::AudioBuffer<float>&, juce::MidiBuffer&) override;
    using juce::AudioProcessor::processBlock;

    double getTailLengthSeconds() const override { return 0.0; }
    bool acceptsMidi() const override { return false; }
    bool producesMidi() const override { return false; }
    bool isMidiEffect() const override { return false; }

    juce::AudioProcessorEditor* createEditor() override;
    bool hasEditor() const override { return true; }

    int getNumPrograms() override { return 1; }
    int getCurrentProgram() override { return 0; }
    void setCurrentProgram (int) override {}
    const juce::String getProgramName (int) override { return {}; }
    void changeProgramName (int, const juce::String&) override {}

    void getStateInformation (juce::MemoryBlock& destData) override;
    void setStateInformation (const void* data, int sizeInBytes) override;

    bool isBusesLayoutSupported (const BusesLayout& layouts) const override;

    // What the editor reads: display feeds, block meters and activity stamp.
    tavik::DisplayFeed& getModulatorFeed() noexcept { return engine.modulatorFeed; }
    tavik::DisplayFeed& getLowBandFeed() noexcept { return engine.lowBandFeed; }
    const tavik::BlockMeters& getMeters() const noexcept { return engine.meters; }

    const tavik::TavikEngine& getEngine() const noexcept { return engine; }

    // Parameter `index` of the host's parameter list, read and written through
    // the framework's normalised-value calls.
    juce::RangedAudioParameter& parameterAt (int index) const noexcept { return *parameters[(size_t) index]; }

private:
    // Runs the open editor's periodic update on the message thread after a
    // state load that arrived on another thread.
    class EditorRefresher : public juce::AsyncUpdater
    {
    public:
        explicit EditorRefresher (TavikAudioProcessor& p) : processor (p) {}
        void handleAsyncUpdate() override { processor.refreshEditor(); }

    private:
        TavikAudioProcessor& processor;
    };

    static BusesProperties busesProperties();
    void refreshEditor();
    tavik::NormalisedParameters readParameters() const noexcept;

    tavik::TavikEngine engine;
    std::array<juce::RangedAudioParameter*, tavik::numParameters> parameters {};
    EditorRefresher editorRefresher { *this };

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (TavikAudioProcessor)
};
