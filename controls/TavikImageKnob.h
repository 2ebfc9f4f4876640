#pragma once

#include "EComponent.h"

// The rotary knob: one indicator image, rotated with the value over a
// 270-degree sweep. Vertical drags turn it (Alt for fine control), so does the
// mouse wheel, and a double-click resets it to the parameter's default.
//
// The owner sets the public fields directly after construction.
class TavikImageKnob : public EComponent
{
public:
    TavikImageKnob() = default;

    // Returns false without looking at the parameter while the knob is dragged,
    // so that the owner's periodic sync does not fight the user.
    bool syncWithParameter (bool notify) override;

    void mouseEnter (const juce::MouseEvent&) override;
    void mouseExit (const juce::MouseEvent&) override;
    void mouseDown (const juce::MouseEvent&) override;
    void mouseDrag (const juce::MouseEvent&) override;
    void mouseUp (const juce::MouseEvent&) override;
    void mouseDoubleClick (const juce::MouseEvent&) override;
    void mouseWheelMove (const juce::MouseEvent&, const juce::MouseWheelDetails&) override;

    void paint (juce::Graphics&) override;
    void resized() override {}

    bool dragging = false;            // from an accepted press until the next release
    const char* label = nullptr;      // optional caption at the bottom of the knob
    bool centred = false;             // draw the indicator at its own size around a fixed centre
    bool inactive = false;            // ignore press and drag, draw at half opacity
    juce::Image backgroundImage;      // drawn unrotated under the indicator when hasBackground is set
    bool hasBackground = false;
    juce::Image indicatorImage;       // the rotating image
    int lastMouseX = 0, lastMouseY = 0; // pointer position at the previous press or drag

private:
    bool acceptsPressAndDrag() const;

    // Draws an image centred on (centreX, centreY) at the primary display's
    // pixel density, rotated by angle about its own centre.
    static void drawImageCentred (juce::Graphics&, const juce::Image&, float centreX, float centreY,
                                  float opacity, double angle);

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (TavikImageKnob)
};
