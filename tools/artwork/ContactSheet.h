#pragma once

#include "Typography.h"

#include <vector>

struct RenderedArtwork
{
    juce::String fileName;
    juce::Image image;
};

// One overview picture for review: the editor assembled from the artwork at
// its layout, then every image on a neutral ground with its resource name and
// pixel size. Small images are magnified without smoothing, so single pixels
// can be judged; the largest are shown at half size.
juce::Image drawContactSheet (const std::vector<RenderedArtwork>& artwork, const ArtworkFonts& fonts);
