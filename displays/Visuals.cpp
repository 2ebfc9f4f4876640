#include "Visuals.h"

#include <cmath>

namespace
{
    // Touched only on the message thread.
    float echoPhase = 0.0f;

    constexpr juce::uint32 traceColour = 0xfffd572c;
    constexpr float echoTravelDown = 85.0f;
    constexpr float echoTravelUp = 40.0f;
}

Visuals::Visuals()
    : curve ((size_t) curveSize, true)
{
    setInterceptsMouseClicks (false, false);
}

float Visuals::getEchoPhase() noexcept
{
    return echoPhase;
}

void Visuals::updateCurve()
{
    const auto width = getWidth();
    const auto edgeScale = (float) (width + 10);
    const auto count = bands != nullptr ? bandCount : 0;

    int pos = 0;
    float w = 0.0f;

    // Each band reaches to its right edge, a fraction (j / N)^0.4 of the
    // width + 10, so the low bands get most of the width. The curve approaches
    // each band's level at a rate that grows with the band.
    for (int j = 0; j < count; ++j)
    {
        const auto edge = std::pow ((float) j / (float) count, 0.4f);
        const auto target = std::pow (bands[j], 0.35f);
        const auto rate = edge * 0.01f;

        if (j == 0)
        {
            w = 0.6f * target;
            curve[pos++] = w;
            continue;
        }

        while (edge * edgeScale > (float) pos && pos < curveSize)
        {
            w += (target - w) * rate;
            curve[pos++] = w;
        }
    }

    // A one-pole smoother, left to right and in place, a little past the width.
    const auto last = std::min (width + 6, curveSize - 1);
    auto x = curve[0];

    for (int i = 1; i <= last; ++i)
    {
        x = 0.9f * x + 0.1f * curve[i];
        curve[i] = x;
    }
}

std::array<Visuals::Echo, 4> Visuals::echoesAt (float phase, float level)
{
    // Full intensity from a level of 0.01, fading to nothing below it.
    auto intensity = level >= 0.01f ? 1.0f : 1.0f - (0.01f - level) / 0.01f;

    if (! (intensity > 0.0f))
        intensity = 0.0f;

    std::array<Echo, 4> echoes;

    // Each pair moves away with the square of its age and fades linearly
    // with its distance; a new pair leaves the trace every quarter phase.
    for (size_t k = 0; k < echoes.size(); ++k)
    {
        const auto age = phase + 0.25f * (float) k;
        const auto d = age * age;

        // The alpha byte of 0xC0000000 scaled by the fade.
        const auto scaled = (juce::uint32) ((1.0f - std::min (1.0f, d)) * intensity * 3221225472.0f);
        echoes[k] = { (juce::uint8) (scaled >> 24), echoTravelDown * d, echoTravelUp * d };
    }

    return echoes;
}

void Visuals::paint (juce::Graphics& g)
{
    if (bands == nullptr || getWidth() < 2 || getHeight() < 2)
        return;

    const auto height = (float) getHeight();
    const auto echoes = echoesAt (echoPhase, level);

    // The animation advances with every paint, not with time.
    echoPhase = (float) ((double) echoPhase + 0.01);

    if (echoPhase > 0.25f)
        echoPhase -= 0.25f;

    juce::RectangleList<float> trace;
    std::array<juce::RectangleList<float>, 4> lower, upper;
    const auto columns = std::min (getWidth(), curveSize);

    for (int i = 0; i < columns; ++i)
    {
        const auto v = curve[i];

        // One bad value spoils the whole frame.
        if (! std::isfinite (v))
            return;

        const auto x = (float) i;
        const auto y = height - v * height - 0.5f;

        // The columns never overlap, so nothing needs merging.
        trace.addWithoutMerging ({ x, y, 1.0f, 3.0f });

        for (size_t k = 0; k < echoes.size(); ++k)
        {
            lower[k].addWithoutMerging ({ x, y + echoes[k].down, 1.0f, 1.0f });
            upper[k].addWithoutMerging ({ x, y - echoes[k].up, 1.0f, 1.0f });
        }
    }

    g.setColour (juce::Colour (traceColour));
    g.fillRectList (trace);

    for (size_t k = 0; k < echoes.size(); ++k)
    {
        g.setColour (juce::Colour (traceColour).withAlpha (echoes[k].alpha));
        g.fillRectList (lower[k]);
        g.fillRectList (upper[k]);
    }
}
