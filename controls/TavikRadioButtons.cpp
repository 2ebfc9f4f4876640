#include "TavikRadioButtons.h"

#include "TavikResources.h"

//==============================================================================
void TavikRadioButtons::TavikRadioButton::setup (const juce::String& inactiveName, const juce::String& activeName,
                                                 const juce::String& hoverName, const juce::String& pressedName,
                                                 TavikRadioButtonDelegate* newDelegate, int newIndex)
{
    imageInset = 24.0f;
    delegate = newDelegate;
    index = newIndex;
    pressed = false;
    selected = false;
    hovered = false;

    inactiveImage = getNamedImage (inactiveName);
    activeImage = getNamedImage (activeName);
    hoverImage = getNamedImage (hoverName);
    pressedImage = getNamedImage (pressedName);
}

void TavikRadioButtons::TavikRadioButton::mouseEnter (const juce::MouseEvent&)
{
    hovered = true;
    repaint();
}

void TavikRadioButtons::TavikRadioButton::mouseExit (const juce::MouseEvent&)
{
    hovered = false;
    repaint();
}

void TavikRadioButtons::TavikRadioButton::mouseDown (const juce::MouseEvent&)
{
    pressed = true;
    repaint();
}

void TavikRadioButtons::TavikRadioButton::mouseUp (const juce::MouseEvent& e)
{
    pressed = false;

    // The right and bottom edges lie outside the button.
    if (getLocalBounds().contains (e.getPosition()) && ! selected && delegate != nullptr)
        delegate->radioButtonClicked (index);

    repaint();
}

const juce::Image& TavikRadioButtons::TavikRadioButton::imageForState() const
{
    if (selected)
        return activeImage;

    if (hovered)
        return pressed ? pressedImage : hoverImage;

    return inactiveImage;
}

void TavikRadioButtons::TavikRadioButton::paint (juce::Graphics& g)
{
    const auto& image = imageForState();

    if (image.isValid())
        g.drawImage (image,
                     { 0.0f, imageInset / 2.0f, (float) getWidth(), (float) getHeight() - imageInset },
                     juce::RectanglePlacement::stretchToFit);
}

//==============================================================================
void TavikRadioButtons::setValue (float newValue)
{
    value = newValue;

    if (numButtons == 0)
        return;

    auto selection = (int) std::round (newValue * (float) numButtons);

    if (selection >= numButtons)
        selection = numButtons - 1;

    for (int i = 0; i < numButtons; ++i)
    {
        buttons[(size_t) i].selected = (i == selection);
        buttons[(size_t) i].repaint();
    }
}

void TavikRadioButtons::selectIndex (int i)
{
    if (callback == nullptr || ! juce::isPositiveAndBelow (i, numButtons))
        return;

    for (int j = 0; j < numButtons; ++j)
    {
        buttons[(size_t) j].selected = (j == i);
        buttons[(size_t) j].repaint();
    }

    // The group's own value follows from the parameter on the owner's next sync.
    const auto newValue = (float) i / (float) numButtons;

    callback->beginGesture (this, tag);
    callback->valueChanged (this, tag, newValue);
    callback->endGesture (this, tag);
}

void TavikRadioButtons::radioButtonClicked (int index)
{
    selectIndex (index);
}

void TavikRadioButtons::addButton (const juce::String& inactiveName, const juce::String& activeName,
                                   const juce::String& hoverName, const juce::String& pressedName)
{
    if (numButtons == maxButtons)
        return;

    auto& button = buttons[(size_t) numButtons];
    button.layoutWidth = 67.0f;
    button.layoutHeight = 26.0f;
    button.extraHeight = 24.0f;
    button.setup (inactiveName, activeName, hoverName, pressedName, this, numButtons);
    addAndMakeVisible (button);

    ++numButtons;
}

TavikRadioButtons::TavikRadioButton* TavikRadioButtons::getButton (int i) noexcept
{
    return juce::isPositiveAndBelow (i, numButtons) ? &buttons[(size_t) i] : nullptr;
}

void TavikRadioButtons::resized()
{
    auto x = 0.0f;

    for (int i = 0; i < numButtons; ++i)
    {
        auto& button = buttons[(size_t) i];
        button.setBounds ((int) x, 0, (int) button.layoutWidth, (int) (button.layoutHeight + button.extraHeight));
        x += button.layoutWidth + spacing;
    }
}
