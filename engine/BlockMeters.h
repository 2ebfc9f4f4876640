#pragma once

// What the audio thread publishes about each block for the editor: the mean and
// the peak of the absolute output, and when the last block began.

#include <atomic>
#include <chrono>
#include <cstdint>

namespace tavik
{

// The clock of the activity stamp: the steady clock in nanoseconds.
inline int64_t steadyNanoseconds() noexcept
{
    return std::chrono::duration_cast<std::chrono::nanoseconds> (
               std::chrono::steady_clock::now().time_since_epoch()).count();
}

struct BlockMeters
{
    std::atomic<float> outputLevel { 0.0f };
    std::atomic<float> outputPeak { 0.0f };
    std::atomic<bool> hasProcessed { false };
    std::atomic<int64_t> lastProcessTime { 0 };   // steady clock, nanoseconds
};

} // namespace tavik
