#pragma once

#include "AudioChecks.h"
#include "TavikAudioProcessor.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

// Checks shared by the fuzz targets. A broken invariant aborts, which
// libFuzzer reports as a crash together with the input that caused it.
namespace fuzz
{
    inline void require (bool condition, const char* what)
    {
        if (! condition)
        {
            std::fprintf (stderr, "invariant broken: %s\n", what);
            std::abort();
        }
    }

    inline void requireFiniteMeters (TavikAudioProcessor& p)
    {
        const auto& meters = p.getMeters();
        require (std::isfinite (meters.outputLevel.load()) && meters.outputLevel.load() >= 0.0f, "output level finite and not negative");
        require (std::isfinite (meters.outputPeak.load()) && meters.outputPeak.load() >= 0.0f, "output peak finite and not negative");
    }

    // Takes a frame from each feed, as the editor does, and checks it.
    inline void takeFrames (TavikAudioProcessor& p)
    {
        float frame[tavik::DisplayFeed::length];
        for (auto* feed : { &p.getModulatorFeed(), &p.getLowBandFeed() })
        {
            require (std::isfinite (feed->getPublishedPeak()), "published peak finite");
            if (feed->takeFrame (frame))
                for (float x : frame)
                    require (std::isfinite (x), "display frame finite");
        }
    }
}
