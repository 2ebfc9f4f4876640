#pragma once

#include "OMSettings.h"
#include "TavikList.h"

#include <array>

// The editor's zoom: an image button in the top-left corner opens a list of six
// zoom levels; a choice rescales every window of the process through the
// framework's global scale factor and is written to the settings file.
class OMWindowZoom : public juce::Button::Listener,
                     public TavikList::Delegate
{
public:
    OMWindowZoom() = default;
    ~OMWindowZoom() override = default;

    // Called once by the editor, after it has its size.
    void setup (juce::Component& contentView, OMSettings& settings);

    void buttonClicked (juce::Button*) override;
    void buttonStateChanged (juce::Button*) override {}
    void listSelectionChanged (int listId, int index) override;
    juce::Rectangle<float> getListBounds (int listId) override;

    float getStoredZoom();
    static int indexForZoom (int percentage);

    static constexpr std::array<const char*, 6> zoomChoices { "75%", "100%", "125%", "150%", "175%", "200%" };
    static constexpr std::array<int, 6> zoomPercentages { 75, 100, 125, 150, 175, 200 };

    float currentScale = 1.0f;
    juce::Component* contentView = nullptr;
    OMSettings* settings = nullptr;
    juce::ImageButton zoomButton;
    TavikList zoomList;

private:
    void storeZoom (int percentage);

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (OMWindowZoom)
};
