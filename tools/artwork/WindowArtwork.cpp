#include "Artwork.h"
#include "EditorLayout.h"
#include "Palette.h"
#include "Shading.h"

// The window background (1596 x 1134) and the XY pad's axis overlay (1270 x 696).

void drawWindowBackground (juce::Graphics& g, const ArtworkFonts&)
{
    const auto bounds = g.getClipBounds().toFloat();
    const auto& placement = EditorLayout::backgroundPlacement;
    const auto scaleX = bounds.getWidth() / placement.getWidth();
    const auto scaleY = bounds.getHeight() / placement.getHeight();

    // The window's face where the editor's transform puts the window.
    const auto window = EditorLayout::window.toFloat();
    const juce::Rectangle<float> face ((window.getX() - placement.getX()) * scaleX,
                                       (window.getY() - placement.getY()) * scaleY,
                                       window.getWidth() * scaleX,
                                       window.getHeight() * scaleY);
    juce::Path facePath;
    facePath.addRoundedRectangle (face, 24.0f);

    // A wide halo and a tighter, brighter rim of light around the face.
    drawSoftShadow (g, facePath, Palette::faceGlow.withAlpha (0.5f), 30.0f);
    drawSoftShadow (g, facePath, Palette::faceGlow.withAlpha (0.45f), 8.0f);

    // Face: flat in the middle, darkening towards its edges along an ellipse
    // that has the face's proportions.
    juce::ColourGradient shading (Palette::faceCentre, face.getCentreX(), face.getCentreY(),
                                  Palette::faceEdge, face.getRight(), face.getCentreY(), true);
    shading.addColour (0.3, Palette::faceCentre);
    g.setFillType (juce::FillType (shading)
                       .transformed (juce::AffineTransform::scale (1.0f, face.getHeight() / face.getWidth(),
                                                                   face.getCentreX(), face.getCentreY())));
    g.fillPath (facePath);

    // A faint sheen from the top left and a fine light edge finish the face.
    g.setGradientFill (juce::ColourGradient (juce::Colours::white.withAlpha (0.02f), face.getX(), face.getY(),
                                             juce::Colours::white.withAlpha (0.0f), face.getCentreX(), face.getBottom(), false));
    g.fillPath (facePath);

    g.setColour (juce::Colours::white.withAlpha (0.07f));
    g.strokePath (facePath, juce::PathStrokeType (2.0f), juce::AffineTransform());
}

namespace
{
    // Maps pad coordinates (logical units) to pixels of the axis overlay.
    struct PadToOverlay
    {
        float scaleX, scaleY;

        juce::Point<float> operator() (juce::Point<float> padPoint) const
        {
            const auto& overlay = EditorLayout::padOverlay;
            return { (padPoint.x - overlay.getX()) * scaleX, (padPoint.y - overlay.getY()) * scaleY };
        }
    };

    juce::Path scaleLabel (const ArtworkFonts& fonts, const juce::String& text, float capHeight)
    {
        return textOutline (fonts.regular, text, capHeight, 0.02f);
    }
}

void drawPadAxes (juce::Graphics& g, const ArtworkFonts& fonts)
{
    const auto bounds = g.getClipBounds().toFloat();
    const PadToOverlay toPixels { bounds.getWidth() / EditorLayout::padOverlay.getWidth(),
                                  bounds.getHeight() / EditorLayout::padOverlay.getHeight() };

    // The scale frames the travel of the handle's centre: the corners are the
    // two values' extremes. Edges snap to whole pixels so the lines stay crisp.
    const auto travelStart = toPixels (EditorLayout::padOrigin);
    const auto travelEnd = toPixels (EditorLayout::padOrigin + EditorLayout::padTravel);
    const auto left = std::round (travelStart.x), right = std::round (travelEnd.x);
    const auto top = std::round (travelStart.y), bottom = std::round (travelEnd.y);
    const auto middleX = std::round ((left + right) * 0.5f), middleY = std::round ((top + bottom) * 0.5f);

    constexpr float line = 2.0f, mark = 5.0f, markLength = 30.0f, tick = 12.0f, capHeight = 15.0f;

    juce::Path frame;
    frame.addRectangle (left - line * 0.5f, top - line * 0.5f, right - left + line, line);
    frame.addRectangle (left - line * 0.5f, bottom - line * 0.5f, right - left + line, line);
    frame.addRectangle (left - line * 0.5f, top - line * 0.5f, line, bottom - top + line);
    frame.addRectangle (right - line * 0.5f, top - line * 0.5f, line, bottom - top + line);

    // Ticks outside the frame where the labels point.
    for (auto x : { left, middleX, right })
        frame.addRectangle (x - line * 0.5f, bottom, line, tick);
    for (auto y : { top, middleY, bottom })
        frame.addRectangle (left - tick, y - line * 0.5f, tick, line);

    // Corner marks: brackets that share the frame's outer edge and grow inwards.
    juce::Path corners;
    for (auto x : { left, right })
    {
        for (auto y : { top, bottom })
        {
            const auto inwardX = x == left ? 1.0f : -1.0f;
            const auto inwardY = y == top ? 1.0f : -1.0f;
            const juce::Point<float> outerCorner { x - inwardX * line * 0.5f, y - inwardY * line * 0.5f };
            corners.addRectangle (juce::Rectangle<float> (outerCorner, outerCorner + juce::Point<float> (inwardX * markLength, inwardY * mark)));
            corners.addRectangle (juce::Rectangle<float> (outerCorner, outerCorner + juce::Point<float> (inwardX * mark, inwardY * markLength)));
        }
    }
    corners.setUsingNonZeroWinding (true);

    juce::Path labels;
    const juce::String amountLabels[] { "100", "50", "0" };
    const float amountRows[] { top, middleY, bottom };
    for (int i = 0; i < 3; ++i)
    {
        auto text = scaleLabel (fonts, amountLabels[i], capHeight);
        const auto ink = text.getBounds();
        text.applyTransform (juce::AffineTransform::translation (left - tick - 8.0f - ink.getRight(),
                                                                 amountRows[i] + capHeight * 0.5f));
        labels.addPath (text);
    }

    const juce::String frequencyLabels[] { "100 Hz", "550 Hz", "1 kHz" };
    const float frequencyColumns[] { left, middleX, right };
    for (int i = 0; i < 3; ++i)
        labels.addPath (centredTextOutline (fonts.regular, frequencyLabels[i], capHeight, 0.02f,
                                            frequencyColumns[i], bottom + tick + 6.0f + capHeight));

    // A soft dark edge keeps the scale legible over the trace and the window.
    juce::Path everything (frame);
    everything.addPath (corners);
    everything.addPath (labels);
    drawSoftShadow (g, everything, juce::Colours::black.withAlpha (0.35f), 1.5f, { 0.0f, 1.0f });

    g.setColour (Palette::axisYellow.withAlpha (0.7f));
    g.fillPath (frame);
    g.setColour (Palette::axisYellow);
    g.fillPath (corners);
    g.setColour (Palette::axisYellow.withAlpha (0.92f));
    g.fillPath (labels);
}
