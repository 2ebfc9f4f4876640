#pragma once

#include <juce_graphics/juce_graphics.h>

// The colours of the editor's artwork. Every image draws from this one set so
// that the window, the controls and their captions read as one product.
namespace Palette
{
    // Window face behind the display: lighter in the middle, darker at its edges.
    inline const juce::Colour faceCentre { 52, 90, 89 };
    inline const juce::Colour faceEdge { 42, 76, 78 };
    inline const juce::Colour faceGlow { 84, 178, 176 };

    // Front plate and the pale text printed on it.
    inline const juce::Colour plate { 22, 53, 56 };
    inline const juce::Colour plateTop { 25, 58, 61 };
    inline const juce::Colour plateBottom { 20, 49, 52 };
    inline const juce::Colour plateText { 167, 201, 193 };
    inline const juce::Colour socket { 11, 31, 34 };

    // The accent used for the amount controls and the pad handle.
    inline const juce::Colour lightBlue { 60, 213, 255 };
    inline const juce::Colour outputDisc { 198, 224, 217 };
    inline const juce::Colour indicatorDot { 22, 54, 57 };

    // Round push buttons (bypass, zoom).
    inline const juce::Colour buttonDisc { 67, 99, 98 };
    inline const juce::Colour buttonGlyph { 172, 206, 197 };
    inline const juce::Colour bypassOnDisc { 255, 86, 44 };
    inline const juce::Colour bypassOnGlyph { 255, 230, 216 };

    // Peak lamp.
    inline const juce::Colour lampGreen { 52, 237, 89 };
    inline const juce::Colour lampYellow { 255, 243, 9 };
    inline const juce::Colour lampRed { 255, 98, 59 };

    // XY pad scale.
    inline const juce::Colour axisYellow { 255, 214, 72 };

    // The version label's colour, used where the artwork previews it.
    inline const juce::Colour versionText { 0xffabcec5 };
}
