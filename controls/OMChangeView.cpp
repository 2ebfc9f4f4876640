#include "OMChangeView.h"

#include "ControlFont.h"

namespace
{
    constexpr float fadeIncrement = 0.08f;
}

OMChangeView::OMChangeView()
{
    setInterceptsMouseClicks (false, false);
    setAlpha (0.0f);
}

void OMChangeView::fadeStep()
{
    if (shown)
        fadeLevel = juce::jmin (1.0f, fadeLevel + fadeIncrement);
    else if (fadeLevel != 0.0f)
        fadeLevel = juce::jmax (0.0f, fadeLevel - fadeIncrement);
    else
        return;

    setAlpha (fadeLevel);
}

void OMChangeView::paint (juce::Graphics& g)
{
    const auto bounds = getLocalBounds();

    g.setColour (juce::Colour (0xff26262b));
    g.fillRoundedRectangle (bounds.toFloat(), 8.0f);

    g.setColour (juce::Colour (0xbfffffff));
    g.setFont (controlFont (12.0f));

    if (! threeLines)
    {
        g.drawText (text, bounds, juce::Justification::centred, true);
        return;
    }

    const juce::Rectangle<int> inner (0, 4, getWidth(), juce::jmax (0, getHeight() - 8));
    g.drawText (topText, inner, juce::Justification::centredTop, true);
    g.drawText (centreText, bounds, juce::Justification::centred, true);
    g.drawText (bottomText, inner, juce::Justification::centredBottom, true);
}
