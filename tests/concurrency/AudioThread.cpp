#include "AudioThread.h"

#include "AudioChecks.h"

#include <chrono>
#include <cmath>
#include <limits>
#include <random>

using tavik::test::allFinite;

namespace
{
    constexpr int largestBlock = 4096;
    constexpr int blockSizes[] = { 0, 1, 2, 17, 64, 256, 512, 1023, largestBlock };

    constexpr float hostileSamples[] = {
        std::numeric_limits<float>::quiet_NaN(),
        std::numeric_limits<float>::infinity(),
        -std::numeric_limits<float>::infinity(),
        1.0e30f,
        1.0e-40f,
    };
}

AudioThread::AudioThread (TavikAudioProcessor& p)
    : processor (p), thread ([this] { run(); })
{
}

AudioThread::~AudioThread()
{
    stop();
}

void AudioThread::stop()
{
    stopRequested = true;
    if (thread.joinable())
        thread.join();
}

void AudioThread::run()
{
    std::mt19937 random (7);
    juce::AudioBuffer<float> storage (2, largestBlock);
    juce::MidiBuffer midi;
    int64_t sampleTime = 0;

    while (! stopRequested.load())
    {
        const int numSamples = blockSizes[random() % std::size (blockSizes)];
        const int numChannels = random() % 3 == 0 ? 1 : 2;
        juce::AudioBuffer<float> block (storage.getArrayOfWritePointers(), numChannels, numSamples);

        // A low tone with a little noise, so that no two display frames are alike.
        std::uniform_real_distribution<float> noise (-0.05f, 0.05f);
        for (int c = 0; c < numChannels; ++c)
            for (int i = 0; i < numSamples; ++i)
                block.setSample (c, i, 0.6f * std::sin (0.01f * (float) ((sampleTime + i) % 62832)) + noise (random));
        sampleTime += numSamples;

        if (numSamples > 0 && random() % 16 == 0)
            block.setSample ((int) (random() % (unsigned) numChannels), (int) (random() % (unsigned) numSamples),
                             hostileSamples[random() % std::size (hostileSamples)]);

        const bool finiteInput = allFinite (block);
        processor.processBlock (block, midi);
        if (finiteInput && ! allFinite (block))
            ++nonFinite;
        ++blocks;

        // Pauses now and then, so that the editor takes frames both while a
        // block runs and between blocks.
        if (random() % 8 == 0)
            std::this_thread::sleep_for (std::chrono::microseconds (200));
    }
}
