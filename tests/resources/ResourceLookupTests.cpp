#include "ResourceNaming.h"
#include "TavikResources.h"

#include <juce_events/juce_events.h>

#include <gtest/gtest.h>

#include <cstring>

namespace
{
    // The image cache runs a timer, so image loading needs the message
    // machinery of the framework.
    class ResourceLookup : public ::testing::Test
    {
        juce::ScopedJuceInitialiser_GUI framework;
    };

    struct CatalogueEntry
    {
        const char* name;
        int width, height;
    };

    const CatalogueEntry catalogue[] {
        { "bg_window_fond_png", 1596, 1134 },
        { "bg_fixed_overlay_frame_window_png", 1312, 920 },
        { "bg_window_overlay_png", 1270, 696 },
        { "btn_tavik_handle2x_png", 120, 120 },
        { "btn_knob_indicator2x_png", 96, 97 },
        { "btn_soft_inactive2x_png", 134, 52 },
        { "btn_soft_active2x_png", 134, 52 },
        { "btn_soft_hoverover2x_png", 134, 52 },
        { "btn_soft_mousedown2x_png", 134, 52 },
        { "btn_medium_inactive2x_png", 134, 52 },
        { "btn_medium_active2x_png", 134, 52 },
        { "btn_medium_hoverover2x_png", 134, 52 },
        { "btn_medium_mousedown2x_png", 134, 52 },
        { "btn_hard_inactive2x_png", 134, 52 },
        { "btn_hard_active2x_png", 134, 52 },
        { "btn_hard_hoverover2x_png", 134, 52 },
        { "btn_hard_mousedown2x_png", 134, 52 },
        { "btn_bypass_default2x_png", 44, 44 },
        { "btn_bypass_default_mousedown2x_png", 44, 44 },
        { "btn_bypass_active2x_png", 44, 44 },
        { "btn_bypass_active_mousedown2x_png", 44, 44 },
        { "bg_peakdiod_green2x_png", 10, 10 },
        { "bg_peakdiod_yellow2x_png", 10, 10 },
        { "bg_peakdiod_red2x_png", 10, 10 },
        { "btn_zoom2x_png", 44, 44 },
        { "btn_zoom_mousedown2x_png", 44, 44 },
    };

    bool startsWithPngSignature (const char* data, int size)
    {
        static const unsigned char signature[] { 0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n' };
        return size > (int) sizeof (signature) && std::memcmp (data, signature, sizeof (signature)) == 0;
    }
}

TEST (ResourceNameHash, FollowsTheThirtyOneTimesRuleOnSignedBytes)
{
    const std::pair<const char*, std::uint32_t> cases[] {
        { "abc", 96354u },
        { "bg_window_fond_png", 0x879ab19eu },
        // Bytes above 127 count as negative: 31 * -61 + -87 = -1978.
        { "\xc3\xa9", 0xfffff846u },
    };

    for (const auto& [name, hash] : cases)
        EXPECT_EQ (ResourceNaming::hashName (name), hash) << name;
}

TEST (ResourceNaming, DerivesResourceNamesFromFileNames)
{
    const std::pair<const char*, const char*> cases[] {
        { "bg_window_fond.png", "bg_window_fond_png" },
        { "btn_soft_inactive@2x.png", "btn_soft_inactive2x_png" },
        { "Roboto-Regular.ttf", "RobotoRegular_ttf" },
    };

    for (const auto& [file, name] : cases)
        EXPECT_EQ (ResourceNaming::resourceNameForFile (file), name);
}

TEST_F (ResourceLookup, EveryCatalogueImageDecodesToItsPixelSize)
{
    for (const auto& entry : catalogue)
    {
        SCOPED_TRACE (entry.name);
        int size = -1;
        const auto* data = getNamedResource (entry.name, size);

        ASSERT_NE (data, nullptr);
        EXPECT_TRUE (startsWithPngSignature (data, size));

        const auto image = getImageByFullName (entry.name);
        ASSERT_TRUE (image.isValid());
        EXPECT_EQ (image.getWidth(), entry.width);
        EXPECT_EQ (image.getHeight(), entry.height);
    }
}

TEST_F (ResourceLookup, NamesOutsideTheCatalogueGiveNothing)
{
    const char* const names[] {
        nullptr,
        "",
        "BG_WINDOW_FOND_PNG",
        "bg_window_fond_PNG",          // differs from a catalogue name only in case
        "btn_soft_inactive",           // a base name without its suffix
        "btn_soft_inactive2x",
        "btn_modelpicker_prev2x_png",  // asked for by the list picker, not in the catalogue
        "bg_window_fond_png ",
    };

    for (const auto* name : names)
    {
        SCOPED_TRACE (name == nullptr ? "(null)" : name);
        int size = 123;
        EXPECT_EQ (getNamedResource (name, size), nullptr);
        EXPECT_EQ (size, 0);
        EXPECT_FALSE (getImageByFullName (name).isValid());
    }
}

TEST_F (ResourceLookup, ComparesNameHashesOnly)
{
    // Raising one letter by 1 and lowering the next by 31 keeps the hash.
    const auto* collidingName = "bg_window_gPnd_png";
    ASSERT_EQ (ResourceNaming::hashName (collidingName), ResourceNaming::hashName ("bg_window_fond_png"));

    int catalogueSize = 0, collidingSize = 0;
    const auto* catalogueData = getNamedResource ("bg_window_fond_png", catalogueSize);
    EXPECT_EQ (getNamedResource (collidingName, collidingSize), catalogueData);
    EXPECT_EQ (collidingSize, catalogueSize);
}

TEST_F (ResourceLookup, DirectSymbolsAreTheLookedUpResources)
{
    const std::tuple<const char*, const char*, int> symbols[] {
        { "btn_zoom2x_png", BinaryData::btn_zoom2x_png, BinaryData::btn_zoom2x_pngSize },
        { "btn_zoom_mousedown2x_png", BinaryData::btn_zoom_mousedown2x_png, BinaryData::btn_zoom_mousedown2x_pngSize },
        { "RobotoRegular_ttf", BinaryData::RobotoRegular_ttf, BinaryData::RobotoRegular_ttfSize },
    };

    for (const auto& [name, data, size] : symbols)
    {
        SCOPED_TRACE (name);
        int foundSize = 0;
        EXPECT_EQ (getNamedResource (name, foundSize), data);
        EXPECT_EQ (foundSize, size);
    }

    const auto zoom = juce::ImageCache::getFromMemory (BinaryData::btn_zoom_mousedown2x_png,
                                                       BinaryData::btn_zoom_mousedown2x_pngSize);
    EXPECT_EQ (zoom.getBounds(), juce::Rectangle<int> (44, 44));

    const auto typeface = juce::Typeface::createSystemTypefaceFor (BinaryData::RobotoRegular_ttf,
                                                                   (size_t) BinaryData::RobotoRegular_ttfSize);
    EXPECT_EQ (typeface->getName(), "Roboto");
    EXPECT_EQ (typeface->getStyle(), "Regular");
}

TEST_F (ResourceLookup, NamedImagesLoadByBaseName)
{
    const std::tuple<const char*, int, int> found[] {
        { "btn_soft_inactive", 134, 52 },
        { "btn_knob_indicator", 96, 97 },
        { "btn_bypass_active_mousedown", 44, 44 },
    };
    for (const auto& [base, width, height] : found)
        EXPECT_EQ (getNamedImage (base).getBounds(), juce::Rectangle<int> (width, height)) << base;

    for (const auto* base : { "btn_modelpicker_prev", "btn_modelpicker_next", "btn_soft_inactive2x_png", "bg_window_fond", "" })
        EXPECT_FALSE (getNamedImage (base).isValid()) << base;
}

TEST_F (ResourceLookup, ASecondLoadReturnsTheSameDecodedImage)
{
    const auto first = getNamedImage ("btn_knob_indicator");
    const auto second = getNamedImage ("btn_knob_indicator");
    const auto byFullName = getImageByFullName ("btn_knob_indicator2x_png");

    ASSERT_TRUE (first.isValid());
    EXPECT_EQ (first, second);
    EXPECT_EQ (first, byFullName);
    EXPECT_NE (first, getNamedImage ("btn_soft_inactive"));
}
