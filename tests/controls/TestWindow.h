#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// A borderless desktop window that holds the components under test, with a
// mouse that drives it the way the platform layer does: every event goes to
// the window's peer, so the framework itself finds the component under the
// pointer and sends it enter, exit, down, drag, up, double-click and wheel
// events.
//
// Positions are given in the local coordinates of the component they refer
// to. Each press starts a new click well after the previous one, except the
// second press of doubleClick.
class TestWindow
{
public:
    TestWindow();
    ~TestWindow();

    juce::Component& content() noexcept { return window; }

    // Places a component in the window and makes it visible.
    void add (juce::Component& component, juce::Rectangle<int> bounds);

    void moveTo (juce::Component& target, juce::Point<int> position);
    void press (juce::Component& target, juce::Point<int> position, juce::ModifierKeys keys = {});
    void dragTo (juce::Component& target, juce::Point<int> position, juce::ModifierKeys keys = {});
    void release (juce::Component& target, juce::Point<int> position, juce::ModifierKeys keys = {});
    void click (juce::Component& target, juce::Point<int> position);
    void doubleClick (juce::Component& target, juce::Point<int> position);
    void wheel (juce::Component& target, juce::Point<int> position, float deltaY, juce::ModifierKeys keys = {});

    // Moves the pointer off the window.
    void moveAway();

private:
    juce::Point<float> positionInWindow (juce::Component& target, juce::Point<int> position) const;
    void send (juce::Point<float> positionInWindow, juce::ModifierKeys keys, bool buttonDown, int millisecondsLater);
    juce::ComponentPeer& peer() const;

    juce::Component window;
    bool buttonIsDown = false;
};

// A component painted, with its children, into an image of its own size.
juce::Image paintToImage (juce::Component& component);

// An image of one colour.
juce::Image solidImage (juce::Colour colour, int width = 8, int height = 8);

// Counts the repaint requests of a visible component: the framework hands
// each of them to the component's cached image first. The component owns the
// counter; don't paint through it.
class RepaintCounter : public juce::CachedComponentImage
{
public:
    static RepaintCounter& attachTo (juce::Component& component);

    void paint (juce::Graphics&) override {}
    bool invalidateAll() override;
    bool invalidate (const juce::Rectangle<int>&) override;
    void releaseResources() override {}

    int count = 0;
};
