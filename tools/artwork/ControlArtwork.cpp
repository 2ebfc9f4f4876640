#include "Artwork.h"
#include "Palette.h"
#include "Shading.h"

#include <cmath>

// The artwork of the controls, each on a transparent ground.

namespace
{
    juce::Path disc (juce::Point<float> centre, float radius)
    {
        juce::Path path;
        path.addEllipse (juce::Rectangle<float> (radius * 2.0f, radius * 2.0f).withCentre (centre));
        return path;
    }

    juce::Point<float> imageCentre (const juce::Graphics& g)
    {
        return g.getClipBounds().toFloat().getCentre();
    }

    // A round push button's body, 44 x 44: raised when up, sunk when pressed.
    void drawButtonBody (juce::Graphics& g, juce::Colour body, bool pressed, bool flat)
    {
        const auto centre = imageCentre (g);
        const auto radius = 20.5f;
        const auto shape = disc (centre, radius);

        if (flat)
        {
            g.setColour (body);
            g.fillPath (shape);
        }
        else if (pressed)
        {
            g.setGradientFill (juce::ColourGradient::vertical (body.darker (0.35f), centre.y - radius,
                                                               body.darker (0.05f), centre.y + radius));
            g.fillPath (shape);
            drawInnerShadow (g, shape, juce::Colours::black.withAlpha (0.6f), 2.5f, { 0.0f, 2.0f });
        }
        else
        {
            // Lit from above; the body's own colour across the middle.
            auto shading = juce::ColourGradient::vertical (body.brighter (0.18f), centre.y - radius,
                                                           body.darker (0.12f), centre.y + radius);
            shading.addColour (0.5, body);
            g.setGradientFill (shading);
            g.fillPath (shape);

            juce::Path upperRim;
            upperRim.addCentredArc (centre.x, centre.y, radius - 1.25f, radius - 1.25f, 0.0f,
                                    juce::degreesToRadians (-60.0f), juce::degreesToRadians (60.0f), true);
            g.setColour (juce::Colours::white.withAlpha (0.22f));
            g.strokePath (upperRim, juce::PathStrokeType (1.5f, juce::PathStrokeType::curved,
                                                          juce::PathStrokeType::rounded));
        }

        g.setColour (juce::Colours::black.withAlpha (pressed ? 0.45f : 0.3f));
        g.strokePath (disc (centre, radius - 0.5f), juce::PathStrokeType (1.0f));
    }

    juce::Path powerSymbol (juce::Point<float> centre)
    {
        const auto radius = 8.5f;
        juce::Path symbol;
        symbol.addCentredArc (centre.x, centre.y + 1.0f, radius, radius, 0.0f,
                              juce::degreesToRadians (38.0f), juce::degreesToRadians (322.0f), true);
        symbol.startNewSubPath (centre.x, centre.y - radius - 0.5f);
        symbol.lineTo (centre.x, centre.y + 0.5f);

        juce::Path stroked;
        juce::PathStrokeType (2.6f, juce::PathStrokeType::curved, juce::PathStrokeType::rounded)
            .createStrokedPath (stroked, symbol);
        return stroked;
    }

    // A square split along its rising diagonal, the lower half filled.
    juce::Path resizeGlyph (juce::Point<float> centre, juce::Path& filledHalf)
    {
        const auto square = juce::Rectangle<float> (16.0f, 16.0f).withCentre (centre);

        juce::Path outline;
        outline.addRectangle (square);
        outline.startNewSubPath (square.getBottomLeft());
        outline.lineTo (square.getTopRight());

        filledHalf.clear();
        filledHalf.addTriangle (square.getBottomLeft(), square.getTopRight(), square.getBottomRight());

        juce::Path stroked;
        juce::PathStrokeType (2.0f, juce::PathStrokeType::mitered, juce::PathStrokeType::square)
            .createStrokedPath (stroked, outline);
        return stroked;
    }
}

void drawPadHandle (juce::Graphics& g)
{
    const auto centre = imageCentre (g);
    const auto ringRadius = 47.0f, ringWidth = 3.0f, dotRadius = 9.0f;

    juce::Path ring;
    juce::PathStrokeType (ringWidth).createStrokedPath (ring, disc (centre, ringRadius));
    auto handle = ring;
    handle.addPath (disc (centre, dotRadius));

    drawSoftShadow (g, handle, juce::Colours::black.withAlpha (0.6f), 3.0f, { 0.0f, 2.5f });

    // A faint tint inside the ring, like glass over the display.
    g.setColour (Palette::lightBlue.withAlpha (0.08f));
    g.fillPath (disc (centre, ringRadius - ringWidth * 0.5f));

    g.setColour (Palette::lightBlue);
    g.fillPath (handle);
}

void drawKnobIndicator (juce::Graphics& g)
{
    // The dot fills pixels 40 to 55 across and 8 to 23 down.
    g.setColour (Palette::indicatorDot);
    g.fillEllipse (40.0f, 8.0f, 16.0f, 16.0f);
}

void drawBiteWord (juce::Graphics& g, const ArtworkFonts& fonts, const juce::String& word, ButtonState state)
{
    const auto area = g.getClipBounds().toFloat();
    const auto capHeight = 15.0f;
    const auto baseline = 30.0f;

    const auto text = centredTextOutline (fonts.medium, word, capHeight, 0.22f, area.getCentreX(), baseline);
    const auto ink = text.getBounds();

    const auto wordColour = [state]
    {
        switch (state)
        {
            case ButtonState::active:   return Palette::plateText.brighter (0.3f);
            case ButtonState::hover:    return Palette::plateText;
            case ButtonState::pressed:  return Palette::plateText.withAlpha (0.5f);
            case ButtonState::inactive: break;
        }
        return Palette::plateText.withAlpha (0.72f);
    }();

    g.setColour (wordColour);
    g.fillPath (text);

    if (state == ButtonState::inactive)
        return;

    const auto underlineColour = state == ButtonState::active ? Palette::lightBlue
                                 : state == ButtonState::hover ? Palette::plateText.withAlpha (0.35f)
                                                               : Palette::plateText.withAlpha (0.55f);
    const juce::Rectangle<float> underline (std::round (ink.getX()), 38.0f, std::round (ink.getWidth()), 3.0f);

    if (state == ButtonState::active)
        drawSoftShadow (g, [&] { juce::Path p; p.addRectangle (underline); return p; }(),
                        Palette::lightBlue.withAlpha (0.6f), 2.5f);

    g.setColour (underlineColour);
    g.fillRect (underline);
}

void drawBypassButton (juce::Graphics& g, bool on, bool pressed)
{
    const auto body = on ? Palette::bypassOnDisc : Palette::buttonDisc;
    auto glyph = on ? Palette::bypassOnGlyph : Palette::buttonGlyph;
    if (pressed)
        glyph = glyph.darker (0.15f);

    drawButtonBody (g, body, pressed, false);

    const auto centre = imageCentre (g) + juce::Point<float> (0.0f, pressed ? 0.5f : 0.0f);
    g.setColour (glyph);
    g.fillPath (powerSymbol (centre));
}

void drawZoomButton (juce::Graphics& g, bool pressed)
{
    drawButtonBody (g, Palette::buttonDisc, pressed, ! pressed);

    const auto glyph = pressed ? Palette::buttonGlyph.brighter (0.5f) : Palette::buttonGlyph;
    juce::Path lowerHalf;
    const auto outline = resizeGlyph (imageCentre (g) + juce::Point<float> (0.0f, pressed ? 0.5f : 0.0f), lowerHalf);

    g.setColour (glyph.withAlpha (0.5f));
    g.fillPath (lowerHalf);
    g.setColour (glyph);
    g.fillPath (outline);
}

void drawPeakLamp (juce::Graphics& g, juce::Colour colour)
{
    const auto centre = imageCentre (g);
    const auto radius = 4.6f;

    juce::ColourGradient glow (colour.interpolatedWith (juce::Colours::white, 0.45f), centre.x - 1.0f, centre.y - 1.5f,
                               colour.darker (0.25f), centre.x + radius, centre.y + radius, true);
    glow.addColour (0.4, colour);
    g.setGradientFill (glow);
    g.fillPath (disc (centre, radius));
}
