#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// A one-pixel-high bar along the top edge whose length from the left shows a
// level from 0 to 1. The owner writes level and repaints.
class MeterLine : public juce::Component
{
public:
    MeterLine() = default;

    // Limits a level above 1 to 1 before drawing.
    void paint (juce::Graphics&) override;

    float level = 0.0f;              // the fraction of the width to fill

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MeterLine)
};
