#include "DisplayFeed.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <thread>

namespace tavik
{

namespace
{
    constexpr float windowStep = 3.14159265358979f / 1024.0f;

    const float* windowTable()
    {
        static const auto table = []
        {
            std::array<float, DisplayFeed::length> values;
            for (int i = 0; i < DisplayFeed::length; ++i)
                values[(size_t) i] = DisplayFeed::windowAt (i);
            return values;
        }();

        return table.data();
    }
}

DisplayFeed::DisplayFeed() : window (windowTable())
{
    for (auto& b : buffers)
    {
        b = std::make_unique<float[]> ((size_t) length);
        std::fill (b.get(), b.get() + length, 0.0f);
    }
}

float DisplayFeed::windowAt (int i) noexcept
{
    return std::sin (std::sin (static_cast<float> (i) * windowStep));
}

void DisplayFeed::beginBlock() noexcept
{
    activity.fetch_add (1, std::memory_order_seq_cst);

    const auto wanted = select.load (std::memory_order_seq_cst);
    if (wanted != writeBuffer)
    {
        // The reader took the last frame: start a new one in the other buffer.
        writeBuffer = wanted;
        index = 0;
        ready.store (false, std::memory_order_relaxed);
        ownedBuffer.store (wanted, std::memory_order_release);
    }
}

void DisplayFeed::endBlock() noexcept
{
    activity.fetch_add (1, std::memory_order_release);
}

void DisplayFeed::publishFrame (float peak) noexcept
{
    publishedPeak.store (peak, std::memory_order_relaxed);
    ready.store (true, std::memory_order_release);
}

bool DisplayFeed::isReady() const noexcept
{
    // The writer clears `ready` before it announces a new buffer, so reading the
    // buffer first never pairs a new buffer with the old buffer's ready flag.
    const auto owned = ownedBuffer.load (std::memory_order_acquire);
    return select.load (std::memory_order_acquire) == owned && ready.load (std::memory_order_acquire);
}

bool DisplayFeed::takeFrame (float* dest) noexcept
{
    if (! isReady())
        return false;

    const auto taken = select.load (std::memory_order_relaxed);
    select.store (static_cast<uint8_t> (taken ^ 1), std::memory_order_seq_cst);

    // A block that began before the flip may still be writing the taken
    // buffer; wait for it to end. Blocks that begin later use the other one.
    const auto seen = activity.load (std::memory_order_seq_cst);
    if ((seen & 1u) != 0)
    {
        const auto giveUp = std::chrono::steady_clock::now() + std::chrono::milliseconds (100);
        while (activity.load (std::memory_order_acquire) == seen)
        {
            if (std::chrono::steady_clock::now() > giveUp)
                return false;   // the audio thread is stalled mid-block; skip this frame

            std::this_thread::yield();
        }
    }

    std::copy (buffers[taken].get(), buffers[taken].get() + length, dest);
    return true;
}

} // namespace tavik
