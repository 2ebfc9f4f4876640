#include "MeterLine.h"

void MeterLine::paint (juce::Graphics& g)
{
    if (level > 1.0f)
        level = 1.0f;

    const auto length = level * (float) getWidth();

    if (length > 0.0f)
    {
        g.setColour (juce::Colour (0xffabcec5));
        g.fillRect (juce::Rectangle<float> (0.0f, 0.0f, length, 1.0f));
    }
}
