#include "BackgroundPlate.h"

void BackgroundPlate::mouseDown (const juce::MouseEvent&)
{
    if (listener != nullptr)
        listener->backgroundPlateClicked();
}

void BackgroundPlate::paint (juce::Graphics& g)
{
    // Black at alpha 10 of 255: the host stays visible, slightly dimmed.
    g.fillAll (juce::Colour (0x0a000000));
}
