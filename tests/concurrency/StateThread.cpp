#include "StateThread.h"

#include <chrono>
#include <cmath>
#include <limits>
#include <random>

namespace
{
    constexpr int stateLengths[] = { 0, 3, 12, 13, 20, 28 };

    juce::MemoryBlock randomState (std::mt19937& random)
    {
        const float oddValues[] = { std::numeric_limits<float>::quiet_NaN(),
                                    std::numeric_limits<float>::infinity(),
                                    -1.0f, 2.0f };
        std::uniform_real_distribution<float> unit (0.0f, 1.0f);

        const int length = stateLengths[random() % std::size (stateLengths)];
        juce::MemoryOutputStream stream;
        for (int written = 0; written < length; written += 4)
            stream.writeFloat (random() % 8 == 0 ? oddValues[random() % std::size (oddValues)] : unit (random));

        juce::MemoryBlock state (stream.getData(), (size_t) length);
        return state;
    }

    bool isFiveValuesInRange (const juce::MemoryBlock& saved)
    {
        if (saved.getSize() != 20)
            return false;

        juce::MemoryInputStream stream (saved, false);
        for (int i = 0; i < 5; ++i)
        {
            const float v = stream.readFloat();
            if (! (v >= 0.0f && v <= 1.0f))
                return false;
        }
        return true;
    }
}

StateThread::StateThread (TavikAudioProcessor& p, juce::MemoryBlock last)
    : processor (p), lastState (std::move (last)), thread ([this] { run(); })
{
}

StateThread::~StateThread()
{
    finish();
}

void StateThread::finish()
{
    finishRequested = true;
    if (thread.joinable())
        thread.join();
}

void StateThread::run()
{
    std::mt19937 random (11);

    while (! finishRequested.load())
    {
        juce::MemoryBlock saved;
        processor.getStateInformation (saved);
        if (! isFiveValuesInRange (saved))
            ++bad;

        const auto state = randomState (random);
        processor.setStateInformation (state.getData(), (int) state.getSize());
        ++loads;

        // Leaves the two cores of a small machine to the audio and message
        // threads most of the time; thousands of loads a second remain.
        std::this_thread::sleep_for (std::chrono::microseconds (100));
    }

    processor.setStateInformation (lastState.getData(), (int) lastState.getSize());
}
