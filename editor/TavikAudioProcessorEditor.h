#pragma once

#include "LayerCache.h"
#include "MeterLine.h"
#include "OMBackground.h"
#include "OMChangeView.h"
#include "OMMultiSwitch.h"
#include "OMSettings.h"
#include "OMUICallback.h"
#include "OMWindowZoom.h"
#include "TavikAudioProcessor.h"
#include "TavikImageKnob.h"
#include "TavikRadioButtons.h"
#include "Visuals.h"
#include "XYPad.h"

#include <juce_dsp/juce_dsp.h>

// The peak lamp's colour for a block peak: 0 green, 1 yellow (above 0.8),
// 2 red (above full scale).
int peakLampIndex (float peak);

// The plug-in's window: a fixed 656 x 460 editor whose single child, the
// content view, paints the background and holds every control. A 16 ms timer
// keeps the controls in step with the parameters and animates the display,
// meter, lamp and value readouts from what the audio thread publishes.
class TavikAudioProcessorEditor : public juce::AudioProcessorEditor,
                                  public OMUICallback,
                                  public juce::Timer
{
public:
    explicit TavikAudioProcessorEditor (TavikAudioProcessor&);
    ~TavikAudioProcessorEditor() override;

    void resized() override;

    // The periodic update. Also run once after construction and after a state load.
    void timerCallback() override;

    void valueChanged (EComponent* sender, int tag, float value) override;
    void mouseEntered (EComponent*, int) override {}
    void mouseExited (EComponent*, int) override {}
    void mousePressed (EComponent*, int) override {}
    void mouseReleased (EComponent*, int) override {}
    float getDefaultValue (int tag) override;
    float getParameterValue (int tag) override;
    void beginGesture (EComponent* sender, int tag) override;
    void endGesture (EComponent* sender, int tag) override;

    // Places the readout for parameter `tag` over its control and sets its text.
    void showParameterValue (EComponent* sender, int tag);

    class ContentView : public juce::Component,
                        public OMBackground::Delegate
    {
    public:
        explicit ContentView (TavikAudioProcessorEditor& ownerEditor) : owner (ownerEditor) {}
        void paint (juce::Graphics&) override;
        void backgroundChanged() override {}

    private:
        void drawBackground (juce::Graphics&) const;

        TavikAudioProcessorEditor& owner;
        LayerCache backgroundLayer;   // resampled once per device scale
    };

    static constexpr int numBands = 50;
    static constexpr int spectrumSize = 2048;

    juce::Image windowBackground;
    juce::ImageComponent frameOverlay;
    OMChangeView valueView;
    OMChangeView amountValueView;
    OMMultiSwitch bypassSwitch;
    juce::ImageComponent peakLamp;
    std::array<juce::Image, 3> peakLampImages;   // green, yellow, red
    Visuals visuals;
    XYPad xyPad;
    TavikImageKnob rangeKnob, amountKnob, outputKnob;
    juce::dsp::FFT modulatorFFT { 10 }, lowBandFFT { 10 };
    juce::HeapBlock<float> modulatorSpectrum, lowBandSpectrum;
    juce::HeapBlock<float> bandLevels;
    TavikRadioButtons biteButtons;
    juce::Label versionLabel;
    MeterLine outputMeter;
    TavikAudioProcessor& audioProcessor;
    ContentView contentView { *this };
    OMWindowZoom windowZoom;
    std::unique_ptr<OMSettings> settings;

private:
    void configureKnob (TavikImageKnob&, int tag);
    void markReadouts (EComponent* sender, bool shown);
    bool audioIsLive (float bypass) const;
    void takeDisplayFrames();
    void updateBands (bool live, float modulatorPeak);
    void updateLevelAndLamp (bool live);
    void followParameters();

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (TavikAudioProcessorEditor)
};
