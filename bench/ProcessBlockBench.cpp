// Cost of the signal engine at 48 kHz stereo, in nanoseconds per sample frame:
// the plug-in's engine (TavikEngine) against the per-sample recipe written out
// literally (ReferenceEngine), with the parameters static and with "Range Hz"
// and "Bite" automated every block, for 64- and 512-sample blocks.
//
// Each case runs several times, in random order, so that the machine's noise
// shows as the spread between the fastest and the slowest repetition.

#include "BenchCases.h"
#include "ReferenceEngine.h"
#include "SummaryReporter.h"
#include "TavikEngine.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <string>
#include <vector>

namespace
{
    constexpr double sampleRate = 48000.0;
    constexpr int numChannels = 2;

    tavik::NormalisedParameters defaultParameters()
    {
        tavik::NormalisedParameters p;
        for (int i = 0; i < tavik::numParameters; ++i)
            p[(size_t) i] = tavik::normalisedDefault (i);
        return p;
    }

    // A low sine with a little noise on it, different on each channel.
    std::vector<float> musicLikeNoise (int channel, int length)
    {
        std::vector<float> samples ((size_t) length);
        uint32_t state = 1234u + (uint32_t) channel;
        for (int i = 0; i < length; ++i)
        {
            state = state * 1664525u + 1013904223u;
            const float noise = (float) (state >> 8) / 16777216.0f - 0.5f;
            samples[(size_t) i] = 0.3f * std::sin ((float) i * (0.01f + 0.003f * (float) channel)) + 0.1f * noise;
        }
        return samples;
    }

    template <typename Engine>
    void processBlocks (benchmark::State& state, bool automate, int blockSize)
    {
        Engine engine;
        auto parameters = defaultParameters();
        engine.prepare (sampleRate, parameters);

        std::vector<std::vector<float>> input, buffer;
        std::vector<float*> channels;
        for (int c = 0; c < numChannels; ++c)
        {
            input.push_back (musicLikeNoise (c, blockSize));
            buffer.push_back (input.back());
            channels.push_back (buffer.back().data());
        }

        // "Range Hz" sweeps up and down; "Bite" steps through its three settings.
        const float biteSettings[] = { 0.0f, 0.5f, 1.0f };
        int block = 0;

        for (auto _ : state)
        {
            if (automate)
            {
                parameters[tavik::rangeParameter] = std::abs ((float) (block % 194) / 97.0f - 1.0f);
                parameters[tavik::biteParameter] = biteSettings[block % 3];
                ++block;
            }

            for (int c = 0; c < numChannels; ++c)
                std::copy (input[(size_t) c].begin(), input[(size_t) c].end(), buffer[(size_t) c].begin());

            engine.process (channels.data(), numChannels, numChannels, blockSize, parameters);
            benchmark::DoNotOptimize (channels[0][blockSize - 1]);
            benchmark::ClobberMemory();
        }

        state.counters[SummaryReporter::framesPerBlockCounter] = blockSize;
    }
}

void registerEngineCases()
{
    for (const bool automate : { false, true })
    {
        for (const int blockSize : { 64, 512 })
        {
            const auto name = [&] (const char* engine)
            {
                return std::string (automate ? "automated" : "static") + "/" + std::to_string (blockSize) + "/" + engine;
            };

            benchmark::RegisterBenchmark (name (SummaryReporter::referenceName).c_str(), [=] (benchmark::State& s)
                                          { processBlocks<tavik::ReferenceEngine> (s, automate, blockSize); });
            benchmark::RegisterBenchmark (name (SummaryReporter::fastName).c_str(), [=] (benchmark::State& s)
                                          { processBlocks<tavik::TavikEngine> (s, automate, blockSize); });
        }
    }
}
