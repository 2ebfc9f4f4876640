#include "RevealButton.h"

#include "ControlFont.h"

namespace
{
    constexpr int arrowWidth = 14;
}

RevealButton::RevealButton()
{
    leftButton.image = getNamedImage ("btn_modelpicker_prev");
    leftButton.delegate = this;
    addAndMakeVisible (leftButton);

    rightButton.image = getNamedImage ("btn_modelpicker_next");
    rightButton.delegate = this;
    addAndMakeVisible (rightButton);
}

void RevealButton::resized()
{
    leftButton.setBounds (0, 0, arrowWidth, getHeight());
    rightButton.setBounds (getWidth() - arrowWidth, 0, arrowWidth, getHeight());
}

void RevealButton::mouseUp (const juce::MouseEvent& e)
{
    // Right and bottom edges count as inside.
    const auto inside = e.x >= 0 && e.x <= getWidth() && e.y >= 0 && e.y <= getHeight();

    if (active && inside && listener != nullptr)
        listener->revealButtonClicked (this);
}

void RevealButton::buttonClicked (TavikButton* button)
{
    if (listener == nullptr)
        return;

    if (button == &leftButton)
        listener->showPrevious();
    else if (button == &rightButton)
        listener->showNext();
}

void RevealButton::paint (juce::Graphics& g)
{
    g.setColour (juce::Colour (0xff0a0f15));

    if (! active)
        g.setOpacity (0.3f);

    g.setFont (controlFont (18.0f));
    g.drawText (text, juce::Rectangle<int> (0, 4, getWidth(), getHeight()), juce::Justification::centredTop, true);
}
