#pragma once

#include "Typography.h"

#include <functional>
#include <tuple>
#include <vector>

// One picture of the editor's artwork: its file name (which gives its
// resource name), its pixel size and how to draw it into a cleared image of
// that size.
struct ArtworkImage
{
    juce::String fileName;
    int width = 0;
    int height = 0;
    std::function<void (juce::Image&, const ArtworkFonts&)> draw;
};

// Every image the editor uses, in the order of the contact sheet.
std::vector<ArtworkImage> artworkCatalogue();

juce::Image renderArtwork (const ArtworkImage& image, const ArtworkFonts& fonts);

// Window artwork.
void drawWindowBackground (juce::Graphics& g, const ArtworkFonts& fonts);
void drawFrontPlate (juce::Image& plate, const ArtworkFonts& fonts);
void drawPadAxes (juce::Graphics& g, const ArtworkFonts& fonts);

// Control artwork.
void drawPadHandle (juce::Graphics& g);
void drawKnobIndicator (juce::Graphics& g);

enum class ButtonState { inactive, active, hover, pressed };
void drawBiteWord (juce::Graphics& g, const ArtworkFonts& fonts, const juce::String& word, ButtonState state);

void drawBypassButton (juce::Graphics& g, bool on, bool pressed);
void drawZoomButton (juce::Graphics& g, bool pressed);
void drawPeakLamp (juce::Graphics& g, juce::Colour colour);
