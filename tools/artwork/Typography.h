#pragma once

#include <juce_graphics/juce_graphics.h>

// The typefaces of the artwork: Roboto Regular, the plug-in's embedded font,
// and Roboto Medium from the same family for captions that need more weight.
struct ArtworkFonts
{
    juce::Typeface::Ptr regular;
    juce::Typeface::Ptr medium;

    // Loads both typefaces from TrueType files; false if either cannot be used.
    bool load (const juce::File& regularFile, const juce::File& mediumFile);
};

// The outline of one line of text with its baseline at y = 0, starting at
// x = 0. capHeight sets the size by the height of the capitals in pixels;
// tracking is the extra space between letters, in units of the font height.
juce::Path textOutline (juce::Typeface::Ptr typeface, const juce::String& text,
                        float capHeight, float tracking = 0.0f);

// The same outline moved so that its ink is centred horizontally on centreX
// and its baseline lies at baselineY.
juce::Path centredTextOutline (juce::Typeface::Ptr typeface, const juce::String& text,
                               float capHeight, float tracking,
                               float centreX, float baselineY);
