#pragma once

#include <juce_graphics/juce_graphics.h>

// Blurs a single-channel image in place with a Gaussian of the given standard
// deviation in pixels. Plain single-precision arithmetic in a fixed order, so
// the result depends only on the input.
void gaussianBlur (juce::Image& singleChannel, float sigma);

// Paints the soft shadow (or glow) of a shape: the shape's coverage, moved by
// offset and blurred with sigma, filled with colour.
void drawSoftShadow (juce::Graphics& g, const juce::Path& shape, juce::Colour colour,
                     float sigma, juce::Point<float> offset = {});

// Paints a shadow that falls inside a shape from its edges: what lies outside
// the shape, blurred and moved by offset, clipped to the shape.
void drawInnerShadow (juce::Graphics& g, const juce::Path& shape, juce::Colour colour,
                      float sigma, juce::Point<float> offset);
