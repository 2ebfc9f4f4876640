// Cost of the plug-in's processBlock at 48 kHz stereo, in nanoseconds per
// sample frame, with parameters static and with parameters changing every block.

#include "TavikAudioProcessor.h"

#include <benchmark/benchmark.h>

#include "FrameTimeReporter.h"

#include <cmath>

namespace
{
    constexpr double sampleRate = 48000.0;

    void fillWithMusicLikeNoise (juce::AudioBuffer<float>& buffer)
    {
        juce::Random random (1234);
        for (int c = 0; c < buffer.getNumChannels(); ++c)
            for (int i = 0; i < buffer.getNumSamples(); ++i)
                buffer.setSample (c, i, 0.3f * std::sin ((float) i * 0.01f) + 0.1f * (random.nextFloat() - 0.5f));
    }

    void processBlock (benchmark::State& state, bool automate)
    {
        const int blockSize = (int) state.range (0);
        TavikAudioProcessor processor;
        processor.prepareToPlay (sampleRate, blockSize);

        juce::AudioBuffer<float> input (2, blockSize), buffer (2, blockSize);
        fillWithMusicLikeNoise (input);
        juce::MidiBuffer midi;
        int block = 0;

        for (auto _ : state)
        {
            if (automate)
            {
                const float phase = (float) (block++ % 97) / 97.0f;
                processor.parameterAt (0).setValueNotifyingHost (phase);
                processor.parameterAt (1).setValueNotifyingHost (1.0f - phase);
                processor.parameterAt (2).setValueNotifyingHost (phase);
                processor.parameterAt (3).setValueNotifyingHost (0.5f + 0.5f * phase);
            }

            buffer.makeCopyOf (input, true);
            processor.processBlock (buffer, midi);
            benchmark::DoNotOptimize (buffer.getReadPointer (0));
        }

        state.counters["frames_per_block"] = blockSize;
        state.SetItemsProcessed ((int64_t) state.iterations() * blockSize);
    }

    void staticParameters (benchmark::State& state) { processBlock (state, false); }
    void automatedParameters (benchmark::State& state) { processBlock (state, true); }
}

BENCHMARK (staticParameters)->Arg (64)->Arg (512)->Unit (benchmark::kMicrosecond);
BENCHMARK (automatedParameters)->Arg (64)->Arg (512)->Unit (benchmark::kMicrosecond);

int main (int argc, char** argv)
{
    benchmark::Initialize (&argc, argv);
    if (benchmark::ReportUnrecognizedArguments (argc, argv))
        return 1;

    FrameTimeReporter reporter;
    benchmark::RunSpecifiedBenchmarks (&reporter);
    reporter.printSummary();
    benchmark::Shutdown();
    return 0;
}
