#pragma once

// The effect computed literally as its recipe reads, one sample at a time:
// before every sample both crossover bands and the resonant low-pass design
// themselves afresh (five tangents and two sqrt(2) terms), and every display
// point evaluates its window with the library sine. Slow on purpose. The
// plug-in does not use it; the tests and the benchmark hold TavikEngine to it,
// output sample for output sample and display frame for display frame.

#include "EngineCore.h"
#include "ReferenceFilters.h"

namespace tavik
{

class ReferenceEngine final : public EngineCore
{
private:
    void resetFilters (float rate) noexcept override;
    void clearFilterState() noexcept override;
    bool filterStateIsFinite() const noexcept override;
    void render (const Block& block, OutputSums& sums) noexcept override;

    ButterworthCascade lowPassCascade { BandType::lowPass };
    ButterworthCascade highPassCascade { BandType::highPass };
    ResonantLowPass resonantLowPass;
    DcBlocker dcBlocker;
};

} // namespace tavik
