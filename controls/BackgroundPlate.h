#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// A nearly transparent plate laid over a host component while a list is open.
// The open list is its child; a press anywhere else on the plate goes to the
// listener, which closes the list.
class BackgroundPlate : public juce::Component
{
public:
    class Listener
    {
    public:
        virtual ~Listener() = default;
        virtual void backgroundPlateClicked() = 0;
    };

    BackgroundPlate() = default;

    void mouseDown (const juce::MouseEvent&) override;
    void paint (juce::Graphics&) override;

    Listener* listener = nullptr;
    juce::Component* host = nullptr;     // the component the plate covers while shown

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (BackgroundPlate)
};
