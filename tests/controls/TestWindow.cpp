#include "TestWindow.h"

namespace
{
    // One clock for every window, so that the framework never takes a press
    // of one test for the second click of another test's press.
    juce::int64 eventTime = juce::Time::currentTimeMillis();

    constexpr int millisecondsBetweenClicks = 1000;
    constexpr int millisecondsBetweenEvents = 20;
}

TestWindow::TestWindow()
{
    window.setBounds (40, 40, 400, 320);
    window.addToDesktop (0);
    window.setVisible (true);
}

TestWindow::~TestWindow()
{
    if (buttonIsDown)
        send ({ -20.0f, -20.0f }, {}, false, millisecondsBetweenEvents);

    moveAway();
    juce::ModifierKeys::currentModifiers = {};
    window.removeFromDesktop();
}

void TestWindow::add (juce::Component& component, juce::Rectangle<int> bounds)
{
    component.setBounds (bounds);
    window.addAndMakeVisible (component);
}

juce::ComponentPeer& TestWindow::peer() const
{
    auto* windowPeer = window.getPeer();
    jassert (windowPeer != nullptr);
    return *windowPeer;
}

juce::Point<float> TestWindow::positionInWindow (juce::Component& target, juce::Point<int> position) const
{
    return window.getLocalPoint (&target, position).toFloat();
}

void TestWindow::send (juce::Point<float> position, juce::ModifierKeys keys, bool buttonDown, int millisecondsLater)
{
    eventTime += millisecondsLater;
    buttonIsDown = buttonDown;

    // The platform layer keeps the global modifier state up to date before it
    // hands an event on; the framework reads the keyboard modifiers from it.
    const auto mods = buttonDown ? keys.withFlags (juce::ModifierKeys::leftButtonModifier) : keys;
    juce::ModifierKeys::currentModifiers = mods;

    peer().handleMouseEvent (juce::MouseInputSource::InputSourceType::mouse, position, mods,
                             juce::MouseInputSource::defaultPressure, juce::MouseInputSource::defaultOrientation,
                             eventTime);
}

void TestWindow::moveTo (juce::Component& target, juce::Point<int> position)
{
    send (positionInWindow (target, position), {}, false, millisecondsBetweenEvents);
}

void TestWindow::press (juce::Component& target, juce::Point<int> position, juce::ModifierKeys keys)
{
    send (positionInWindow (target, position), keys, true, millisecondsBetweenClicks);
}

void TestWindow::dragTo (juce::Component& target, juce::Point<int> position, juce::ModifierKeys keys)
{
    send (positionInWindow (target, position), keys, true, millisecondsBetweenEvents);
}

void TestWindow::release (juce::Component& target, juce::Point<int> position, juce::ModifierKeys keys)
{
    send (positionInWindow (target, position), keys, false, millisecondsBetweenEvents);
}

void TestWindow::click (juce::Component& target, juce::Point<int> position)
{
    press (target, position);
    release (target, position);
}

void TestWindow::doubleClick (juce::Component& target, juce::Point<int> position)
{
    click (target, position);

    const auto where = positionInWindow (target, position);
    send (where, {}, true, millisecondsBetweenEvents);
    send (where, {}, false, millisecondsBetweenEvents);
}

void TestWindow::wheel (juce::Component& target, juce::Point<int> position, float deltaY, juce::ModifierKeys keys)
{
    eventTime += millisecondsBetweenEvents;
    juce::ModifierKeys::currentModifiers = keys;

    juce::MouseWheelDetails details;
    details.deltaX = 0.0f;
    details.deltaY = deltaY;
    details.isReversed = false;
    details.isSmooth = false;
    details.isInertial = false;

    peer().handleMouseWheel (juce::MouseInputSource::InputSourceType::mouse, positionInWindow (target, position),
                             eventTime, details);
}

void TestWindow::moveAway()
{
    send ({ -20.0f, -20.0f }, {}, false, millisecondsBetweenEvents);
}

//==============================================================================
juce::Image paintToImage (juce::Component& component)
{
    juce::Image image (juce::Image::ARGB, component.getWidth(), component.getHeight(), true);
    juce::Graphics g (image);
    component.paintEntireComponent (g, true);
    return image;
}

juce::Image solidImage (juce::Colour colour, int width, int height)
{
    juce::Image image (juce::Image::ARGB, width, height, false);
    image.clear (image.getBounds(), colour);
    return image;
}

//==============================================================================
RepaintCounter& RepaintCounter::attachTo (juce::Component& component)
{
    auto* counter = new RepaintCounter();
    component.setCachedComponentImage (counter);
    counter->count = 0;     // attaching repaints once
    return *counter;
}

bool RepaintCounter::invalidateAll()
{
    ++count;
    return false;
}

bool RepaintCounter::invalidate (const juce::Rectangle<int>&)
{
    ++count;
    return false;
}
