// Checks that the embedded pictures show what the editor draws them for:
// the colours it relies on, where the parts sit, and transparent grounds.

#include "TavikResources.h"

#include <juce_events/juce_events.h>

#include <gtest/gtest.h>

namespace
{
    class Artwork : public ::testing::Test
    {
        juce::ScopedJuceInitialiser_GUI framework;
    };

    // Largest difference over red, green, blue and alpha.
    int distance (juce::Colour a, juce::Colour b)
    {
        return juce::jmax (std::abs (a.getRed() - b.getRed()), std::abs (a.getGreen() - b.getGreen()),
                           std::abs (a.getBlue() - b.getBlue()), std::abs (a.getAlpha() - b.getAlpha()));
    }

    struct Probe
    {
        const char* image;
        int x, y;
        juce::Colour expected;
        int tolerance;
    };

    // The smallest rectangle holding every pixel that is not fully transparent.
    juce::Rectangle<int> inkBounds (const juce::Image& image)
    {
        juce::Rectangle<int> bounds;
        for (int y = 0; y < image.getHeight(); ++y)
            for (int x = 0; x < image.getWidth(); ++x)
                if (image.getPixelAt (x, y).getAlpha() > 0)
                    bounds = bounds.isEmpty() ? juce::Rectangle<int> (x, y, 1, 1)
                                              : bounds.getUnion ({ x, y, 1, 1 });
        return bounds;
    }

    const juce::Colour lightBlue { 60, 213, 255 };
    const juce::Colour transparent { 0x00000000 };
}

TEST_F (Artwork, PartsShowTheirColours)
{
    const Probe probes[] {
        // Window face: lighter in the middle than at its edges.
        { "bg_window_fond_png", 798, 567, { 52, 90, 89 }, 4 },
        { "bg_window_fond_png", 150, 567, { 42, 76, 78 }, 5 },
        { "bg_window_fond_png", 0, 0, transparent, 0 },
        // Front plate around the knobs, and the knob faces: light blue for
        // range and amount, pale for output.
        { "bg_fixed_overlay_frame_window_png", 330, 900, { 22, 53, 56 }, 6 },
        { "bg_fixed_overlay_frame_window_png", 72, 822, lightBlue, 30 },
        { "bg_fixed_overlay_frame_window_png", 198, 822, lightBlue, 30 },
        { "bg_fixed_overlay_frame_window_png", 1242, 822, { 198, 224, 217 }, 30 },
        { "btn_tavik_handle2x_png", 60, 60, lightBlue, 0 },
        { "btn_tavik_handle2x_png", 0, 0, transparent, 0 },
        // Bypass: disc beside the symbol, then the symbol's stem.
        { "btn_bypass_default2x_png", 8, 22, { 67, 99, 98 }, 8 },
        { "btn_bypass_default2x_png", 22, 16, { 172, 206, 197 }, 4 },
        { "btn_bypass_active2x_png", 8, 22, { 255, 86, 44 }, 8 },
        { "btn_bypass_active2x_png", 22, 16, { 255, 230, 216 }, 4 },
        { "btn_bypass_default_mousedown2x_png", 0, 0, transparent, 0 },
        { "btn_bypass_active_mousedown2x_png", 0, 0, transparent, 0 },
        // The zoom button is flat until pressed.
        { "btn_zoom2x_png", 22, 5, { 67, 99, 98 }, 1 },
        { "btn_zoom2x_png", 0, 0, transparent, 0 },
        { "btn_zoom_mousedown2x_png", 0, 0, transparent, 0 },
        { "bg_peakdiod_green2x_png", 5, 5, { 52, 237, 89 }, 40 },
        { "bg_peakdiod_yellow2x_png", 5, 5, { 255, 243, 9 }, 40 },
        { "bg_peakdiod_red2x_png", 5, 5, { 255, 98, 59 }, 40 },
        // The active state underlines its word in the accent colour.
        { "btn_soft_active2x_png", 67, 39, lightBlue, 0 },
        { "btn_hard_active2x_png", 67, 39, lightBlue, 0 },
    };

    for (const auto& probe : probes)
    {
        const auto image = getImageByFullName (probe.image);
        ASSERT_TRUE (image.isValid()) << probe.image;
        const auto found = image.getPixelAt (probe.x, probe.y);
        EXPECT_LE (distance (found, probe.expected), probe.tolerance)
            << probe.image << " at " << probe.x << ", " << probe.y << ": " << found.toDisplayString (true);
    }
}

TEST_F (Artwork, FrontPlateIsOpaqueButForItsNearlyClearDisplayWindow)
{
    const auto plate = getImageByFullName ("bg_fixed_overlay_frame_window_png");
    ASSERT_EQ (plate.getBounds(), juce::Rectangle<int> (1312, 920));

    // The display window is (11, 44, 635, 350) in the editor, 1270 x 700
    // pixels at (22, 88) in the plate; its anti-aliased, rounded edge takes
    // the outermost 3 units.
    const auto window = juce::Rectangle<int> (22, 88, 1270, 700).reduced (6);
    for (int y = window.getY(); y < window.getBottom(); ++y)
    {
        for (int x = window.getX(); x < window.getRight(); ++x)
        {
            const auto alpha = plate.getPixelAt (x, y).getAlpha();
            ASSERT_TRUE (alpha == 3 || alpha == 4) << x << ", " << y << " has alpha " << (int) alpha;
        }
    }

    for (int x = 0; x < plate.getWidth(); ++x)
    {
        ASSERT_EQ (plate.getPixelAt (x, 0).getAlpha(), 255) << x;
        ASSERT_EQ (plate.getPixelAt (x, plate.getHeight() - 1).getAlpha(), 255) << x;
    }
    for (int y = 0; y < plate.getHeight(); ++y)
    {
        ASSERT_EQ (plate.getPixelAt (0, y).getAlpha(), 255) << y;
        ASSERT_EQ (plate.getPixelAt (plate.getWidth() - 1, y).getAlpha(), 255) << y;
    }
}

TEST_F (Artwork, KnobIndicatorIsOneDotAtTheTopCentre)
{
    const auto indicator = getNamedImage ("btn_knob_indicator");
    ASSERT_TRUE (indicator.isValid());

    EXPECT_EQ (inkBounds (indicator), juce::Rectangle<int> (40, 8, 16, 16));
    EXPECT_EQ (indicator.getPixelAt (47, 15), juce::Colour (22, 54, 57));
    EXPECT_EQ (indicator.getPixelAt (48, 16), juce::Colour (22, 54, 57));
}

TEST_F (Artwork, ButtonWordsStayInsideTheirImages)
{
    // Each word sits clear of the image edges, where the stretch to the
    // button's 67 x 26 would cut it.
    for (const auto* word : { "soft", "medium", "hard" })
    {
        for (const auto* state : { "inactive", "active", "hoverover", "mousedown" })
        {
            const auto name = juce::String ("btn_") + word + "_" + state;
            const auto ink = inkBounds (getNamedImage (name));
            EXPECT_FALSE (ink.isEmpty()) << name;
            EXPECT_TRUE (juce::Rectangle<int> (2, 2, 130, 48).contains (ink)) << name << " " << ink.toString();
        }
    }
}

TEST_F (Artwork, PadScaleIsYellowOnAClearGround)
{
    const auto axes = getImageByFullName ("bg_window_overlay_png");
    ASSERT_TRUE (axes.isValid());

    // The middle of the pad, where the handle travels, stays clear.
    for (int y = 100; y < 600; y += 7)
        for (int x = 300; x < 980; x += 7)
            ASSERT_EQ (axes.getPixelAt (x, y).getAlpha(), 0) << x << ", " << y;

    // The frame's top-left corner mark, where the handle's centre is at
    // "Range Hz" 0 and the main amount 1: pad (37, 23), overlay (128, 24).
    const auto corner = axes.getPixelAt (juce::roundToInt (128.0f * 1270.0f / 636.0f) + 1, 24 * 2 + 1);
    EXPECT_EQ (corner.getAlpha(), 255);
    EXPECT_GT (corner.getRed(), 200);
    EXPECT_GT (corner.getGreen(), 170);
    EXPECT_LT (corner.getBlue(), 130);
}
