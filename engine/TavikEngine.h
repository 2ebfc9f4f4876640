#pragma once

// The whole signal path of the effect, in plain C++: parameter ramps, the
// crossover, the sine shaper with its resonant low-pass, output gain, the DC
// blocker and the bypass crossfade, plus the display feeds and block meters
// that the editor reads. The plug-in's processor is a thin adapter around it.

#include "BlockMeters.h"
#include "DisplayFeed.h"
#include "Filters.h"
#include "ParameterMapping.h"
#include "ParameterRamp.h"

#include <array>
#include <atomic>

namespace tavik
{

using NormalisedParameters = std::array<float, numParameters>;

class TavikEngine
{
public:
    static constexpr int maxChannels = 4;

    TavikEngine();

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

private:
    void updateParameterTargets (const NormalisedParameters& parameters, int numSamples) noexcept;
    void snapRamps() noexcept;
    void clearFilters() noexcept;
    bool filterStateIsFinite() const noexcept;

    ButterworthCascade lowPassCascade { BandType::lowPass };
    ButterworthCascade highPassCascade { BandType::highPass };
    ResonantLowPass resonantLowPass;
    std::array<ParameterRamp, numParameters> ramps;   // drive, resonanceQ, crossoverHz, outputGain, bypassMix
    DcBlocker dcBlocker;

    std::atomic<bool> snapRequested { false };
    float sampleRate = 44100.0f;
};

// The parameter value the engine uses for a raw value read from the host:
// a value that is not a number reads as the parameter's default.
inline float sanitisedParameter (int index, float value) noexcept
{
    return value != value ? normalisedDefault (index) : value;
}

} // namespace tavik
