#pragma once

#include "EComponent.h"
#include "TavikRadioButtonDelegate.h"

#include <array>

// A row of mutually exclusive image buttons bound to one parameter. With n
// buttons, button i stands for the value i / n. The group itself draws nothing.
class TavikRadioButtons : public EComponent,
                          public TavikRadioButtonDelegate
{
public:
    // One button of the group, drawn from four images: inactive, active
    // (selected), hover and pressed. The group configures it.
    class TavikRadioButton : public juce::Component
    {
    public:
        TavikRadioButton() = default;

        // Loads the four images by base name and stores the group and position.
        void setup (const juce::String& inactiveName, const juce::String& activeName,
                    const juce::String& hoverName, const juce::String& pressedName,
                    TavikRadioButtonDelegate* newDelegate, int newIndex);

        void mouseEnter (const juce::MouseEvent&) override;
        void mouseExit (const juce::MouseEvent&) override;
        void mouseDown (const juce::MouseEvent&) override;
        void mouseUp (const juce::MouseEvent&) override;
        void paint (juce::Graphics&) override;

        float imageInset = 24.0f;    // vertical margin around the image, half above and half below
        juce::Image inactiveImage, activeImage, hoverImage, pressedImage;
        int index = 0;
        bool selected = false;
        bool hovered = false;
        bool pressed = false;
        TavikRadioButtonDelegate* delegate = nullptr;
        float layoutWidth = 0.0f, layoutHeight = 0.0f, extraHeight = 0.0f;

    private:
        const juce::Image& imageForState() const;

        JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (TavikRadioButton)
    };

    static constexpr int maxButtons = 10;

    TavikRadioButtons() = default;

    // Stores the value and selects the button that stands for it. Sends nothing.
    void setValue (float newValue) override;
    using EComponent::setValue;

    // Selects button i and reports the value i / n as one complete gesture.
    // Ignored for an index that is not a button's, and without a callback.
    virtual void selectIndex (int i);

    // Configures and shows the next free button. Once all ten are in use,
    // further calls change nothing.
    void addButton (const juce::String& inactiveName, const juce::String& activeName,
                    const juce::String& hoverName, const juce::String& pressedName);

    int getNumButtons() const noexcept { return numButtons; }

    // The button at index i, or nullptr if no such button has been added.
    TavikRadioButton* getButton (int i) noexcept;

    // A button reports a click: the same as selectIndex.
    void radioButtonClicked (int index) override;

    void resized() override;

    float spacing = 24.0f;           // horizontal gap between neighbouring buttons

private:
    std::array<TavikRadioButton, maxButtons> buttons;
    int numButtons = 0;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (TavikRadioButtons)
};
