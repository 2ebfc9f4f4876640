#include "OMWindowZoom.h"

#include "TavikResources.h"

#include <cmath>

namespace
{
    const char* const zoomKey = "Zoom";

    juce::Image zoomImage (const char* data, int size)
    {
        return juce::ImageCache::getFromMemory (data, size);
    }
}

void OMWindowZoom::setup (juce::Component& view, OMSettings& store)
{
    contentView = &view;
    settings = &store;

    storeZoom (100);

    const auto normal = zoomImage (BinaryData::btn_zoom2x_png, BinaryData::btn_zoom2x_pngSize);
    const auto pressed = zoomImage (BinaryData::btn_zoom_mousedown2x_png, BinaryData::btn_zoom_mousedown2x_pngSize);
    const juce::Colour noTint (0x00ffffff);
    zoomButton.setImages (false, true, true,
                          normal, 1.0f, noTint,
                          normal, 1.0f, noTint,
                          pressed, 1.0f, noTint,
                          0.1f);
    zoomButton.addListener (this);

    zoomList.plate.host = contentView;
    zoomList.listId = 0;
    zoomList.delegate = this;
    zoomList.items = zoomChoices.data();
    zoomList.numItems = (int) zoomChoices.size();

    zoomList.selectedIndex = indexForZoom ((int) std::round (100.0f * getStoredZoom()));
    zoomList.refreshSelection();

    contentView->addAndMakeVisible (zoomButton);
}

void OMWindowZoom::buttonClicked (juce::Button*)
{
    if (! zoomList.isShowing())
        zoomList.toggleList();
    else if (zoomList.isListOpen())
        zoomList.closeList();
}

void OMWindowZoom::listSelectionChanged (int, int index)
{
    if (index < 0 || index >= (int) zoomPercentages.size())
        return;

    const int percentage = zoomPercentages[(size_t) index];
    const float scale = (float) percentage * 0.01f;

    storeZoom (percentage);
    currentScale = scale;

    // The framework keeps a window's size in screen pixels when the scale
    // changes; give the window its logical size again so that it grows or
    // shrinks with the scale.
    auto* window = contentView != nullptr ? contentView->getTopLevelComponent() : nullptr;
    const auto logicalBounds = window != nullptr ? window->getBounds() : juce::Rectangle<int>();
    juce::Desktop::getInstance().setGlobalScaleFactor (scale);
    if (window != nullptr && window->isOnDesktop())
        window->setBounds (logicalBounds);

    if (zoomList.isListOpen())
        zoomList.closeList();
}

juce::Rectangle<float> OMWindowZoom::getListBounds (int)
{
    return { 25.0f, 10.0f, 80.0f, 220.0f };
}

float OMWindowZoom::getStoredZoom()
{
    if (settings == nullptr)
        return currentScale;

    const float stored = settings->getProperties().getValue (zoomKey, "100").getFloatValue();
    if (! (stored >= 20.0f && stored <= 300.0f))
        return currentScale;

    return stored * 0.01f;
}

int OMWindowZoom::indexForZoom (int percentage)
{
    for (size_t i = 0; i < zoomPercentages.size(); ++i)
        if (zoomPercentages[i] == percentage)
            return (int) i;

    return 1;
}

void OMWindowZoom::storeZoom (int percentage)
{
    if (settings == nullptr)
        return;

    auto& properties = settings->getProperties();
    properties.setValue (zoomKey, juce::String (percentage));
    properties.save();
}
