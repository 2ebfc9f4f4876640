#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <array>

// The live signal display: one orange trace across the window, a value per
// pixel column, built from the editor's band levels, with faint echoes of the
// trace that drift away above and below it while audio is live.
//
// The display has no timer and no background. The owner points bands at its
// band levels, and on every tick updates them, calls updateCurve, sets level
// and repaints. Mouse clicks go through to whatever lies beneath.
class Visuals : public juce::Component
{
public:
    Visuals();

    // Rebuilds the per-column curve from the band levels for the current
    // width. Does not repaint.
    void updateCurve();

    void paint (juce::Graphics&) override;

    // The curve, one value per pixel column: 0 at the bottom edge, 1 at the top.
    const float* getCurve() const noexcept { return curve.get(); }

    static constexpr int curveSize = 10000;

    // One pair of echoes: its colour's alpha and how far its lower and upper
    // copies lie from the trace, in pixels.
    struct Echo
    {
        juce::uint8 alpha;
        float down, up;
    };

    // The four echo pairs at an animation phase (0 to 0.25) for a level.
    static std::array<Echo, 4> echoesAt (float phase, float level);

    // The animation phase shared by every display of the process. Each paint
    // of any display moves it on by 0.01, wrapping from above 0.25.
    static float getEchoPhase() noexcept;

    int bandCount = 0;          // number of band levels
    const float* bands = nullptr; // the owner's band levels, not owned
    float level = 0.0f;         // echo intensity: output level x 30, or 0 when no audio is live

private:
    juce::HeapBlock<float> curve;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (Visuals)
};
