#pragma once

#include "TavikAudioProcessor.h"

#include <atomic>
#include <cstdint>
#include <thread>

// A host thread that is neither the audio nor the message thread, saving and
// loading the processor's state back to back. The states it loads are of any
// length from empty to longer than a saved state, and now and then hold values
// that are not numbers, infinite or outside 0 to 1.
class StateThread
{
public:
    // When asked to finish, the thread loads lastState as its final call.
    StateThread (TavikAudioProcessor&, juce::MemoryBlock lastState);
    ~StateThread();

    void finish();

    int64_t loadsMade() const noexcept { return loads.load(); }

    // Saved states that were not five finite values from 0 to 1.
    int64_t badSaves() const noexcept { return bad.load(); }

private:
    void run();

    TavikAudioProcessor& processor;
    const juce::MemoryBlock lastState;
    std::atomic<bool> finishRequested { false };
    std::atomic<int64_t> loads { 0 };
    std::atomic<int64_t> bad { 0 };
    std::thread thread;
};
