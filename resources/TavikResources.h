#pragma once

#include <juce_graphics/juce_graphics.h>

// The editor's embedded artwork and font.

// Returns the bytes of the embedded resource with this name and stores its size
// in sizeOut; for a null, empty or unknown name returns nullptr and stores 0.
const char* getNamedResource (const char* resourceNameUTF8, int& sizeOut);

// Loads the double-resolution image baseName + "2x_png" through the
// framework's image cache. An unknown name gives an invalid (empty) image.
juce::Image getNamedImage (const juce::String& baseName);

// Loads an embedded image by its full resource name through the image cache.
juce::Image getImageByFullName (const char* resourceName);

// The process-wide fonts made from the embedded typeface. Font 0 is the
// controls' font, font 2 the version label's; font 1 is made and unused.
// They exist while at least one user holds them; message thread only.
class SharedFonts
{
public:
    static void acquire();
    static void release();

    static bool exists() noexcept;
    static int getUseCount() noexcept;

    // Only valid while the fonts exist.
    static juce::Font& font (int index);
};
