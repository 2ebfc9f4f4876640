#pragma once

#include "EComponent.h"
#include "LayerCache.h"

// The two-parameter pad over the display window: a round handle whose
// horizontal position drives one parameter and whose vertical position
// (high at the top) drives another. The axis artwork is drawn over the handle.
//
// A drag that starts on the handle moves both values (Alt for fine control)
// and reports both on every step, inside a gesture on each parameter. A press
// elsewhere moves nothing. While any press on the pad is held, the owner's
// periodic sync leaves the pad alone.
//
// The base's single value and tag are unused: use the per-axis operations.
class XYPad : public EComponent
{
public:
    XYPad() = default;

    void setHandleImage (const juce::Image& image);
    void setOverlayImage (const juce::Image& image);

    // The indices of the parameters driven by the horizontal and vertical axes.
    void setAxisTags (int horizontalTag, int verticalTag);

    // The owner sets the values through the per-axis operations only.
    void setValue (float) override {}
    void setValue (float, bool) override {}

    // The value of the axis bound to this parameter; 0 for any other.
    float getValueForTag (int parameterTag) const override;

    // Sets the value of every axis bound to this parameter, then repaints.
    void setValueForTag (int parameterTag, float newValue) override;

    // Pulls both parameters through the callback; returns true and repaints
    // when either axis changed. Returns false at once while a press on the
    // pad is held. The callback must be set.
    bool syncWithParameter (bool notify) override;

    void mouseDown (const juce::MouseEvent&) override;
    void mouseDrag (const juce::MouseEvent&) override;
    void mouseUp (const juce::MouseEvent&) override;

    void paint (juce::Graphics&) override;

    // The area in which a press grabs the handle, in the pad's coordinates.
    juce::Rectangle<float> getGrabArea() const;

    bool isDragging() const noexcept  { return dragging; }
    bool isPressHeld() const noexcept { return mouseIsDown; }

private:
    // The centre of the drawn handle.
    juce::Point<float> getHandleCentre() const;

    int xParameter = -1, yParameter = -1;
    float handleRadius = 30.0f;
    float xValue = 0.0f, yValue = 0.0f;
    juce::Point<int> lastMousePosition;
    juce::Image handleImage;
    bool dragging = false;                  // a drag that began on the handle
    float hitMarginLeft = 15.0f, hitMarginBottom = 10.0f;
    juce::Image overlayImage;
    LayerCache overlayLayer;                // the axis artwork, resampled once per device scale
    juce::Point<float> travel { 381.0f, 287.0f };   // pixels for a change of 1 on each axis
    juce::Point<float> origin { 37.0f, 23.0f };     // handle centre at x value 0 and y value 1
    bool mouseIsDown = false;               // a press on the pad not yet released

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (XYPad)
};
