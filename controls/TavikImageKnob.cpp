#include "TavikImageKnob.h"

namespace
{
    constexpr float dragSensitivity = 0.45f;
    constexpr float fineFactor = 0.1f;
    constexpr double wheelSensitivity = 0.2;
    constexpr double fineWheelSensitivity = 0.02;

    // Value 0 points the indicator 135 degrees anticlockwise, 1 clockwise.
    double angleForValue (float value)
    {
        return value * juce::MathConstants<double>::pi * 1.5 - 2.356194490192345;
    }
}

bool TavikImageKnob::syncWithParameter (bool notify)
{
    if (dragging)
        return false;

    return EComponent::syncWithParameter (notify);
}

bool TavikImageKnob::acceptsPressAndDrag() const
{
    return ! inactive && isEnabled();
}

void TavikImageKnob::mouseEnter (const juce::MouseEvent&)
{
    if (callback != nullptr)
        callback->mouseEntered (this, tag);

    repaint();
}

void TavikImageKnob::mouseExit (const juce::MouseEvent&)
{
    if (callback != nullptr)
        callback->mouseExited (this, tag);

    repaint();
}

void TavikImageKnob::mouseDown (const juce::MouseEvent& e)
{
    if (! acceptsPressAndDrag())
        return;

    dragging = true;
    const auto pressPosition = e.mouseDownPosition.roundToInt();
    lastMouseX = pressPosition.x;
    lastMouseY = pressPosition.y;

    if (callback != nullptr)
    {
        callback->beginGesture (this, tag);
        callback->mousePressed (this, tag);
    }
}

void TavikImageKnob::mouseDrag (const juce::MouseEvent& e)
{
    if (! acceptsPressAndDrag())
        return;

    auto delta = (float) (e.y - lastMouseY) * dragSensitivity;

    if (e.mods.isAltDown())
        delta *= fineFactor;

    lastMouseX = e.x;
    lastMouseY = e.y;

    // Knobs up to 60 pixels high share one travel; taller ones need more.
    const auto span = (float) (getHeight() >= 61 ? getHeight() : 60);
    value = juce::jlimit (0.0f, 1.0f, value - delta / span);

    if (callback != nullptr)
        callback->valueChanged (this, tag, value);

    repaint();
}

void TavikImageKnob::mouseUp (const juce::MouseEvent&)
{
    dragging = false;

    if (acceptsPressAndDrag() && callback != nullptr)
    {
        callback->mouseReleased (this, tag);
        callback->endGesture (this, tag);
    }
}

void TavikImageKnob::mouseDoubleClick (const juce::MouseEvent&)
{
    if (! isEnabled() || callback == nullptr)
        return;

    value = callback->getDefaultValue (tag);

    callback->beginGesture (this, tag);
    callback->mousePressed (this, tag);
    callback->valueChanged (this, tag, value);
    callback->mouseReleased (this, tag);
    callback->endGesture (this, tag);

    repaint();
}

void TavikImageKnob::mouseWheelMove (const juce::MouseEvent& e, const juce::MouseWheelDetails& wheel)
{
    if (! isEnabled() || callback == nullptr)
        return;

    const auto sensitivity = e.mods.isAltDown() ? fineWheelSensitivity : wheelSensitivity;
    value = (float) juce::jlimit (0.0, 1.0, (double) value + (double) wheel.deltaY * sensitivity);

    callback->valueChanged (this, tag, value);
    repaint();
}

void TavikImageKnob::paint (juce::Graphics& g)
{
    const auto angle = angleForValue (value);
    const auto width = (float) getWidth();

    if (hasBackground)
        drawImageCentred (g, backgroundImage, width / 2.0f, (float) getHeight() / 2.0f, 1.0f, 0.0);

    const auto opacity = inactive ? 0.5f : 1.0f;

    if (centred)
    {
        drawImageCentred (g, indicatorImage, label != nullptr ? width / 2.0f - 1.0f : width / 2.0f,
                          label != nullptr ? 32.0f : width / 2.0f, opacity, angle);
    }
    else if (label != nullptr)
    {
        drawImageCentred (g, indicatorImage, width / 2.0f - 1.0f, 35.0f, opacity, angle);
    }
    else if (indicatorImage.isValid())
    {
        // Turn the indicator about its own centre and scale it to the knob's width.
        const auto imageWidth = (float) indicatorImage.getWidth();
        const auto scale = width / imageWidth;

        g.setOpacity (opacity);
        g.drawImageTransformed (indicatorImage,
                                juce::AffineTransform::rotation ((float) angle, imageWidth / 2.0f,
                                                                 (float) indicatorImage.getHeight() / 2.0f)
                                    .scaled (scale));
    }

    if (label != nullptr)
    {
        g.setColour (juce::Colour (0xffffffff));
        g.setFont (9.0f);
        g.drawText (label, getLocalBounds(), juce::Justification::centredBottom, true);
    }
}

void TavikImageKnob::drawImageCentred (juce::Graphics& g, const juce::Image& image, float centreX, float centreY,
                                       float opacity, double angle)
{
    if (! image.isValid())
        return;

    g.setOpacity (opacity);

    const auto* display = juce::Desktop::getInstance().getDisplays().getPrimaryDisplay();
    const auto scale = display != nullptr ? display->scale : 1.0;

    const auto x0 = (double) centreX - image.getWidth() / scale / 2.0;
    const auto y0 = (double) centreY - image.getHeight() / scale / 2.0;

    if (scale == 1.0 && angle == 0.0)
    {
        g.drawImageAt (image, (int) x0, (int) y0);
        return;
    }

    g.drawImageTransformed (image,
                            juce::AffineTransform::rotation ((float) angle, (float) image.getWidth() / 2.0f,
                                                             (float) image.getHeight() / 2.0f)
                                .scaled ((float) (1.0 / scale))
                                .translated ((float) x0, (float) y0));
}
