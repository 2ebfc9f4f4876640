#pragma once

#include <juce_graphics/juce_graphics.h>

// Where the editor places its parts, in its 656 x 460 logical units. The front
// plate and the pad's axis artwork are drawn to line up with these bounds, and
// the contact sheet assembles its preview from them. Every image is stored at
// twice the logical resolution.
namespace EditorLayout
{
    constexpr float artworkScale = 2.0f;

    inline const juce::Rectangle<int> window { 0, 0, 656, 460 };

    inline const juce::Rectangle<int> zoomButton { 9, 10, 22, 22 };
    inline const juce::Rectangle<int> bypassSwitch { 38, 10, 22, 22 };
    inline const juce::Rectangle<int> versionLabel { 555, 25, 46, 10 };

    inline const juce::Rectangle<int> rangeKnob { 12, 402, 48, 48 };
    inline const juce::Rectangle<int> amountKnob { 75, 402, 48, 48 };
    inline const juce::Rectangle<int> outputKnob { 597, 402, 48, 48 };

    // The three "Bite" buttons: each image fills the middle 67 x 26 of its
    // 67 x 50 button, 12 units below the button's top.
    inline const juce::Rectangle<int> biteButtons { 203, 405, 249, 50 };
    constexpr int biteButtonWidth = 67;
    constexpr int biteButtonSpacing = 24;
    constexpr int biteImageTop = 12;
    constexpr int biteImageHeight = 26;

    inline const juce::Rectangle<int> peakLamp { 573, 436, 5, 5 };
    inline const juce::Rectangle<int> outputMeter { 526, 438, 42, 1 };

    inline const juce::Rectangle<int> xyPad { 94, 46, 451, 342 };

    // The opening of the front plate over the pad and the signal display.
    inline const juce::Rectangle<float> displayWindow { 11.0f, 44.0f, 635.0f, 350.0f };
    constexpr float displayWindowCorner = 6.0f;

    // The pad's axis artwork, relative to the pad.
    inline const juce::Rectangle<float> padOverlay { -91.0f, -1.0f, 636.0f, 348.0f };

    // Handle geometry of the pad, in pad coordinates: centre at x value 0 and
    // y value 1, and the travel for a full change of each value.
    inline const juce::Point<float> padOrigin { 37.0f, 23.0f };
    inline const juce::Point<float> padTravel { 381.0f, 287.0f };
    constexpr float padHandleRadius = 30.0f;

    // The window background is drawn scaled to 799 x 568 and moved by
    // (-72, -71), so that it overhangs the window on every side.
    inline const juce::Rectangle<float> backgroundPlacement { -72.0f, -71.0f, 799.0f, 568.0f };

    // The knob indicator turns about the centre of its 96 x 97 image, which
    // the knob scales to its 48-unit width: the face is centred there.
    inline juce::Point<float> knobFaceCentre (juce::Rectangle<int> knob)
    {
        return { (float) knob.getX() + 24.0f, (float) knob.getY() + 24.25f };
    }
}
