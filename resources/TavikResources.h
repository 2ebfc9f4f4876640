#pragma once

#include "TavikBinaryData.h"

#include <juce_graphics/juce_graphics.h>

// The editor's embedded artwork and font.
//
// Every resource is also reachable directly through its symbols in the
// namespace BinaryData, for example BinaryData::btn_zoom2x_png with
// BinaryData::btn_zoom2x_pngSize, BinaryData::btn_zoom_mousedown2x_png and
// BinaryData::RobotoRegular_ttf.

// Returns the bytes of the embedded resource with this name and stores its size
// in sizeOut; for a null, empty or unknown name returns nullptr and stores 0.
// Names are matched by their hash alone (see ResourceNaming::hashName).
const char* getNamedResource (const char* resourceNameUTF8, int& sizeOut);

// Loads the double-resolution image baseName + "2x_png" through the
// framework's image cache. An unknown name gives an invalid (empty) image.
juce::Image getNamedImage (const juce::String& baseName);

// Loads an embedded image by its full resource name through the image cache.
juce::Image getImageByFullName (const char* resourceName);

// The process-wide fonts made from the embedded typeface. Font 0 is the
// controls' font, font 2 the version label's; font 1 is made and unused.
// The first acquire creates them, the release that brings the use count back
// to zero deletes them; a release without a matching acquire does nothing.
// Message thread only.
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
