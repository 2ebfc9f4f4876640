#pragma once

// The plug-in's signal engine: the crossover, the sine shaper with its
// resonant low-pass, output gain, the DC blocker and the bypass crossfade.
// It renders exactly the samples and display frames of the per-sample recipe
// (ReferenceEngine), bit for bit, with far less work:
//  - a filter is designed again only when its frequency, resonance or sample
//    rate changed, and one tangent serves all five designs (FilterBank.h);
//  - a block is split into the part in which some parameter ramp runs and the
//    idle part after it. The idle part runs with one set of controls; the
//    ramping part takes per-sample values and coefficients from tables filled
//    beforehand, the coefficients designed four samples at a time, one sample
//    per lane;
//  - the display feeds take their window from a table (DisplayFeed);
//  - audio goes through in chunks of up to chunkLength samples, stage by
//    stage, and the shaper's sine runs across four samples of a channel at a
//    time, skipping channels that are silent throughout (TavikEngine.cpp).
// The chunks' working tables live on the stack; nothing is allocated.

#include "EngineCore.h"
#include "FilterBank.h"

namespace tavik
{

class TavikEngine final : public EngineCore
{
public:
    static constexpr int chunkLength = 64;

private:
    void resetFilters (float rate) noexcept override;
    void clearFilterState() noexcept override;
    bool filterStateIsFinite() const noexcept override;
    void render (const Block& block, OutputSums& sums) noexcept override;

    void renderRampingChunk (const Block& block, int start, int count, OutputSums& sums) noexcept;

    template <typename Controls>
    void renderChunk (const Block& block, int start, int count, const Controls& controls, OutputSums& sums) noexcept;

    FilterBankState filters;
    FilterDesign design;
};

} // namespace tavik
