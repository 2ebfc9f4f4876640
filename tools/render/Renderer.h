#pragma once

#include "RenderOptions.h"

#include <juce_audio_formats/juce_audio_formats.h>

#include <functional>

// Level and timing figures of one render.
struct RenderSummary
{
    float inputPeak = 0.0f, inputRms = 0.0f;     // linear
    float outputPeak = 0.0f, outputRms = 0.0f;
    double durationSeconds = 0.0;                // audio length
    double elapsedSeconds = 0.0;                 // wall-clock time taken

    juce::String describe() const;
};

// Where the audio to render comes from: a decoded file or a buffer in memory.
struct RenderSource
{
    double sampleRate = 44100.0;
    int numChannels = 0;
    juce::int64 lengthInSamples = 0;

    // Fills the first n samples of `destination` with source samples from `position` on.
    std::function<bool (juce::AudioBuffer<float>& destination, juce::int64 position, int n)> read;
};

RenderSource sourceFromReader (juce::AudioFormatReader& reader);
RenderSource sourceFromBuffer (const juce::AudioBuffer<float>& buffer, double sampleRate);

// Called after every block with the fraction done and the input's length in seconds.
using ProgressCallback = std::function<void (double fraction, double totalSeconds)>;

// Runs the source through the plug-in's processor and writes the output file.
// The output appears only when the whole render succeeded; on failure no file
// is left behind and the result says why.
juce::Result renderToFile (const RenderSource& source, const juce::File& output, const RenderOptions& options,
                           const ProgressCallback& progress, RenderSummary& summary);

// Opens and decodes the input file of `options` and renders it.
juce::Result renderFile (const RenderOptions& options, const ProgressCallback& progress, RenderSummary& summary);
