// processBlock must never allocate, free or take a lock. The audio thread here
// is watched by the allocation and lock spy while the message thread changes
// parameters, loads states and opens and closes editors.

#include "AllocationAndLockSpy.h"
#include "TavikAudioProcessor.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <mutex>
#include <thread>

namespace
{
    void fill (juce::AudioBuffer<float>& buffer, int offset)
    {
        for (int c = 0; c < buffer.getNumChannels(); ++c)
            for (int i = 0; i < buffer.getNumSamples(); ++i)
                buffer.setSample (c, i, 0.4f * std::sin ((float) (offset + i) * 0.02f));
    }

    // The audio thread's loop: blocks of varied sizes until told to stop.
    // Returns what the spy saw on this thread.
    spy::Counts processBlocks (TavikAudioProcessor& processor, const std::atomic<bool>& running)
    {
        juce::AudioBuffer<float> buffer (2, 4096);
        juce::MidiBuffer midi;
        const int sizes[] = { 512, 1, 0, 64, 4096, 333, 128 };
        int block = 0;

        spy::startWatchingThisThread();
        while (running.load() || block < 200)
        {
            const int n = sizes[block % 7];
            juce::AudioBuffer<float> view (buffer.getArrayOfWritePointers(), 2, 0, n);
            fill (view, block);
            processor.processBlock (view, midi);
            ++block;
        }
        return spy::stopWatchingThisThread();
    }
}

TEST (RealtimeSafety, TheSpyNoticesAllocationsAndLocks)
{
    // Called through volatile pointers so that the compiler cannot elide them.
    void* (*volatile allocate) (size_t) = std::malloc;
    void (*volatile release) (void*) = std::free;

    std::mutex m;
    spy::startWatchingThisThread();
    release (allocate (16));
    {
        const std::lock_guard<std::mutex> lock (m);
    }
    const auto counts = spy::stopWatchingThisThread();
    EXPECT_GE (counts.allocations, 1);
    EXPECT_GE (counts.frees, 1);
    EXPECT_GE (counts.locks, 1);
}

TEST (RealtimeSafety, ProcessBlockNeitherAllocatesNorLocks)
{
    juce::ScopedJuceInitialiser_GUI juce;
    TavikAudioProcessor processor;
    processor.prepareToPlay (48000.0, 4096);

    std::atomic<bool> running { true };
    spy::Counts counts;
    std::thread audio ([&] { counts = processBlocks (processor, running); });

    // Meanwhile, the message thread's side of a session.
    juce::MemoryBlock state;
    processor.getStateInformation (state);
    for (int round = 0; round < 40; ++round)
    {
        processor.parameterAt (round % 5).setValueNotifyingHost ((float) (round % 7) / 6.0f);
        processor.setStateInformation (state.getData(), (int) state.getSize());

        std::unique_ptr<juce::AudioProcessorEditor> editor (processor.createEditor());
        float frame[1024];
        processor.getModulatorFeed().takeFrame (frame);
        editor.reset();
        std::this_thread::sleep_for (std::chrono::milliseconds (1));
    }
    running = false;
    audio.join();

    EXPECT_EQ (counts.allocations, 0);
    EXPECT_EQ (counts.frees, 0);
    EXPECT_EQ (counts.locks, 0);
}
