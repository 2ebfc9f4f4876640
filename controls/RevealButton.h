#pragma once

#include "TavikButton.h"

// The closed face of a list picker: the selected item's text between a
// previous and a next arrow. Clicks on the face and on the arrows go to the
// listener.
class RevealButton : public juce::Component,
                     public TavikButton::Delegate
{
public:
    class Listener
    {
    public:
        virtual ~Listener() = default;

        virtual void revealButtonClicked (RevealButton* button) = 0;
        virtual void showNext() = 0;
        virtual void showPrevious() = 0;
        virtual bool canShowPrevious() = 0;
        virtual bool canShowNext() = 0;
    };

    RevealButton();

    void resized() override;
    void mouseUp (const juce::MouseEvent&) override;
    void paint (juce::Graphics&) override;

    // An arrow was clicked.
    void buttonClicked (TavikButton* button) override;

    Listener* listener = nullptr;
    juce::String text { "unknown" };
    TavikButton leftButton, rightButton;
    bool active = true;              // the face takes clicks only while set; drawn faint while clear

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (RevealButton)
};
