#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <cmath>

// A layer of a component that stays the same from paint to paint, such as
// artwork resampled to its place, kept as an image in device pixels so that a
// paint copies it instead of resampling again. The copy is remade when the
// device scale or the layer's area changes, or after invalidate().
//
// Copying matches drawing afresh only where the area lies on whole device
// pixels; elsewhere (a zoom that puts the component between pixels) the layer
// is drawn afresh.
class LayerCache
{
public:
    // Paints the layer, which drawLayer (juce::Graphics&) draws within `area`
    // in the component's coordinates.
    template <typename DrawLayer>
    void paint (juce::Graphics& g, const juce::Component& component, juce::Rectangle<int> area, DrawLayer&& drawLayer)
    {
        const float scale = g.getInternalContext().getPhysicalPixelScaleFactor();
        const auto* topLevel = component.getTopLevelComponent();
        const auto deviceArea = topLevel->getLocalArea (&component, area).toFloat() * scale;

        if (! liesOnWholePixels (deviceArea))
        {
            drawLayer (g);
            return;
        }

        if (image.isNull() || scale != imageScale || area != imageArea)
        {
            image = juce::Image (juce::Image::ARGB, juce::jmax (1, juce::roundToInt (deviceArea.getWidth())),
                                 juce::jmax (1, juce::roundToInt (deviceArea.getHeight())), true);
            imageScale = scale;
            imageArea = area;

            juce::Graphics device (image);
            device.addTransform (juce::AffineTransform::translation ((float) -area.getX(), (float) -area.getY()).scaled (scale));
            drawLayer (device);
        }

        g.drawImageTransformed (image,
                                juce::AffineTransform::scale ((float) area.getWidth() / (float) image.getWidth(),
                                                              (float) area.getHeight() / (float) image.getHeight())
                                    .translated (area.getPosition()),
                                false);
    }

    void invalidate() { image = {}; }

private:
    static bool liesOnWholePixels (juce::Rectangle<float> r)
    {
        const auto whole = [] (float v) { return v == std::round (v); };
        return whole (r.getX()) && whole (r.getY()) && whole (r.getWidth()) && whole (r.getHeight());
    }

    juce::Image image;
    float imageScale = 0.0f;
    juce::Rectangle<int> imageArea;
};
