#pragma once

// Collects windowed frames of 1024 points of one signal at a fixed point rate
// of 44100 per second and hands each finished frame from the audio thread to
// the editor through a double buffer, without locks on the audio thread.
//
// Hand-off: the audio thread (writer) writes the buffer it owns; when a frame
// is complete it publishes the frame's peak and sets `ready`. The editor
// (reader) takes a frame by flipping `select`; the writer notices the flip at
// the start of its next block and then restarts at point 0 of the other
// buffer. The writer marks each block with an activity counter (odd while a
// block runs), and the reader copies only once no block that could still write
// the taken buffer is running, so the buffer being copied is never written.

#include <atomic>
#include <cstdint>
#include <memory>

namespace tavik
{

class DisplayFeed
{
public:
    static constexpr int32_t length = 1024;

    DisplayFeed();

    // Decimation ratio 44100 / fs. Call while no block is being processed.
    void setRatio (float newRatio) noexcept { ratio = newRatio; }
    float getRatio() const noexcept { return ratio; }

    //==========================================================================
    // Writer side: the audio thread, once per block and once per sample.
    void beginBlock() noexcept;
    void endBlock() noexcept;

    // Adds one point candidate m; the window comes from the table built once.
    void push (float m) noexcept { pushPoint (m, window[index]); }

    // The same, evaluating the window with the library sine at every point.
    void pushComputingWindow (float m) noexcept { pushPoint (m, windowAt (index)); }

    //==========================================================================
    // Reader side: the message thread.
    bool isReady() const noexcept;
    float getPublishedPeak() const noexcept { return publishedPeak.load (std::memory_order_acquire); }

    // Takes the finished frame into dest (length floats). Returns false, and
    // leaves dest alone, when no frame is ready.
    bool takeFrame (float* dest) noexcept;

    // The window value sinf (sinf (i * pi / 1024)) applied to point i,
    // evaluated with the library sine.
    static float windowAt (int i) noexcept;

    int getWriteIndex() const noexcept { return index; }

private:
    void pushPoint (float m, float windowValue) noexcept
    {
        const float magnitude = m < 0.0f ? -m : m;
        if (magnitude > runningPeak)
            runningPeak = magnitude;

        buffers[writeBuffer][index] = m * windowValue;

        phase = phase - ratio;
        if (phase < 0.0f)
        {
            phase = phase + 1.0f;
            ++index;
        }

        if (index == length)
            completeFrame();
    }

    void completeFrame() noexcept;

    const float* window;   // windowAt (i) for every point, shared by all feeds

    std::unique_ptr<float[]> buffers[2];

    // Shared between the threads.
    std::atomic<uint8_t> select { 0 };         // the buffer the reader wants the writer to use
    std::atomic<uint8_t> ownedBuffer { 0 };    // the buffer the writer is using
    std::atomic<bool> ready { false };
    std::atomic<float> publishedPeak { 0.0f };
    std::atomic<uint32_t> activity { 0 };      // odd while the writer is inside a block

    // Writer only.
    uint8_t writeBuffer = 0;
    int index = 0;
    float runningPeak = 0.0f;
    float phase = 0.0f;
    float ratio = 1.0f;
};

} // namespace tavik
