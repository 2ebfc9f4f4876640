#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// A plain push button drawn from one image. A release inside the button,
// right and bottom edges included, is a click and goes to the delegate.
class TavikButton : public juce::Component
{
public:
    class Delegate
    {
    public:
        virtual ~Delegate() = default;
        virtual void buttonClicked (TavikButton* button) = 0;
    };

    TavikButton() = default;

    void mouseDown (const juce::MouseEvent&) override;
    void mouseUp (const juce::MouseEvent&) override;
    void paint (juce::Graphics&) override;

    bool active = true;              // clicks reach the delegate only while set; the drawing is the same
    juce::Image image;               // stretched over the whole button
    Delegate* delegate = nullptr;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (TavikButton)
};
