#pragma once

// The five host parameters, their table, and how each normalised value (0 to 1)
// maps to the quantity the signal path uses.

#include <array>
#include <cmath>

namespace tavik
{

enum ParameterIndex
{
    amountParameter = 0,
    biteParameter = 1,
    rangeParameter = 2,
    outputGainParameter = 3,
    bypassParameter = 4,
    numParameters = 5
};

struct ParameterInfo
{
    int index;
    float minimum, maximum, defaultValue;
    const char* name;
    const char* idWord;
};

inline constexpr std::array<ParameterInfo, numParameters> parameterTable {{
    { 0, 0.0f, 1.0f, 0.3f,    "Tavik",       "Level" },
    { 1, 0.0f, 1.0f, 0.3333f, "Bite",        "Bite" },
    { 2, 0.0f, 1.0f, 0.4f,    "Range Hz",    "Range" },
    { 3, 0.0f, 1.0f, 1.0f,    "Output Gain", "Output Gain" },
    { 4, 0.0f, 1.0f, 0.0f,    "Bypass",      "Bypass" },
}};

inline float normalisedDefault (int index) noexcept
{
    const auto& p = parameterTable[(size_t) index];
    return (p.defaultValue - p.minimum) / (p.maximum - p.minimum);
}

inline float driveFromNormalised (float v) noexcept         { return std::pow (v, 1.5f) * 25.0f; }
inline float crossoverHzFromNormalised (float v) noexcept   { return std::pow (v, 1.5f) * 900.0f + 100.0f; }
inline float outputGainFromNormalised (float v) noexcept    { return v; }

inline float resonanceQFromNormalised (float v) noexcept
{
    const double wide = static_cast<double> (v);
    return wide < 0.3 ? 0.3f : (wide < 0.6 ? 1.225f : 4.0f);
}

inline float bypassMixFromNormalised (float v) noexcept
{
    return v >= 0.5f ? 1.0f : 0.0f;
}

} // namespace tavik
