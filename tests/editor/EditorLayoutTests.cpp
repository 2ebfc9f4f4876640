#include "EditorFixture.h"

#include "TavikResources.h"

using LayoutTest = EditorFixture;

TEST_F (LayoutTest, ComponentTreeInStackingOrderWithItsBounds)
{
    auto& e = *editor;
    EXPECT_EQ (e.getWidth(), 656);
    EXPECT_EQ (e.getHeight(), 460);
    ASSERT_EQ (e.getNumChildComponents(), 1);
    EXPECT_EQ (e.getChildComponent (0), &e.contentView);
    EXPECT_FALSE (e.isResizable());

    struct Expected { juce::Component* component; juce::Rectangle<int> bounds; };
    const Expected expected[] = {
        { &e.xyPad,                     { 94, 46, 451, 342 } },
        { &e.visuals,                   { 11, 80, 635, 314 } },
        { &e.frameOverlay,              { 0, 0, 656, 460 } },
        { &e.biteButtons,               { 203, 405, 249, 50 } },
        { &e.outputKnob,                { 597, 402, 48, 48 } },
        { &e.rangeKnob,                 { 12, 402, 48, 48 } },
        { &e.amountKnob,                { 75, 402, 48, 48 } },
        { &e.peakLamp,                  { 573, 436, 5, 5 } },
        { &e.outputMeter,               { 526, 438, 42, 1 } },
        { &e.windowZoom.zoomButton,     { 9, 10, 22, 22 } },
        { &e.valueView,                 {} },
        { &e.amountValueView,           {} },
        { &e.bypassSwitch,              { 38, 10, 22, 22 } },
        { &e.versionLabel,              { 555, 25, 46, 10 } },
    };

    ASSERT_EQ (e.contentView.getNumChildComponents(), (int) std::size (expected));
    EXPECT_EQ (e.contentView.getBounds(), juce::Rectangle<int> (0, 0, 656, 460));

    for (int i = 0; i < (int) std::size (expected); ++i)
    {
        EXPECT_EQ (e.contentView.getChildComponent (i), expected[i].component) << "stacking place " << i;
        if (! expected[i].bounds.isEmpty())
            EXPECT_EQ (expected[i].component->getBounds(), expected[i].bounds) << "stacking place " << i;
    }

    EXPECT_EQ (e.versionLabel.getText(), "v1.1.2");
    EXPECT_EQ (e.versionLabel.findColour (juce::Label::textColourId), juce::Colour (0xffabcec5));
    EXPECT_EQ (e.xyPad.getValueForTag (2), 0.4f);
    EXPECT_EQ (e.xyPad.getValueForTag (0), 0.3f);
}

TEST_F (LayoutTest, ControlsOpenAtTheirParametersValues)
{
    EXPECT_TRUE (editor->biteButtons.getButton (1)->selected);
    EXPECT_FALSE (editor->biteButtons.getButton (0)->selected);
    EXPECT_EQ (editor->amountKnob.getValue(), 0.3f);
    EXPECT_EQ (editor->rangeKnob.getValue(), 0.4f);
    EXPECT_EQ (editor->outputKnob.getValue(), 1.0f);
    EXPECT_EQ (editor->bypassSwitch.getValue(), 0.0f);

    editor.reset();
    parameter (1).setValueNotifyingHost (1.0f);
    parameter (4).setValueNotifyingHost (1.0f);
    editor = std::make_unique<TavikAudioProcessorEditor> (processor);
    EXPECT_TRUE (editor->biteButtons.getButton (2)->selected);   // 3 x 1.0 is limited to the last button
    EXPECT_EQ (editor->bypassSwitch.getValue(), 1.0f);
}

TEST_F (LayoutTest, AClickInTheDisplayReachesThePad)
{
    auto* hit = editor->getComponentAt (320, 240);
    EXPECT_EQ (hit, &editor->xyPad);
}

TEST_F (LayoutTest, TwoEditorsShareTheFontsAndTheLastReleasesThem)
{
    const int before = SharedFonts::getUseCount();
    {
        TavikAudioProcessor second;
        auto other = std::make_unique<TavikAudioProcessorEditor> (second);
        EXPECT_EQ (SharedFonts::getUseCount(), before + 1);
        editor.reset();
        EXPECT_EQ (SharedFonts::getUseCount(), before);
        EXPECT_TRUE (SharedFonts::exists());
        paintToImage (*other);   // the remaining editor still draws with the shared fonts
        other.reset();
        EXPECT_EQ (SharedFonts::getUseCount(), before - 1);
    }
}

TEST_F (LayoutTest, PaintsTheWholeWindowFromItsArtwork)
{
    const auto image = paintToImage (*editor);
    // The frame plate is opaque at the window's edges; the display area shows
    // the teal window face through the plate's nearly clear window.
    EXPECT_EQ (image.getPixelAt (2, 2).getAlpha(), 255);
    const auto middle = image.getPixelAt (60, 240);
    EXPECT_GT (middle.getGreen(), middle.getRed());
    EXPECT_GT (middle.getBlue(), middle.getRed());
}
