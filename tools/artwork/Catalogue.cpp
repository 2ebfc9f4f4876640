#include "Artwork.h"
#include "Palette.h"

namespace
{
    using Drawing = std::function<void (juce::Graphics&, const ArtworkFonts&)>;

    std::function<void (juce::Image&, const ArtworkFonts&)> withGraphics (Drawing draw)
    {
        return [draw] (juce::Image& image, const ArtworkFonts& fonts)
        {
            juce::Graphics g (image);
            draw (g, fonts);
        };
    }
}

std::vector<ArtworkImage> artworkCatalogue()
{
    std::vector<ArtworkImage> images {
        { "bg_window_fond.png", 1596, 1134, withGraphics (drawWindowBackground) },
        { "bg_fixed_overlay_frame_window.png", 1312, 920, drawFrontPlate },
        { "bg_window_overlay.png", 1270, 696, withGraphics (drawPadAxes) },
        { "btn_tavik_handle@2x.png", 120, 120, withGraphics ([] (juce::Graphics& g, const ArtworkFonts&) { drawPadHandle (g); }) },
        { "btn_knob_indicator@2x.png", 96, 97, withGraphics ([] (juce::Graphics& g, const ArtworkFonts&) { drawKnobIndicator (g); }) },
    };

    const std::pair<const char*, ButtonState> states[] { { "inactive", ButtonState::inactive },
                                                         { "active", ButtonState::active },
                                                         { "hoverover", ButtonState::hover },
                                                         { "mousedown", ButtonState::pressed } };
    for (const juce::String word : { "soft", "medium", "hard" })
        for (const auto& [stateName, state] : states)
            images.push_back ({ "btn_" + word + "_" + stateName + "@2x.png", 134, 52,
                                withGraphics ([word, state = state] (juce::Graphics& g, const ArtworkFonts& fonts)
                                              { drawBiteWord (g, fonts, word.toUpperCase(), state); }) });

    const std::tuple<const char*, bool, bool> bypassStates[] { { "btn_bypass_default@2x.png", false, false },
                                                               { "btn_bypass_default_mousedown@2x.png", false, true },
                                                               { "btn_bypass_active@2x.png", true, false },
                                                               { "btn_bypass_active_mousedown@2x.png", true, true } };
    for (const auto& [fileName, on, pressed] : bypassStates)
        images.push_back ({ fileName, 44, 44, withGraphics ([on = on, pressed = pressed] (juce::Graphics& g, const ArtworkFonts&)
                                                            { drawBypassButton (g, on, pressed); }) });

    const std::pair<const char*, juce::Colour> lamps[] { { "bg_peakdiod_green@2x.png", Palette::lampGreen },
                                                         { "bg_peakdiod_yellow@2x.png", Palette::lampYellow },
                                                         { "bg_peakdiod_red@2x.png", Palette::lampRed } };
    for (const auto& [fileName, colour] : lamps)
        images.push_back ({ fileName, 10, 10, withGraphics ([colour = colour] (juce::Graphics& g, const ArtworkFonts&)
                                                            { drawPeakLamp (g, colour); }) });

    for (const auto pressed : { false, true })
        images.push_back ({ pressed ? "btn_zoom_mousedown@2x.png" : "btn_zoom@2x.png", 44, 44,
                            withGraphics ([pressed] (juce::Graphics& g, const ArtworkFonts&) { drawZoomButton (g, pressed); }) });

    return images;
}

juce::Image renderArtwork (const ArtworkImage& artwork, const ArtworkFonts& fonts)
{
    juce::Image image (juce::Image::ARGB, artwork.width, artwork.height, true, juce::SoftwareImageType());
    artwork.draw (image, fonts);
    return image;
}
