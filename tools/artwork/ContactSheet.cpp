#include "ContactSheet.h"
#include "EditorLayout.h"
#include "Palette.h"

#include "ResourceNaming.h"

#include <cmath>

namespace
{
    constexpr int sheetWidth = 2400;
    constexpr int margin = 40;
    constexpr int gap = 36;
    constexpr int padding = 16;
    constexpr int captionHeight = 58;

    const juce::Colour paper { 0xffe9e9e7 };
    const juce::Colour ground { 0xff626262 };
    const juce::Colour ink { 0xff2b2b2b };
    const juce::Colour faintInk { 0xff6a6a6a };

    const juce::Image& find (const std::vector<RenderedArtwork>& artwork, const juce::String& fileName)
    {
        for (const auto& item : artwork)
            if (item.fileName == fileName)
                return item.image;

        static const juce::Image none;
        return none;
    }

    // Draws the editor as it appears at 100 % on a double-density display,
    // every part at its layout bounds and at the parameters' default values.
    juce::Image assembleEditor (const std::vector<RenderedArtwork>& artwork, const ArtworkFonts& fonts)
    {
        constexpr auto scale = EditorLayout::artworkScale;
        const auto window = EditorLayout::window * (int) scale;
        juce::Image editor (juce::Image::ARGB, window.getWidth(), window.getHeight(), true, juce::SoftwareImageType());
        juce::Graphics g (editor);
        g.setImageResamplingQuality (juce::Graphics::highResamplingQuality);

        const auto place = [&g] (const juce::Image& image, juce::Rectangle<float> logical)
        {
            g.drawImage (image, logical * scale, juce::RectanglePlacement::stretchToFit);
        };

        const auto& background = find (artwork, "bg_window_fond.png");
        place (background, EditorLayout::backgroundPlacement);

        const auto pad = EditorLayout::xyPad.toFloat();
        const auto range = 0.4f, amount = 0.3f, output = 1.0f;
        const auto handleCentre = pad.getPosition() + EditorLayout::padOrigin
                                  + juce::Point<float> (range * EditorLayout::padTravel.x,
                                                        (1.0f - amount) * EditorLayout::padTravel.y);
        const auto handleSize = EditorLayout::padHandleRadius * 2.0f;
        place (find (artwork, "btn_tavik_handle@2x.png"),
               juce::Rectangle<float> (handleSize, handleSize).withCentre (handleCentre));
        place (find (artwork, "bg_window_overlay.png"), EditorLayout::padOverlay + pad.getPosition());

        place (find (artwork, "bg_fixed_overlay_frame_window.png"), EditorLayout::window.toFloat());

        const auto buttons = EditorLayout::biteButtons;
        const char* biteImages[] { "btn_soft_inactive@2x.png", "btn_medium_active@2x.png", "btn_hard_inactive@2x.png" };
        for (int i = 0; i < 3; ++i)
            place (find (artwork, biteImages[i]),
                   juce::Rectangle<int> (buttons.getX() + i * (EditorLayout::biteButtonWidth + EditorLayout::biteButtonSpacing),
                                         buttons.getY() + EditorLayout::biteImageTop,
                                         EditorLayout::biteButtonWidth, EditorLayout::biteImageHeight).toFloat());

        const auto& indicator = find (artwork, "btn_knob_indicator@2x.png");
        const std::pair<juce::Rectangle<int>, float> knobs[] { { EditorLayout::rangeKnob, range },
                                                               { EditorLayout::amountKnob, amount },
                                                               { EditorLayout::outputKnob, output } };
        for (const auto& [knob, value] : knobs)
        {
            const auto angle = value * juce::MathConstants<float>::pi * 1.5f - juce::MathConstants<float>::pi * 0.75f;
            const auto fit = (float) knob.getWidth() / (float) indicator.getWidth();
            g.drawImageTransformed (indicator,
                                    juce::AffineTransform::rotation (angle, (float) indicator.getWidth() * 0.5f,
                                                                     (float) indicator.getHeight() * 0.5f)
                                        .scaled (fit)
                                        .translated (knob.getPosition().toFloat())
                                        .scaled (scale));
        }

        place (find (artwork, "bg_peakdiod_green@2x.png"), EditorLayout::peakLamp.toFloat());
        g.setColour (Palette::versionText);
        g.fillRect (EditorLayout::outputMeter.toFloat().withWidth (EditorLayout::outputMeter.getWidth() * 0.6f) * scale);

        place (find (artwork, "btn_zoom@2x.png"), EditorLayout::zoomButton.toFloat());
        place (find (artwork, "btn_bypass_default@2x.png"), EditorLayout::bypassSwitch.toFloat());

        g.setFont (juce::Font (fonts.regular).withHeight (12.0f * scale));
        g.drawText ("v" TAVIK_VERSION_STRING, EditorLayout::versionLabel * (int) scale, juce::Justification::centredLeft, false);
        return editor;
    }

    struct Tile
    {
        juce::String title, details;
        juce::Image image;
        float displayScale;
        juce::Rectangle<int> area;   // on the sheet, caption included
    };

    float displayScaleFor (const juce::Image& image)
    {
        const auto width = image.getWidth();
        if (width > 1000) return 0.5f;
        if (width >= 200) return 1.0f;
        if (width >= 90)  return 2.0f;
        if (width >= 40)  return 3.0f;
        return 8.0f;
    }

    juce::String sizeText (const juce::Image& image)
    {
        return juce::String (image.getWidth()) + juce::String::fromUTF8 (" \xc3\x97 ") + juce::String (image.getHeight());
    }

    juce::String scaleText (float displayScale)
    {
        if (displayScale == 1.0f) return "actual size";
        if (displayScale < 1.0f)  return "shown at half size";
        return juce::String::fromUTF8 ("shown \xc3\x97") + juce::String ((int) displayScale);
    }

    // Places the tiles left to right in rows; returns the height used.
    int layOut (std::vector<Tile>& tiles, int top)
    {
        int x = margin, y = top, rowHeight = 0;

        for (auto& tile : tiles)
        {
            const auto imageWidth = (int) std::ceil ((float) tile.image.getWidth() * tile.displayScale);
            const auto imageHeight = (int) std::ceil ((float) tile.image.getHeight() * tile.displayScale);
            const auto width = juce::jmax (imageWidth + 2 * padding, 390);
            const auto height = imageHeight + 2 * padding + captionHeight;

            if (x + width > sheetWidth - margin && x > margin)
            {
                x = margin;
                y += rowHeight + gap;
                rowHeight = 0;
            }

            tile.area = { x, y, width, height };
            x += width + gap;
            rowHeight = juce::jmax (rowHeight, height);
        }

        return y + rowHeight - top;
    }

    void drawTile (juce::Graphics& g, const Tile& tile, const ArtworkFonts& fonts)
    {
        const auto groundArea = tile.area.withTrimmedBottom (captionHeight);
        g.setColour (ground);
        g.fillRect (groundArea);

        const auto imageWidth = (float) tile.image.getWidth() * tile.displayScale;
        const auto imageHeight = (float) tile.image.getHeight() * tile.displayScale;
        const juce::Rectangle<float> imageArea (std::round ((float) groundArea.getCentreX() - imageWidth * 0.5f),
                                                (float) (groundArea.getY() + padding), imageWidth, imageHeight);
        g.setImageResamplingQuality (tile.displayScale > 1.0f ? juce::Graphics::lowResamplingQuality
                                                              : juce::Graphics::highResamplingQuality);
        g.drawImage (tile.image, imageArea, juce::RectanglePlacement::stretchToFit);

        const auto caption = tile.area.withTop (groundArea.getBottom() + 8);
        g.setColour (ink);
        g.setFont (juce::Font (fonts.medium).withHeight (22.0f));
        g.drawText (tile.title, caption.withHeight (26), juce::Justification::centredLeft, true);
        g.setColour (faintInk);
        g.setFont (juce::Font (fonts.regular).withHeight (19.0f));
        g.drawText (tile.details, caption.withTrimmedTop (26).withHeight (22), juce::Justification::centredLeft, true);
    }
}

juce::Image drawContactSheet (const std::vector<RenderedArtwork>& artwork, const ArtworkFonts& fonts)
{
    std::vector<Tile> tiles;
    tiles.push_back ({ "Editor at 100 %", "assembled from the images below, parameters at their defaults",
                       assembleEditor (artwork, fonts), 1.0f, {} });

    for (const auto& item : artwork)
        tiles.push_back ({ ResourceNaming::resourceNameForFile (item.fileName.toStdString()),
                           sizeText (item.image) + "   " + scaleText (displayScaleFor (item.image)),
                           item.image, displayScaleFor (item.image), {} });

    constexpr int headerHeight = 110;
    const auto height = margin + headerHeight + layOut (tiles, margin + headerHeight) + margin;

    juce::Image sheet (juce::Image::RGB, sheetWidth, height, true, juce::SoftwareImageType());
    juce::Graphics g (sheet);
    g.fillAll (paper);

    g.setColour (ink);
    g.setFont (juce::Font (fonts.medium).withHeight (40.0f));
    g.drawText ("Tavik " TAVIK_VERSION_STRING " artwork", margin, margin, sheetWidth - 2 * margin, 48,
                juce::Justification::centredLeft, false);
    g.setColour (faintInk);
    g.setFont (juce::Font (fonts.regular).withHeight (22.0f));
    g.drawText (juce::String ((int) artwork.size()) + " images at double resolution, each on a neutral ground "
                "with its resource name and pixel size",
                margin, margin + 54, sheetWidth - 2 * margin, 30, juce::Justification::centredLeft, false);

    for (const auto& tile : tiles)
        drawTile (g, tile, fonts);

    return sheet;
}
