#include "Shading.h"

#include <cmath>
#include <vector>

namespace
{
    std::vector<float> gaussianKernel (float sigma)
    {
        const auto radius = juce::jmax (1, (int) std::ceil (3.0f * sigma));
        std::vector<float> kernel ((size_t) (2 * radius + 1));
        double sum = 0.0;

        for (int i = -radius; i <= radius; ++i)
        {
            const auto w = std::exp (-0.5 * (double) (i * i) / (double) (sigma * sigma));
            kernel[(size_t) (i + radius)] = (float) w;
            sum += w;
        }

        for (auto& w : kernel)
            w = (float) (w / sum);

        return kernel;
    }

    // One pass of the separable blur along rows (step 1) or columns (step width).
    void convolve (const std::vector<float>& source, std::vector<float>& target,
                   int width, int height, bool alongRows, const std::vector<float>& kernel)
    {
        const auto radius = (int) kernel.size() / 2;
        const auto length = alongRows ? width : height;
        const auto lines = alongRows ? height : width;
        const auto step = alongRows ? 1 : width;
        const auto lineStep = alongRows ? width : 1;

        for (int line = 0; line < lines; ++line)
        {
            const auto* in = source.data() + line * lineStep;
            auto* out = target.data() + line * lineStep;

            for (int i = 0; i < length; ++i)
            {
                float sum = 0.0f;
                const auto first = juce::jmax (0, i - radius);
                const auto last = juce::jmin (length - 1, i + radius);

                for (int j = first; j <= last; ++j)
                    sum += in[j * step] * kernel[(size_t) (j - i + radius)];

                out[i * step] = sum;
            }
        }
    }
}

void gaussianBlur (juce::Image& singleChannel, float sigma)
{
    jassert (singleChannel.getFormat() == juce::Image::SingleChannel);

    const auto width = singleChannel.getWidth();
    const auto height = singleChannel.getHeight();
    const auto kernel = gaussianKernel (sigma);

    std::vector<float> values ((size_t) (width * height));
    std::vector<float> scratch (values.size());

    juce::Image::BitmapData bitmap (singleChannel, juce::Image::BitmapData::readWrite);

    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            values[(size_t) (y * width + x)] = *bitmap.getPixelPointer (x, y);

    convolve (values, scratch, width, height, true, kernel);
    convolve (scratch, values, width, height, false, kernel);

    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            *bitmap.getPixelPointer (x, y) = (juce::uint8) juce::jlimit (0, 255, (int) std::lround (values[(size_t) (y * width + x)]));
}

void drawSoftShadow (juce::Graphics& g, const juce::Path& shape, juce::Colour colour,
                     float sigma, juce::Point<float> offset)
{
    const auto margin = (int) std::ceil (3.0f * sigma) + 2;
    const auto area = shape.getBounds().translated (offset.x, offset.y)
                          .getSmallestIntegerContainer().expanded (margin);

    juce::Image mask (juce::Image::SingleChannel, area.getWidth(), area.getHeight(), true,
                      juce::SoftwareImageType());
    {
        juce::Graphics maskGraphics (mask);
        maskGraphics.setColour (juce::Colours::white);
        maskGraphics.fillPath (shape, juce::AffineTransform::translation (offset.x - (float) area.getX(),
                                                                          offset.y - (float) area.getY()));
    }

    gaussianBlur (mask, sigma);

    g.setColour (colour);
    g.drawImageAt (mask, area.getX(), area.getY(), true);
}

void drawInnerShadow (juce::Graphics& g, const juce::Path& shape, juce::Colour colour,
                      float sigma, juce::Point<float> offset)
{
    const auto margin = std::ceil (3.0f * sigma) + std::abs (offset.x) + std::abs (offset.y) + 2.0f;

    juce::Path outside;
    outside.addRectangle (shape.getBounds().expanded (margin));
    outside.addPath (shape);
    outside.setUsingNonZeroWinding (false);

    juce::Graphics::ScopedSaveState state (g);
    g.reduceClipRegion (shape);
    drawSoftShadow (g, outside, colour, sigma, offset);
}
