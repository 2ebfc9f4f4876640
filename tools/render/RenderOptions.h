#pragma once

#include <juce_core/juce_core.h>

#include <array>
#include <optional>

// What the command line of tavik-render asks for, in the units the editor shows.
struct RenderOptions
{
    juce::String inputPath;           // empty when rendering the demo
    juce::String outputPath;
    bool demo = false;
    bool help = false;

    float amount = 30.0f;             // "Tavik", 0 to 100
    int bite = 1;                     // 0 soft, 1 medium, 2 hard
    float rangeHz = 460.0f;           // 100 to 1000, as the readout shows it
    float outputGainDb = 0.0f;        // at most 0 dB; -inf allowed
    bool bypass = false;
    int bitDepth = 24;                // 16, 24 or 32
    int blockSize = 512;

    // The five normalised parameter values these options stand for.
    std::array<float, 5> normalisedParameters() const;
};

struct ParsedOptions
{
    std::optional<RenderOptions> options;
    juce::String error;               // one line, set when options is empty
};

ParsedOptions parseRenderOptions (const juce::StringArray& arguments);

juce::String renderUsage();
