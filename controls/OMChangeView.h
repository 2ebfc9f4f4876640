#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// A small rounded pop-up that shows a value as text while the user changes a
// control, fading in while shown is set and out while it is clear. Clicks pass
// through it to whatever lies below.
class OMChangeView : public juce::Component
{
public:
    OMChangeView();

    // One display tick of the fade: moves fadeLevel 0.08 towards shown and
    // applies it as the component's alpha when it changed. 13 ticks make a
    // full fade.
    void fadeStep();

    void paint (juce::Graphics&) override;

    bool shown = false;
    float fadeLevel = 0.0f;          // 0 transparent to 1 opaque
    juce::String text;               // shown in one-line mode
    bool threeLines = false;
    juce::String topText, centreText, bottomText;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (OMChangeView)
};
