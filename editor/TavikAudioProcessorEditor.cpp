#include "TavikAudioProcessorEditor.h"

#include "TavikResources.h"

namespace
{
    constexpr int editorWidth = 656;
    constexpr int editorHeight = 460;
    const juce::Colour versionTextColour (0xffabcec5);
}

TavikAudioProcessorEditor::TavikAudioProcessorEditor (TavikAudioProcessor& p)
    : juce::AudioProcessorEditor (p),
      audioProcessor (p)
{
    modulatorSpectrum.calloc (spectrumSize);
    lowBandSpectrum.calloc (spectrumSize);
    bandLevels.calloc (numBands);

    addAndMakeVisible (contentView);
    SharedFonts::acquire();

    windowBackground = getImageByFullName ("bg_window_fond_png");
    frameOverlay.setImage (getImageByFullName ("bg_fixed_overlay_frame_window_png"));
    frameOverlay.setInterceptsMouseClicks (false, false);
    frameOverlay.setBufferedToImage (true);   // resampled once per device scale, then copied

    visuals.bands = bandLevels.get();
    visuals.bandCount = numBands;

    xyPad.setHandleImage (getImageByFullName ("btn_tavik_handle2x_png"));
    xyPad.setCallback (this);
    xyPad.setAxisTags (tavik::rangeParameter, tavik::amountParameter);
    xyPad.setOverlayImage (getImageByFullName ("bg_window_overlay_png"));
    xyPad.setValueForTag (tavik::rangeParameter, getParameterValue (tavik::rangeParameter));
    xyPad.setValueForTag (tavik::amountParameter, getParameterValue (tavik::amountParameter));
    xyPad.repaint();

    contentView.addAndMakeVisible (xyPad);
    contentView.addAndMakeVisible (visuals);
    contentView.addAndMakeVisible (frameOverlay);

    biteButtons.setTag (tavik::biteParameter);
    biteButtons.setCallback (this);
    for (const char* word : { "soft", "medium", "hard" })
    {
        const juce::String base = juce::String ("btn_") + word;
        biteButtons.addButton (base + "_inactive", base + "_active", base + "_hoverover", base + "_mousedown");
    }
    biteButtons.setValue (getParameterValue (tavik::biteParameter));
    contentView.addAndMakeVisible (biteButtons);

    configureKnob (outputKnob, tavik::outputGainParameter);
    configureKnob (rangeKnob, tavik::rangeParameter);
    configureKnob (amountKnob, tavik::amountParameter);

    peakLampImages = { getImageByFullName ("bg_peakdiod_green2x_png"),
                       getImageByFullName ("bg_peakdiod_yellow2x_png"),
                       getImageByFullName ("bg_peakdiod_red2x_png") };
    peakLamp.setImage (peakLampImages[0]);
    peakLamp.setInterceptsMouseClicks (false, false);
    contentView.addAndMakeVisible (peakLamp);

    contentView.addAndMakeVisible (outputMeter);

    setSize (editorWidth, editorHeight);

    settings = std::make_unique<OMSettings> ("Tavik");
    windowZoom.setup (contentView, *settings);

    contentView.addAndMakeVisible (valueView);
    contentView.addAndMakeVisible (amountValueView);

    bypassSwitch.setTag (tavik::bypassParameter);
    bypassSwitch.setCallback (this);
    bypassSwitch.numPositions = 2;
    bypassSwitch.images = { getNamedImage ("btn_bypass_default"), getNamedImage ("btn_bypass_active") };
    bypassSwitch.pressedImages = { getNamedImage ("btn_bypass_default_mousedown"), getNamedImage ("btn_bypass_active_mousedown") };
    contentView.addAndMakeVisible (bypassSwitch);
    bypassSwitch.setValue (getParameterValue (tavik::bypassParameter), true);

    versionLabel.setText (juce::String ("v") + TAVIK_VERSION_STRING, juce::dontSendNotification);
    auto& labelFont = SharedFonts::font (2);
    labelFont.setHeight (12.0f);
    versionLabel.setFont (labelFont);
    versionLabel.setColour (juce::Label::textColourId, versionTextColour);
    versionLabel.setJustificationType (juce::Justification::centredLeft);
    contentView.addAndMakeVisible (versionLabel);

    timerCallback();
    startTimer (16);
}

TavikAudioProcessorEditor::~TavikAudioProcessorEditor()
{
    stopTimer();
    SharedFonts::release();
}

void TavikAudioProcessorEditor::configureKnob (TavikImageKnob& knob, int tag)
{
    knob.setTag (tag);
    knob.setCallback (this);
    knob.indicatorImage = getNamedImage ("btn_knob_indicator");
    knob.label = nullptr;
    knob.hasBackground = false;
    knob.centred = false;
    knob.inactive = false;
    knob.setValue (getParameterValue (tag), true);
    contentView.addAndMakeVisible (knob);
}

void TavikAudioProcessorEditor::resized()
{
    windowZoom.zoomButton.setBounds (9, 10, 22, 22);
    contentView.setBounds (0, 0, editorWidth, editorHeight);
    versionLabel.setBounds (555, 25, 46, 10);
    bypassSwitch.setBounds (38, 10, 22, 22);
    rangeKnob.setBounds (12, 402, 48, 48);
    amountKnob.setBounds (75, 402, 48, 48);
    outputKnob.setBounds (597, 402, 48, 48);

    // The "Bite" group sits centred on the window's vertical centre line, 5 units above the bottom.
    float width = 0.0f, height = 0.0f;
    for (int i = 0; i < biteButtons.getNumButtons(); ++i)
    {
        const auto* button = biteButtons.getButton (i);
        width += button->layoutWidth;
        height = juce::jmax (height, button->layoutHeight + button->extraHeight);
    }
    if (biteButtons.getNumButtons() > 0)
        width += (float) (biteButtons.getNumButtons() - 1) * biteButtons.spacing;

    const float x = (float) editorWidth * 0.5f - 0.5f * width;
    const float y = (float) editorHeight - height - 5.0f;
    biteButtons.setBounds ((int) x, (int) y, (int) width, (int) height);

    visuals.setBounds (11, 80, 635, 314);
    xyPad.setBounds (94, 46, 451, 342);
    frameOverlay.setBounds (0, 0, editorWidth, editorHeight);
    peakLamp.setBounds (573, 436, 5, 5);
    outputMeter.setBounds (526, 438, 42, 1);
}

void TavikAudioProcessorEditor::ContentView::paint (juce::Graphics& g)
{
    if (! owner.windowBackground.isValid() || g.getClipBounds().isEmpty())
        return;

    // Resampling the background costs more than the rest of the editor.
    backgroundLayer.paint (g, *this, getLocalBounds(), [this] (juce::Graphics& layer) { drawBackground (layer); });
}

void TavikAudioProcessorEditor::ContentView::drawBackground (juce::Graphics& g) const
{
    const auto& image = owner.windowBackground;

    // The background overhangs the window on every side: only its middle shows.
    const auto transform = juce::AffineTransform::scale (799.0f / (float) image.getWidth(), 568.0f / (float) image.getHeight())
                               .translated (-72.0f, -71.0f);
    g.drawImageTransformed (image, transform, false);
}
