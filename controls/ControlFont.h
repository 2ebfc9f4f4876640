#pragma once

#include "TavikResources.h"

// The controls' text font (the first shared font) at the given height. The
// shared font itself is left as it is. Before the editor has acquired the
// shared fonts, the framework's default font stands in.
inline juce::Font controlFont (float height)
{
    const auto font = SharedFonts::exists() ? SharedFonts::font (0) : juce::Font();
    return font.withHeight (height);
}
