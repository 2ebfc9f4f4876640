#include "RenderOptions.h"

#include <cmath>
#include <limits>

namespace
{
    // Parses a whole argument as a finite number; "-inf" only when allowed.
    std::optional<float> parseNumber (const juce::String& text, bool allowMinusInfinity)
    {
        const auto trimmed = text.trim();
        if (allowMinusInfinity && trimmed.equalsIgnoreCase ("-inf"))
            return -std::numeric_limits<float>::infinity();

        const auto utf8 = trimmed.toStdString();
        if (utf8.empty())
            return std::nullopt;

        char* end = nullptr;
        const double value = std::strtod (utf8.c_str(), &end);
        if (end != utf8.c_str() + utf8.size() || ! std::isfinite (value))
            return std::nullopt;

        return static_cast<float> (value);
    }

    juce::String quoted (const juce::String& s) { return "'" + s + "'"; }
}

std::array<float, 5> RenderOptions::normalisedParameters() const
{
    const float gain = std::isinf (outputGainDb) ? 0.0f : std::pow (10.0f, outputGainDb / 20.0f);
    return { amount / 100.0f,
             static_cast<float> (bite) / 3.0f,
             (rangeHz - 100.0f) / 900.0f,
             juce::jlimit (0.0f, 1.0f, gain),
             bypass ? 1.0f : 0.0f };
}

ParsedOptions parseRenderOptions (const juce::StringArray& arguments)
{
    RenderOptions options;
    juce::StringArray positional;

    // The demo starts from settings that make the effect plainly audible;
    // options given on the command line still override them.
    if (arguments.contains ("--demo"))
    {
        options.amount = 70.0f;
        options.bite = 2;
        options.rangeHz = 200.0f;
    }

    auto fail = [] (const juce::String& message) { return ParsedOptions { std::nullopt, message }; };

    for (int i = 0; i < arguments.size(); ++i)
    {
        const auto& arg = arguments[i];

        if (arg == "--help" || arg == "-h")
        {
            options.help = true;
            return { options, {} };
        }

        if (arg == "--bypass")
        {
            options.bypass = true;
            continue;
        }

        if (! arg.startsWith ("--"))
        {
            positional.add (arg);
            continue;
        }

        static const juce::StringArray valued { "--demo", "--tavik", "--bite", "--range", "--output-gain", "--bits", "--block" };
        if (! valued.contains (arg))
            return fail ("unknown option " + quoted (arg) + " (see --help)");

        if (i + 1 >= arguments.size())
            return fail (arg + ": missing value");

        const auto value = arguments[++i];

        if (arg == "--demo")
        {
            options.demo = true;
            options.outputPath = value;
        }
        else if (arg == "--tavik")
        {
            const auto v = parseNumber (value, false);
            if (! v || *v < 0.0f || *v > 100.0f)
                return fail ("--tavik: expected a number from 0 to 100, got " + quoted (value));
            options.amount = *v;
        }
        else if (arg == "--bite")
        {
            static const juce::StringArray names { "soft", "medium", "hard" };
            const int index = names.indexOf (value.trim().toLowerCase());
            if (index < 0)
                return fail ("--bite: expected soft, medium or hard, got " + quoted (value));
            options.bite = index;
        }
        else if (arg == "--range")
        {
            const auto v = parseNumber (value, false);
            if (! v || *v < 100.0f || *v > 1000.0f)
                return fail ("--range: expected a frequency from 100 to 1000 Hz, got " + quoted (value));
            options.rangeHz = *v;
        }
        else if (arg == "--output-gain")
        {
            const auto v = parseNumber (value, true);
            if (! v || *v > 0.0f)
                return fail ("--output-gain: expected a gain in dB from -inf to 0, got " + quoted (value));
            options.outputGainDb = *v;
        }
        else if (arg == "--bits")
        {
            const auto v = parseNumber (value, false);
            if (! v || (*v != 16.0f && *v != 24.0f && *v != 32.0f))
                return fail ("--bits: expected 16, 24 or 32, got " + quoted (value));
            options.bitDepth = static_cast<int> (*v);
        }
        else if (arg == "--block")
        {
            const auto v = parseNumber (value, false);
            if (! v || *v < 1.0f || *v > 65536.0f || *v != std::floor (*v))
                return fail ("--block: expected a whole number from 1 to 65536, got " + quoted (value));
            options.blockSize = static_cast<int> (*v);
        }
    }

    if (options.demo)
    {
        if (! positional.isEmpty())
            return fail ("--demo takes no input file, got " + quoted (positional[0]));
    }
    else
    {
        if (positional.size() != 2)
            return fail ("expected an input and an output file (see --help)");
        options.inputPath = positional[0];
        options.outputPath = positional[1];
    }

    if (options.outputPath.isEmpty())
        return fail ("the output file name is empty");

    return { options, {} };
}

juce::String renderUsage()
{
    return "Usage: tavik-render INPUT OUTPUT [options]\n"
           "       tavik-render --demo OUTPUT [options]\n"
           "\n"
           "Runs an audio file (WAV, AIFF or FLAC, mono or stereo) through Tavik.\n"
           "The output keeps the input's sample rate and channel count; its format\n"
           "follows the output file's extension (.wav, .aif/.aiff, .flac).\n"
           "\n"
           "Options:\n"
           "  --tavik N          amount, 0 to 100 (default 30)\n"
           "  --bite MODE        soft, medium or hard (default medium)\n"
           "  --range HZ         crossover, 100 to 1000 Hz (default 460)\n"
           "  --output-gain DB   output gain in dB, -inf to 0 (default 0)\n"
           "  --bypass           render with the effect bypassed\n"
           "  --bits N           output bit depth: 16, 24 or 32 (default 24; 32 is float in WAV)\n"
           "  --block N          processing block size, 1 to 65536 (default 512)\n"
           "  --demo OUTPUT      render the built-in demo (a bass line with drums) instead\n"
           "                     of an input file; its defaults are --tavik 70 --bite hard\n"
           "                     --range 200\n"
           "  --help             show this help\n";
}
