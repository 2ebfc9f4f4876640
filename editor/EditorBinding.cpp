// How the editor and the processor keep each other informed: user gestures to
// parameters, parameters to controls, and the audio thread's display feeds and
// meters to the display, meter line and peak lamp.

#include "TavikAudioProcessorEditor.h"

#include "ParameterText.h"

#include <cmath>

namespace
{
    constexpr float bandDecay = 0.97f;
    constexpr float bandAttack = 0.15f;
    constexpr float meterFall = 0.097f;
    constexpr float liveWindowSeconds = 0.25f;
    constexpr float bypassLiveLimit = 0.1f;

    // The larger of 1 and the magnitudes of bins 2 to 52.
    float spectrumNormaliser (const float* spectrum)
    {
        float largest = 1.0f;
        for (int bin = 2; bin <= 52; ++bin)
            largest = std::max (largest, spectrum[bin]);
        return largest;
    }
}

int peakLampIndex (float peak)
{
    return peak > 1.0f ? 2 : (peak > 0.8f ? 1 : 0);
}

//==============================================================================
void TavikAudioProcessorEditor::valueChanged (EComponent* sender, int tag, float value)
{
    audioProcessor.parameterAt (tag).setValueNotifyingHost (value);
    showParameterValue (sender, tag);
}

float TavikAudioProcessorEditor::getDefaultValue (int tag)
{
    return tavik::normalisedDefault (tag);
}

float TavikAudioProcessorEditor::getParameterValue (int tag)
{
    return audioProcessor.parameterAt (tag).getValue();
}

void TavikAudioProcessorEditor::beginGesture (EComponent* sender, int tag)
{
    audioProcessor.parameterAt (tag).beginChangeGesture();
    showParameterValue (sender, tag);
    markReadouts (sender, true);
}

void TavikAudioProcessorEditor::endGesture (EComponent* sender, int tag)
{
    audioProcessor.parameterAt (tag).endChangeGesture();
    markReadouts (sender, false);
}

void TavikAudioProcessorEditor::markReadouts (EComponent* sender, bool shown)
{
    if (sender == &xyPad)
    {
        valueView.shown = shown;
        amountValueView.shown = shown;
    }
    else if (sender == &amountKnob)
    {
        amountValueView.shown = shown;
    }
    else
    {
        valueView.shown = shown;
    }
}

void TavikAudioProcessorEditor::showParameterValue (EComponent* sender, int tag)
{
    auto* readout = &valueView;
    juce::Component* anchor = sender;

    if (tag == tavik::rangeParameter)
    {
        anchor = &rangeKnob;
    }
    else if (tag == tavik::amountParameter)
    {
        readout = &amountValueView;
        anchor = &amountKnob;
    }

    if (anchor != nullptr)
    {
        const auto b = anchor->getBounds();
        const int x = (int) ((double) b.getX() + 0.5 * (double) b.getWidth() - 29.0);
        readout->setBounds (x, b.getY() - 24, 58, 19);
    }

    readout->text = parameterText (tag, getParameterValue (tag));
    readout->threeLines = false;
    readout->repaint();
}

//==============================================================================
void TavikAudioProcessorEditor::timerCallback()
{
    for (int i = 0; i < numBands; ++i)
        bandLevels[i] *= bandDecay;

    // The peak published with the last completed frame, read before taking frames.
    const float peak = audioProcessor.getModulatorFeed().getPublishedPeak();
    takeDisplayFrames();

    const float bypass = getParameterValue (tavik::bypassParameter);
    updateBands (audioIsLive (bypass), peak);
    updateLevelAndLamp (audioIsLive (bypass));
    followParameters();

    valueView.fadeStep();
    amountValueView.fadeStep();
}

void TavikAudioProcessorEditor::takeDisplayFrames()
{
    if (! audioProcessor.getModulatorFeed().takeFrame (modulatorSpectrum.get()))
        return;

    modulatorFFT.performFrequencyOnlyForwardTransform (modulatorSpectrum.get(), false);

    if (audioProcessor.getLowBandFeed().takeFrame (lowBandSpectrum.get()))
        lowBandFFT.performFrequencyOnlyForwardTransform (lowBandSpectrum.get(), false);
}

bool TavikAudioProcessorEditor::audioIsLive (float bypass) const
{
    const auto& meters = audioProcessor.getMeters();
    if (! meters.hasProcessed.load())
        return false;

    const double age = (double) (tavik::steadyNanoseconds() - meters.lastProcessTime.load()) / 1.0e9;
    return (float) age <= liveWindowSeconds && bypass <= bypassLiveLimit;
}

void TavikAudioProcessorEditor::updateBands (bool live, float peak)
{
    const float m = spectrumNormaliser (modulatorSpectrum.get());
    const float l = spectrumNormaliser (lowBandSpectrum.get());

    for (int i = 0; i < numBands; ++i)
    {
        if (! live)
        {
            bandLevels[i] = 0.0f;
            continue;
        }

        const float a = (modulatorSpectrum[i + 2] / m) * peak * 2.0f;
        const float c = (lowBandSpectrum[i + 2] / l) * peak * 2.0f;
        const float target = std::max (0.0f, a - c);
        if (target > bandLevels[i])
            bandLevels[i] += bandAttack * (target - bandLevels[i]);
    }
}

void TavikAudioProcessorEditor::updateLevelAndLamp (bool live)
{
    const auto& meters = audioProcessor.getMeters();
    float meterValue = 0.0f, displayLevel = 0.0f;

    if (live)
    {
        const float level = meters.outputLevel.load();
        double decibels = 20.0 * std::log10 ((double) level / 0.1);
        decibels = std::min (std::max (decibels, -30.0), 6.0);
        meterValue = (float) ((decibels + 30.0) / 36.0);
        displayLevel = level * 30.0f;
    }

    visuals.updateCurve();
    visuals.level = displayLevel;
    visuals.repaint();

    const auto& lampImage = peakLampImages[(size_t) peakLampIndex (meters.outputPeak.load())];
    if (peakLamp.getImage() != lampImage)
        peakLamp.setImage (lampImage);
    peakLamp.repaint();

    outputMeter.level = std::max (meterValue, outputMeter.level * meterFall);
    outputMeter.repaint();
}

void TavikAudioProcessorEditor::followParameters()
{
    xyPad.syncWithParameter (false);

    for (EComponent* control : std::initializer_list<EComponent*> { &biteButtons, &outputKnob, &rangeKnob, &amountKnob, &bypassSwitch })
        control->syncWithParameter (false);
}
