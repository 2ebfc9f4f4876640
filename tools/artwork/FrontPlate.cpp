#include "Artwork.h"
#include "EditorLayout.h"
#include "Palette.h"
#include "Shading.h"
#include "TitleLettering.h"

#include <cmath>

// The front plate (1312 x 920): the window's frame, drawn over the pad and the
// signal display. Opaque everywhere but the display window, which keeps only a
// faint texture so that the display shows through.

namespace
{
    constexpr auto scale = EditorLayout::artworkScale;

    juce::Rectangle<float> toPixels (juce::Rectangle<float> logical) { return logical * scale; }
    juce::Rectangle<float> toPixels (juce::Rectangle<int> logical)  { return logical.toFloat() * scale; }

    juce::Path roundedRectangle (juce::Rectangle<float> area, float corner)
    {
        juce::Path path;
        path.addRoundedRectangle (area, corner);
        return path;
    }

    juce::Path ring (juce::Rectangle<float> outer, float outerCorner,
                     juce::Rectangle<float> inner, float innerCorner)
    {
        auto path = roundedRectangle (outer, outerCorner);
        path.addRoundedRectangle (inner, innerCorner);
        path.setUsingNonZeroWinding (false);
        return path;
    }

    juce::Path disc (juce::Point<float> centre, float radius)
    {
        juce::Path path;
        path.addEllipse (juce::Rectangle<float> (radius * 2.0f, radius * 2.0f).withCentre (centre));
        return path;
    }

    void fillVertical (juce::Graphics& g, const juce::Path& shape, juce::Colour top, juce::Colour bottom)
    {
        const auto area = shape.getBounds();
        g.setGradientFill (juce::ColourGradient::vertical (top, area.getY(), bottom, area.getBottom()));
        g.fillPath (shape);
    }

    void strokeVertical (juce::Graphics& g, const juce::Path& shape, float width,
                         juce::Colour top, juce::Colour bottom)
    {
        const auto area = shape.getBounds();
        g.setGradientFill (juce::ColourGradient::vertical (top, area.getY(), bottom, area.getBottom()));
        g.strokePath (shape, juce::PathStrokeType (width));
    }

    //==========================================================================
    void drawPlateSurface (juce::Graphics& g, juce::Rectangle<float> plateArea)
    {
        juce::ColourGradient surface = juce::ColourGradient::vertical (Palette::plateTop, plateArea.getY(),
                                                                       Palette::plateBottom, plateArea.getBottom());
        surface.addColour (0.45, Palette::plate);
        g.setGradientFill (surface);
        g.fillRect (plateArea);

        // A fine light edge along the top and a darker one along the bottom.
        g.setColour (juce::Colours::white.withAlpha (0.07f));
        g.fillRect (plateArea.withHeight (2.0f));
        g.setColour (juce::Colours::black.withAlpha (0.25f));
        g.fillRect (plateArea.withTop (plateArea.getBottom() - 2.0f));
    }

    // The display window's bevel: a raised rim lit from above, falling into a
    // recessed edge around the opening.
    void drawDisplayBezel (juce::Graphics& g, juce::Rectangle<float> opening, float corner)
    {
        const auto rimWidth = 10.0f;
        const auto rimOuter = opening.expanded (rimWidth);

        drawSoftShadow (g, ring (rimOuter.expanded (2.0f), corner + rimWidth + 2.0f, rimOuter.reduced (4.0f), corner),
                        juce::Colours::black.withAlpha (0.35f), 4.0f, { 0.0f, 3.0f });

        fillVertical (g, ring (rimOuter, corner + rimWidth, opening, corner),
                      Palette::plateTop.brighter (0.35f), Palette::plateBottom.darker (0.45f));

        strokeVertical (g, roundedRectangle (rimOuter.reduced (0.5f), corner + rimWidth),
                        1.0f, juce::Colours::white.withAlpha (0.16f), juce::Colours::black.withAlpha (0.3f));

        strokeVertical (g, roundedRectangle (opening.expanded (1.5f), corner + 1.5f),
                        3.0f, juce::Colours::black.withAlpha (0.75f), juce::Colour (0xff10292c));
        strokeVertical (g, roundedRectangle (opening.expanded (3.5f), corner + 3.5f),
                        1.0f, juce::Colours::black.withAlpha (0.2f), juce::Colours::white.withAlpha (0.22f));
    }

    // A dark seat around a round push button, so the button sits in the plate.
    void drawButtonSocket (juce::Graphics& g, juce::Rectangle<int> button)
    {
        const auto area = toPixels (button);
        const auto centre = area.getCentre();
        const auto radius = area.getWidth() * 0.5f + 3.0f;

        fillVertical (g, disc (centre, radius + 1.0f),
                      juce::Colours::black.withAlpha (0.25f), juce::Colours::white.withAlpha (0.12f));
        g.setColour (Palette::socket);
        g.fillPath (disc (centre, radius));
    }

    void drawTitle (juce::Graphics& g, juce::Point<float> centre)
    {
        const auto letterHeight = 32.0f;
        auto title = titleLettering (letterHeight, 4.4f);
        const auto ink = title.getBounds();
        title.applyTransform (juce::AffineTransform::translation (std::round (centre.x - ink.getCentreX()),
                                                                  std::round (centre.y - letterHeight * 0.5f)));

        drawSoftShadow (g, title, juce::Colours::black.withAlpha (0.55f), 1.5f, { 0.0f, 2.0f });
        fillVertical (g, title, Palette::plateText.brighter (0.25f), Palette::plateText.darker (0.08f));
    }

    void drawMakersMark (juce::Graphics& g, const ArtworkFonts& fonts, juce::Point<float> baselineStart)
    {
        auto mark = textOutline (fonts.medium, "ORVALMERE", 11.0f, 0.28f);
        mark.applyTransform (juce::AffineTransform::translation (baselineStart.x - mark.getBounds().getX(),
                                                                 baselineStart.y));
        drawSoftShadow (g, mark, juce::Colours::black.withAlpha (0.45f), 1.0f, { 0.0f, 1.0f });
        g.setColour (Palette::plateText.withAlpha (0.85f));
        g.fillPath (mark);
    }

    //==========================================================================
    // A knob's face: a printed scale around a disc carrying the knob's caption.
    // The knob turns its indicator dot over the disc, 270 degrees about this centre.
    void drawKnobFace (juce::Graphics& g, const ArtworkFonts& fonts, juce::Rectangle<int> knob,
                       juce::Colour face, const juce::String& caption)
    {
        const auto centre = EditorLayout::knobFaceCentre (knob) * scale;
        const auto radius = 45.0f;

        juce::Path scaleMarks;
        constexpr int steps = 10;
        for (int i = 0; i <= steps; ++i)
        {
            const auto angle = juce::degreesToRadians (-135.0f + 270.0f * (float) i / (float) steps);
            const auto isEnd = (i == 0 || i == steps);
            const auto inner = radius + 4.0f, outer = radius + (isEnd ? 11.0f : 8.0f);
            juce::Path mark;
            mark.addRectangle (-1.0f, -outer, 2.0f, outer - inner);
            scaleMarks.addPath (mark, juce::AffineTransform::rotation (angle).translated (centre));
        }
        g.setColour (Palette::plateText.withAlpha (0.45f));
        g.fillPath (scaleMarks);

        const auto faceShape = disc (centre, radius);
        drawSoftShadow (g, faceShape, juce::Colours::black.withAlpha (0.7f), 5.0f, { 0.0f, 4.0f });

        juce::ColourGradient shading (face.brighter (0.3f), centre.x - radius * 0.35f, centre.y - radius * 0.55f,
                                      face.darker (0.2f), centre.x + radius * 0.5f, centre.y + radius * 0.9f, true);
        shading.addColour (0.45, face);
        g.setGradientFill (shading);
        g.fillPath (faceShape);

        // Rim: a darker edge with light caught along its upper half.
        g.setColour (face.darker (0.6f).withAlpha (0.7f));
        g.strokePath (disc (centre, radius - 0.75f), juce::PathStrokeType (1.5f));
        juce::Path upperRim;
        upperRim.addCentredArc (centre.x, centre.y, radius - 2.5f, radius - 2.5f, 0.0f,
                                juce::degreesToRadians (-70.0f), juce::degreesToRadians (70.0f), true);
        g.setColour (juce::Colours::white.withAlpha (0.35f));
        g.strokePath (upperRim, juce::PathStrokeType (1.5f, juce::PathStrokeType::curved, juce::PathStrokeType::rounded));

        const auto capHeight = 10.0f;
        g.setColour (Palette::plate.withAlpha (0.9f));
        g.fillPath (centredTextOutline (fonts.medium, caption, capHeight, 0.06f,
                                        centre.x, std::round (centre.y + capHeight * 0.5f)));
    }

    void drawBiteCaption (juce::Graphics& g, const ArtworkFonts& fonts)
    {
        const auto buttons = toPixels (EditorLayout::biteButtons);
        const auto wordCentreY = buttons.getY() + (float) EditorLayout::biteImageTop * scale + 22.0f;
        const auto capHeight = 9.0f;

        auto caption = textOutline (fonts.medium, "BITE", capHeight, 0.3f);
        caption.applyTransform (juce::AffineTransform::translation (buttons.getX() - 22.0f - caption.getBounds().getRight(),
                                                                    std::round (wordCentreY + capHeight * 0.5f)));
        g.setColour (Palette::plateText.withAlpha (0.62f));
        g.fillPath (caption);
    }

    // The output meter's unlit track and the peak lamp's seat.
    void drawMeterAndLampSeats (juce::Graphics& g)
    {
        g.setColour (Palette::plateText.withAlpha (0.13f));
        g.fillRect (toPixels (EditorLayout::outputMeter));

        const auto lamp = toPixels (EditorLayout::peakLamp);
        fillVertical (g, disc (lamp.getCentre(), 8.0f),
                      juce::Colours::black.withAlpha (0.3f), juce::Colours::white.withAlpha (0.14f));
        g.setColour (Palette::socket);
        g.fillPath (disc (lamp.getCentre(), 7.0f));
    }

    // Cuts the display window out of the plate, leaving only a faint teal
    // texture of fine horizontal lines, alpha 3 and 4 of 255. The window's
    // anti-aliased edge keeps the plate in proportion to its coverage.
    void cutDisplayWindow (juce::Image& plate, const juce::Path& window)
    {
        juce::Image coverage (juce::Image::SingleChannel, plate.getWidth(), plate.getHeight(), true,
                              juce::SoftwareImageType());
        {
            juce::Graphics g (coverage);
            g.setColour (juce::Colours::white);
            g.fillPath (window);
        }

        const juce::Image::BitmapData cut (coverage, juce::Image::BitmapData::readOnly);
        juce::Image::BitmapData pixels (plate, juce::Image::BitmapData::readWrite);

        for (int y = 0; y < pixels.height; ++y)
        {
            const auto texture = Palette::plate.withAlpha ((juce::uint8) ((y % 4) < 2 ? 4 : 3));

            for (int x = 0; x < pixels.width; ++x)
            {
                const auto covered = *cut.getPixelPointer (x, y);
                if (covered == 0)
                    continue;

                const auto kept = pixels.getPixelColour (x, y).withMultipliedAlpha (1.0f - (float) covered / 255.0f);
                pixels.setPixelColour (x, y, kept.getAlpha() <= texture.getAlpha() ? texture : texture.overlaidWith (kept));
            }
        }
    }
}

void drawFrontPlate (juce::Image& plate, const ArtworkFonts& fonts)
{
    const auto plateArea = plate.getBounds().toFloat();
    const auto opening = toPixels (EditorLayout::displayWindow);
    const auto corner = EditorLayout::displayWindowCorner * scale;

    {
        juce::Graphics g (plate);

        drawPlateSurface (g, plateArea);
        drawDisplayBezel (g, opening, corner);

        drawButtonSocket (g, EditorLayout::zoomButton);
        drawButtonSocket (g, EditorLayout::bypassSwitch);
        drawTitle (g, { plateArea.getCentreX(), toPixels (EditorLayout::zoomButton).getCentreY() });
        drawMakersMark (g, fonts, { (float) EditorLayout::versionLabel.getX() * scale, 39.0f });

        drawKnobFace (g, fonts, EditorLayout::rangeKnob, Palette::lightBlue, "Hz");
        drawKnobFace (g, fonts, EditorLayout::amountKnob, Palette::lightBlue, "TAVIK");
        drawKnobFace (g, fonts, EditorLayout::outputKnob, Palette::outputDisc, "OUTPUT");
        drawBiteCaption (g, fonts);
        drawMeterAndLampSeats (g);
    }

    cutDisplayWindow (plate, roundedRectangle (opening, corner));
}
