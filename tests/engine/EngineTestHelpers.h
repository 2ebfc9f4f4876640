#pragma once

#include "TavikEngine.h"

#include <vector>

namespace tavik::test
{

inline NormalisedParameters defaultParameters()
{
    NormalisedParameters p;
    for (int i = 0; i < numParameters; ++i)
        p[(size_t) i] = normalisedDefault (i);
    return p;
}

inline NormalisedParameters withParameter (NormalisedParameters p, int index, float value)
{
    p[(size_t) index] = value;
    return p;
}

// A multichannel block of audio that the engine processes in place.
struct Block
{
    Block (int channels, int samples) : data ((size_t) channels, std::vector<float> ((size_t) samples, 0.0f))
    {
        for (auto& c : data)
            pointers.push_back (c.data());
    }

    void process (TavikEngine& engine, const NormalisedParameters& p)
    {
        const int channels = (int) data.size();
        engine.process (pointers.data(), channels, channels, (int) data[0].size(), p);
    }

    std::vector<std::vector<float>> data;
    std::vector<float*> pointers;
};

} // namespace tavik::test
