#include "Typography.h"

namespace
{
    juce::Typeface::Ptr loadTypeface (const juce::File& file)
    {
        juce::MemoryBlock data;

        if (! file.loadFileAsData (data) || data.getSize() == 0)
            return nullptr;

        auto typeface = juce::Typeface::createSystemTypefaceFor (data.getData(), data.getSize());

        // A file the font engine rejects gives a typeface without glyphs.
        juce::Path probe;
        if (typeface == nullptr || ! typeface->getOutlineForGlyph ('H', probe) || probe.isEmpty())
            return nullptr;

        return typeface;
    }

    // Capital height of the font as a fraction of its height, measured on 'H'.
    float capHeightRatio (juce::Typeface::Ptr typeface)
    {
        juce::Path h;
        typeface->getOutlineForGlyph ('H', h);
        return h.getBounds().getHeight();
    }
}

bool ArtworkFonts::load (const juce::File& regularFile, const juce::File& mediumFile)
{
    regular = loadTypeface (regularFile);
    medium = loadTypeface (mediumFile);
    return regular != nullptr && medium != nullptr;
}

juce::Path textOutline (juce::Typeface::Ptr typeface, const juce::String& text,
                        float capHeight, float tracking)
{
    const auto fontHeight = capHeight / capHeightRatio (typeface);
    const auto font = juce::Font (typeface).withHeight (fontHeight).withExtraKerningFactor (tracking);

    juce::GlyphArrangement glyphs;
    glyphs.addLineOfText (font, text, 0.0f, 0.0f);

    juce::Path outline;
    glyphs.createPath (outline);
    return outline;
}

juce::Path centredTextOutline (juce::Typeface::Ptr typeface, const juce::String& text,
                               float capHeight, float tracking,
                               float centreX, float baselineY)
{
    auto outline = textOutline (typeface, text, capHeight, tracking);
    const auto ink = outline.getBounds();
    outline.applyTransform (juce::AffineTransform::translation (centreX - ink.getCentreX(), baselineY));
    return outline;
}
