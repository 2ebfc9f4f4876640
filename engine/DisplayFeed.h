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
#include <cmath>
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

    // A run of point candidates pushed by the audio thread inside a block,
    // one per sample. The writer's fields live in the Writer for the run and
    // go back into the feed when it ends.
    class Writer
    {
    public:
        explicit Writer (DisplayFeed& f) noexcept
            : feed (f), buffer (f.buffers[f.writeBuffer].get()), window (f.window), ratio (f.ratio),
              at (f.index), peak (f.runningPeak), position (f.phase)
        {
        }

        ~Writer()
        {
            feed.index = at;
            feed.runningPeak = peak;
            feed.phase = position;
        }

        Writer (const Writer&) = delete;
        Writer& operator= (const Writer&) = delete;

        // The window comes from the table built once.
        void push (float m) noexcept { pushWindowed (m, window[at]); }

        // The window is evaluated with the library sine.
        void pushComputingWindow (float m) noexcept { pushWindowed (m, windowAt (at)); }

    private:
        // The running peak follows |m|; the point at the write index becomes
        // m times its window; the decimation phase decides whether the index
        // moves on, and a full frame is published.
        void pushWindowed (float m, float windowValue) noexcept
        {
            const float magnitude = std::abs (m);
            peak = magnitude > peak ? magnitude : peak;

            buffer[at] = m * windowValue;

            // The position never becomes -0 here, so adding 0 when the index
            // stays leaves it exactly as it is.
            position = position - ratio;
            const bool advance = position < 0.0f;
            position = position + (advance ? 1.0f : 0.0f);
            at += advance ? 1 : 0;

            if (at == length)
            {
                feed.publishFrame (peak);
                at = 0;
                peak = 0.0f;
            }
        }

        DisplayFeed& feed;
        float* const buffer;
        const float* const window;
        const float ratio;
        int at;
        float peak;
        float position;
    };

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

private:
    // Publishes the peak of the frame just completed and marks it ready.
    void publishFrame (float peak) noexcept;

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
