#pragma once

#include "TavikAudioProcessor.h"

#include <atomic>
#include <cstdint>
#include <thread>

// A host's audio thread: calls processBlock back to back with blocks of varied
// sizes (0 and 1 included) on stereo and mono buffers, now and then with a
// hostile sample (not a number, infinite, huge or denormal) in the input.
//
// Like a host that does not hold the processor's callback lock, it shares
// nothing with the other threads except what the processor itself shares.
class AudioThread
{
public:
    explicit AudioThread (TavikAudioProcessor&);
    ~AudioThread();

    void stop();

    int64_t blocksProcessed() const noexcept { return blocks.load(); }

    // Blocks whose input was all finite and whose output was not.
    int64_t nonFiniteOutputs() const noexcept { return nonFinite.load(); }

private:
    void run();

    TavikAudioProcessor& processor;
    std::atomic<bool> stopRequested { false };
    std::atomic<int64_t> blocks { 0 };
    std::atomic<int64_t> nonFinite { 0 };
    std::thread thread;
};
