#include "RenderOptions.h"

#include <gtest/gtest.h>

#include <cmath>

namespace
{
    ParsedOptions parse (const char* commandLine)
    {
        return parseRenderOptions (juce::StringArray::fromTokens (commandLine, " ", ""));
    }
}

TEST (RenderOptions, ValidCommandLinesMapToEditorUnits)
{
    const auto parsed = parse ("in.wav out.flac --tavik 50 --bite hard --range 550 --output-gain -6.0206 --bits 16 --block 64");
    ASSERT_TRUE (parsed.options.has_value()) << parsed.error;
    const auto& o = *parsed.options;
    EXPECT_EQ (o.inputPath, "in.wav");
    EXPECT_EQ (o.outputPath, "out.flac");
    EXPECT_EQ (o.bitDepth, 16);
    EXPECT_EQ (o.blockSize, 64);

    const auto p = o.normalisedParameters();
    EXPECT_FLOAT_EQ (p[0], 0.5f);
    EXPECT_FLOAT_EQ (p[1], 2.0f / 3.0f);
    EXPECT_FLOAT_EQ (p[2], 0.5f);
    EXPECT_NEAR (p[3], 0.5f, 1.0e-5f);
    EXPECT_EQ (p[4], 0.0f);
}

TEST (RenderOptions, DefaultsAreThePluginDefaults)
{
    const auto parsed = parse ("a.wav b.wav");
    ASSERT_TRUE (parsed.options.has_value());
    const auto p = parsed.options->normalisedParameters();
    EXPECT_EQ (p[0], 0.3f);
    EXPECT_EQ (p[2], 0.4f);
    EXPECT_EQ (p[3], 1.0f);
    EXPECT_EQ (p[4], 0.0f);
    EXPECT_EQ (parsed.options->bitDepth, 24);
    EXPECT_EQ (parsed.options->blockSize, 512);
}

TEST (RenderOptions, MinusInfinityGainAndBypass)
{
    const auto parsed = parse ("a.wav b.wav --output-gain -inf --bypass");
    ASSERT_TRUE (parsed.options.has_value());
    EXPECT_EQ (parsed.options->normalisedParameters()[3], 0.0f);
    EXPECT_EQ (parsed.options->normalisedParameters()[4], 1.0f);
}

TEST (RenderOptions, DemoNeedsOnlyAnOutputAndHasAudibleDefaults)
{
    const auto parsed = parse ("--demo out.wav");
    ASSERT_TRUE (parsed.options.has_value()) << parsed.error;
    EXPECT_TRUE (parsed.options->demo);
    EXPECT_GT (parsed.options->amount, 30.0f);

    const auto overridden = parse ("--demo out.wav --tavik 0");
    ASSERT_TRUE (overridden.options.has_value());
    EXPECT_EQ (overridden.options->amount, 0.0f);
}

TEST (RenderOptions, BadCommandLinesNameTheOptionAndTheAllowedRange)
{
    struct Case { const char* commandLine; const char* mustMention; };
    const Case cases[] = {
        { "a.wav b.wav --tavik 101", "--tavik: expected a number from 0 to 100" },
        { "a.wav b.wav --tavik -1", "--tavik" },
        { "a.wav b.wav --tavik 5x", "--tavik" },
        { "a.wav b.wav --tavik nan", "--tavik" },
        { "a.wav b.wav --tavik inf", "--tavik" },
        { "a.wav b.wav --bite loud", "--bite: expected soft, medium or hard" },
        { "a.wav b.wav --range 99", "--range: expected a frequency from 100 to 1000 Hz" },
        { "a.wav b.wav --range 1000.5", "--range" },
        { "a.wav b.wav --output-gain 3", "--output-gain: expected a gain in dB from -inf to 0" },
        { "a.wav b.wav --output-gain +inf", "--output-gain" },
        { "a.wav b.wav --bits 20", "--bits: expected 16, 24 or 32" },
        { "a.wav b.wav --block 0", "--block: expected a whole number from 1 to 65536" },
        { "a.wav b.wav --block 1.5", "--block" },
        { "a.wav b.wav --block", "--block: missing value" },
        { "a.wav b.wav --volume 3", "unknown option '--volume'" },
        { "a.wav", "expected an input and an output file" },
        { "a.wav b.wav c.wav", "expected an input and an output file" },
        { "--demo out.wav in.wav", "--demo takes no input file" },
    };

    for (const auto& c : cases)
    {
        const auto parsed = parse (c.commandLine);
        EXPECT_FALSE (parsed.options.has_value()) << c.commandLine;
        EXPECT_TRUE (parsed.error.contains (c.mustMention)) << c.commandLine << " -> " << parsed.error;
        EXPECT_FALSE (parsed.error.containsChar ('\n')) << c.commandLine;
    }
}
