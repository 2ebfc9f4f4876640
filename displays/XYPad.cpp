#include "XYPad.h"

namespace
{
    constexpr float fineFactor = 0.1f;
    const juce::Rectangle<int> overlayArea { -91, -1, 636, 348 };

    bool differs (float a, float b)
    {
        return std::abs (a - b) > std::numeric_limits<float>::epsilon();
    }
}

void XYPad::setHandleImage (const juce::Image& image)
{
    handleImage = image;
}

void XYPad::setOverlayImage (const juce::Image& image)
{
    overlayImage = image;
    overlayLayer.invalidate();
}

void XYPad::setAxisTags (int horizontalTag, int verticalTag)
{
    xParameter = horizontalTag;
    yParameter = verticalTag;
}

float XYPad::getValueForTag (int parameterTag) const
{
    if (parameterTag == xParameter)
        return xValue;

    if (parameterTag == yParameter)
        return yValue;

    return 0.0f;
}

void XYPad::setValueForTag (int parameterTag, float newValue)
{
    if (parameterTag == xParameter)
        xValue = newValue;

    if (parameterTag == yParameter)
        yValue = newValue;

    repaint();
}

bool XYPad::syncWithParameter (bool notify)
{
    if (mouseIsDown)
        return false;

    const auto x = callback->getParameterValue (xParameter);
    const auto y = callback->getParameterValue (yParameter);
    bool changed = false;

    if (differs (xValue, x))
    {
        xValue = x;
        changed = true;

        if (notify)
            callback->valueChanged (this, xParameter, x);
    }

    if (differs (yValue, y))
    {
        yValue = y;
        changed = true;

        if (notify)
            callback->valueChanged (this, yParameter, y);
    }

    if (changed)
        repaint();

    return changed;
}

juce::Rectangle<float> XYPad::getGrabArea() const
{
    // Measured from other margins than the drawn handle: it can lie a few
    // pixels off the artwork.
    const auto size = 2.0f * handleRadius;
    const auto left = hitMarginLeft + xValue * ((float) getWidth() - hitMarginLeft - size);
    const auto top = (1.0f - yValue) * ((float) getHeight() - hitMarginBottom - size);
    return { left, top, size, size };
}

juce::Point<float> XYPad::getHandleCentre() const
{
    return { origin.x + xValue * travel.x, origin.y + (1.0f - yValue) * travel.y };
}

void XYPad::mouseDown (const juce::MouseEvent& e)
{
    mouseIsDown = true;

    const auto press = e.mouseDownPosition.roundToInt();
    const auto area = getGrabArea();
    const auto px = (float) press.x, py = (float) press.y;

    dragging = area.getX() <= px && px < area.getRight() && area.getY() <= py && py < area.getBottom();

    if (! dragging)
        return;

    lastMousePosition = press;

    if (callback != nullptr)
    {
        callback->beginGesture (this, xParameter);
        callback->mousePressed (this, xParameter);
        callback->beginGesture (this, yParameter);
        callback->mousePressed (this, yParameter);
    }
}

void XYPad::mouseDrag (const juce::MouseEvent& e)
{
    if (! dragging)
        return;

    auto dx = (float) (e.x - lastMousePosition.x);
    auto dy = (float) (e.y - lastMousePosition.y);

    if (e.mods.isAltDown())
    {
        dx *= fineFactor;
        dy *= fineFactor;
    }

    // The last position follows the pointer even past an edge, so turning
    // back moves the handle at once.
    lastMousePosition = { e.x, e.y };

    xValue = juce::jlimit (0.0f, 1.0f, xValue + dx / travel.x);
    yValue = juce::jlimit (0.0f, 1.0f, yValue - dy / travel.y);

    if (callback != nullptr)
    {
        callback->valueChanged (this, xParameter, xValue);
        callback->valueChanged (this, yParameter, yValue);
    }

    repaint();
}

void XYPad::mouseUp (const juce::MouseEvent&)
{
    mouseIsDown = false;

    if (! dragging)
        return;

    dragging = false;

    if (callback != nullptr)
    {
        callback->mouseReleased (this, xParameter);
        callback->endGesture (this, xParameter);
        callback->mouseReleased (this, yParameter);
        callback->endGesture (this, yParameter);
    }
}

void XYPad::paint (juce::Graphics& g)
{
    if (handleImage.isValid())
    {
        const auto centre = getHandleCentre();
        const auto size = 2.0f * handleRadius;
        g.drawImage (handleImage, { centre.x - handleRadius, centre.y - handleRadius, size, size });
    }

    if (overlayImage.isValid())
        overlayLayer.paint (g, *this, overlayArea, [this] (juce::Graphics& layer)
                            { layer.drawImage (overlayImage, overlayArea.toFloat()); });
}
