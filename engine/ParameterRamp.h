#pragma once

#include <cstdint>

namespace tavik
{

// A per-block linear ramp of one mapped parameter value. A ramp started for a
// block of N samples reaches its target on the block's last sample and never
// carries into the next block.
struct ParameterRamp
{
    float current = 0.0f;
    float target = 0.0f;
    float step = 0.0f;
    int32_t remaining = 0;

    void reset (float value) noexcept
    {
        current = target = value;
        step = 0.0f;
        remaining = 0;
    }

    // Starts a ramp to m over numSamples samples, unless m equals the target.
    // A value that is not a number never equals anything, so it always starts.
    // For an empty block the ramp stays idle and the new target applies at once.
    void start (float m, int32_t numSamples) noexcept
    {
        if (m == target)
            return;

        target = m;
        remaining = numSamples;
        step = numSamples > 0 ? (m - current) / static_cast<float> (numSamples) : 0.0f;
    }

    float next() noexcept
    {
        if (remaining > 0)
        {
            --remaining;
            current = current + step;
            return current;
        }

        return target;
    }

    // The values next() would give for the following count samples: the
    // running part of the ramp first, then the target.
    void fill (float* values, int32_t count) noexcept
    {
        const int32_t running = remaining < count ? remaining : count;
        for (int32_t i = 0; i < running; ++i)
        {
            current = current + step;
            values[i] = current;
        }

        for (int32_t i = running; i < count; ++i)
            values[i] = target;

        remaining -= running;
    }

    void snap() noexcept
    {
        current = target;
        step = 0.0f;
        remaining = 0;
    }

    bool isIdle() const noexcept { return remaining == 0; }
};

} // namespace tavik
