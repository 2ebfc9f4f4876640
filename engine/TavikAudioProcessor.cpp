#include "TavikAudioProcessor.h"

#include "TavikAudioProcessorEditor.h"

#include <cmath>

juce::AudioProcessor::BusesProperties TavikAudioProcessor::busesProperties()
{
    return BusesProperties()
        .withInput ("Input", juce::AudioChannelSet::stereo(), true)
        .withOutput ("Output", juce::AudioChannelSet::stereo(), true);
}

TavikAudioProcessor::TavikAudioProcessor()
    : juce::AudioProcessor (busesProperties())
{
    for (const auto& info : tavik::parameterTable)
    {
        const auto id = juce::String (info.index) + info.idWord;
        const auto defaultValue = (info.defaultValue - info.minimum) / (info.maximum - info.minimum);
        auto parameter = std::make_unique<juce::AudioParameterFloat> (juce::ParameterID { id, 0 },
                                                                      info.name,
                                                                      juce::NormalisableRange<float> (info.minimum, info.maximum),
                                                                      defaultValue);
        parameters[(size_t) info.index] = parameter.get();
        addParameter (parameter.release());
    }
}

TavikAudioProcessor::~TavikAudioProcessor()
{
    editorRefresher.cancelPendingUpdate();
}

tavik::NormalisedParameters TavikAudioProcessor::readParameters() const noexcept
{
    tavik::NormalisedParameters values;
    for (size_t i = 0; i < values.size(); ++i)
        values[i] = parameters[i]->getValue();
    return values;
}

void TavikAudioProcessor::prepareToPlay (double sampleRate, int)
{
    engine.prepare (sampleRate, readParameters());
}

void TavikAudioProcessor::processBlock (juce::AudioBuffer<float>& buffer, juce::MidiBuffer&)
{
    const int bufferChannels = buffer.getNumChannels();
    const int numIn = juce::jmin (getTotalNumInputChannels(), bufferChannels);
    const int numOut = juce::jmin (getTotalNumOutputChannels(), bufferChannels);
    const int numSamples = buffer.getNumSamples();

    // Channels the layout does not cover carry nothing out.
    const int written = juce::jmin (juce::jmax (numIn, numOut), tavik::TavikEngine::maxChannels);
    for (int c = written; c < bufferChannels; ++c)
        buffer.clear (c, 0, numSamples);

    engine.process (buffer.getArrayOfWritePointers(), numIn, numOut, numSamples, readParameters());
}

juce::AudioProcessorEditor* TavikAudioProcessor::createEditor()
{
    return new TavikAudioProcessorEditor (*this);
}

void TavikAudioProcessor::getStateInformation (juce::MemoryBlock& destData)
{
    juce::MemoryOutputStream stream (destData, true);
    for (auto* p : parameters)
        stream.writeFloat (p->getValue());
}

void TavikAudioProcessor::setStateInformation (const void* data, int sizeInBytes)
{
    if (data == nullptr || sizeInBytes < 0)
        sizeInBytes = 0;

    juce::MemoryInputStream stream (data, (size_t) sizeInBytes, false);

    for (auto* p : parameters)
    {
        if (stream.getPosition() >= sizeInBytes)
            break;

        // A value that is not a finite number leaves its parameter as it is.
        const float value = stream.readFloat();
        if (std::isfinite (value))
            p->setValueNotifyingHost (value);
    }

    // The ramps are snapped by the audio thread at the start of its next
    // block, so processing continues from the loaded values without a glide.
    engine.requestSnap();

    // The open editor shows the loaded state at once. Its components belong to
    // the message thread: a load on any other thread posts the refresh there,
    // where it finds the editor that is open then, if any.
    if (juce::MessageManager::existsAndIsCurrentThread())
        refreshEditor();
    else
        editorRefresher.triggerAsyncUpdate();
}

void TavikAudioProcessor::refreshEditor()
{
    TavikAudioProcessorEditor* editor = nullptr;
    {
        const juce::ScopedLock lock (getCallbackLock());
        editor = dynamic_cast<TavikAudioProcessorEditor*> (getActiveEditor());
    }

    if (editor != nullptr)
        editor->timerCallback();
}

bool TavikAudioProcessor::isBusesLayoutSupported (const BusesLayout& layouts) const
{
    const auto out = layouts.getMainOutputChannelSet();
    if (out != juce::AudioChannelSet::mono() && out != juce::AudioChannelSet::stereo())
        return false;

    return layouts.getMainInputChannelSet() == out;
}

juce::AudioProcessor* JUCE_CALLTYPE createPluginFilter()
{
    return new TavikAudioProcessor();
}
