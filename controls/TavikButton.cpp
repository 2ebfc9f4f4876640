#include "TavikButton.h"

void TavikButton::mouseDown (const juce::MouseEvent&)
{
    repaint();
}

void TavikButton::mouseUp (const juce::MouseEvent& e)
{
    const auto inside = e.x >= 0 && e.x <= getWidth() && e.y >= 0 && e.y <= getHeight();

    if (inside && delegate != nullptr && active)
        delegate->buttonClicked (this);

    repaint();
}

void TavikButton::paint (juce::Graphics& g)
{
    if (image.isValid())
        g.drawImage (image, getLocalBounds().toFloat(), juce::RectanglePlacement::stretchToFit);
}
