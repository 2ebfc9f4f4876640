#include "OMMultiSwitch.h"

int OMMultiSwitch::currentPosition() const
{
    return juce::jmin ((int) ((float) numPositions * value), numPositions - 1);
}

std::optional<float> OMMultiSwitch::newValueForReleaseAt (int x) const
{
    if (numPositions < 2)
        return {};

    if (numPositions == 2)
        return (float) ((currentPosition() + 1) % 2) * 0.5f;

    const auto clicked = juce::jlimit (0, numPositions - 1,
                                       (int) ((float) x / (float) getWidth() * (float) numPositions));

    if (clicked == currentPosition())
        return {};

    return (float) clicked / (float) numPositions;
}

void OMMultiSwitch::mouseDown (const juce::MouseEvent&)
{
    pressed = true;
    repaint();
}

void OMMultiSwitch::mouseUp (const juce::MouseEvent& e)
{
    pressed = false;

    if (getLocalBounds().contains (e.getPosition()) && callback != nullptr)
    {
        if (const auto newValue = newValueForReleaseAt (e.x))
        {
            setValue (*newValue);
            callback->beginGesture (this, tag);
            callback->valueChanged (this, tag, value);
            callback->endGesture (this, tag);
        }
    }

    repaint();
}

void OMMultiSwitch::paint (juce::Graphics& g)
{
    // Array's operator[] gives an invalid image for a missing position.
    const auto image = (pressed ? pressedImages : images)[currentPosition()];

    if (image.isValid())
        g.drawImage (image, getLocalBounds().toFloat(), juce::RectanglePlacement::stretchToFit);
}
