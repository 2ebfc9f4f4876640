#include "TavikResources.h"

#include <array>
#include <memory>

namespace
{
    std::unique_ptr<std::array<juce::Font, 3>> fonts;
    int useCount = 0;

    juce::Font fontFromEmbeddedTypeface()
    {
        return juce::Font (juce::Typeface::createSystemTypefaceFor (BinaryData::RobotoRegular_ttf,
                                                                    (size_t) BinaryData::RobotoRegular_ttfSize));
    }
}

void SharedFonts::acquire()
{
    if (useCount++ == 0)
        fonts = std::make_unique<std::array<juce::Font, 3>> (std::array<juce::Font, 3> {
            fontFromEmbeddedTypeface(), fontFromEmbeddedTypeface(), fontFromEmbeddedTypeface() });
}

void SharedFonts::release()
{
    if (useCount == 0)
        return;

    if (--useCount == 0)
        fonts.reset();
}

bool SharedFonts::exists() noexcept
{
    return fonts != nullptr;
}

int SharedFonts::getUseCount() noexcept
{
    return useCount;
}

juce::Font& SharedFonts::font (int index)
{
    jassert (fonts != nullptr && index >= 0 && index < 3);
    return (*fonts)[(size_t) index];
}
