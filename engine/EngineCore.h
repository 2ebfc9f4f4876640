#pragma once

// Everything of the effect's engine except the per-sample signal path: the
// parameter ramps, the display feeds, the block meters and the activity
// stamp, preparation, the snap request, and the recovery from a block whose
// signal went non-finite. The plug-in's engine (TavikEngine) and the
// reference recipe (ReferenceEngine) derive from it and supply the signal
// path and its filters.

#include "BlockMeters.h"
#include "DisplayFeed.h"
#include "ParameterMapping.h"
#include "ParameterRamp.h"

#include <array>
#include <atomic>
#include <cmath>

namespace tavik
{

using NormalisedParameters = std::array<float, numParameters>;

class EngineCore
{
public:
    static constexpr int maxChannels = 4;

    virtual ~EngineCore() = default;

    // Clears all filter state and sets up every filter and feed for the host
    // rate (rates below 44100 Hz count as 44100 Hz). The ramps end idle at the
    // given parameter values. Not to be called while a block is processed.
    void prepare (double hostSampleRate, const NormalisedParameters& parameters) noexcept;

    // Asks the audio thread to make the ramps idle at the parameter values it
    // reads at the start of its next block. Safe to call from any thread.
    void requestSnap() noexcept { snapRequested.store (true, std::memory_order_release); }

    // Processes numSamples samples of numIn input channels in place and writes
    // numOut output channels. The parameters are normalised values (0 to 1).
    void process (float* const* channels, int numIn, int numOut, int numSamples,
                  const NormalisedParameters& parameters) noexcept;

    DisplayFeed modulatorFeed;
    DisplayFeed lowBandFeed;
    BlockMeters meters;

    float getSampleRate() const noexcept { return sampleRate; }
    const ParameterRamp& getRamp (int parameterIndex) const noexcept { return ramps[(size_t) parameterIndex]; }

protected:
    EngineCore();

    // The audio of one block, channel counts already limited to maxChannels.
    struct Block
    {
        float* const* channels;
        int numIn, numOut, numSamples;
    };

    // The block meters' running peak and sum of absolute output samples. A
    // sample equal to the peak, or one that is not a number, leaves the peak
    // as it is.
    struct OutputSums
    {
        float peak = 0.0f;
        float sum = 0.0f;

        void add (float sample) noexcept
        {
            const float a = std::abs (sample);
            peak = a > peak ? a : peak;
            sum = sum + a;
        }
    };

    // Clears the filters' state and sets them up for the rate.
    virtual void resetFilters (float rate) noexcept = 0;
    virtual void clearFilterState() noexcept = 0;
    virtual bool filterStateIsFinite() const noexcept = 0;

    // Runs the signal path over the block: takes numSamples values from every
    // ramp, writes the output channels, pushes one point per sample into each
    // feed and adds every output sample to sums, sample by sample and within a
    // sample channel by channel.
    virtual void render (const Block& block, OutputSums& sums) noexcept = 0;

    // drive, resonanceQ, crossoverHz, outputGain, bypassMix
    std::array<ParameterRamp, numParameters> ramps;

private:
    void updateParameterTargets (const NormalisedParameters& parameters, int numSamples) noexcept;
    void snapRamps() noexcept;

    std::atomic<bool> snapRequested { false };
    float sampleRate = 44100.0f;
};

// The parameter value the engine uses for a raw value read from the host:
// a value that is not a number reads as the parameter's default.
inline float sanitisedParameter (int index, float value) noexcept
{
    return value != value ? normalisedDefault (index) : value;
}

// The channel mean pushed into a display feed: the sum of the four lanes over
// the input channel count, or 0 where that is not finite.
inline float channelMean (float laneSum, float inputCount) noexcept
{
    const float mean = laneSum / inputCount;
    return std::isfinite (mean) ? mean : 0.0f;
}

} // namespace tavik
