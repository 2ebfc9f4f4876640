#pragma once

#include "EComponent.h"

#include <optional>

// An image switch with a fixed number of positions n; position i stands for
// the value i / n. With two positions every click toggles it; with more, a
// click selects the position under the pointer, the width being divided into
// n equal zones. A click is a press and a release inside the switch.
class OMMultiSwitch : public EComponent
{
public:
    OMMultiSwitch() = default;

    void mouseDown (const juce::MouseEvent&) override;
    void mouseUp (const juce::MouseEvent&) override;
    void paint (juce::Graphics&) override;
    void resized() override {}

    int numPositions = 2;
    juce::Array<juce::Image> images;         // one per position
    juce::Array<juce::Image> pressedImages;  // one per position, shown while a button is down
    bool pressed = false;

private:
    // The position that shows the current value.
    int currentPosition() const;

    // The value a release at x selects, or nothing when the click changes nothing.
    std::optional<float> newValueForReleaseAt (int x) const;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (OMMultiSwitch)
};
