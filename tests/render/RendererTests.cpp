#include "DemoSignal.h"
#include "Renderer.h"

#include <gtest/gtest.h>

#include <cmath>

namespace
{
    struct TempFolder
    {
        TempFolder() { folder.createDirectory(); }
        ~TempFolder() { folder.deleteRecursively(); }
        juce::File file (const char* name) const { return folder.getChildFile (name); }

        juce::File folder = juce::File::createTempFile ("tavik-render-test");
    };

    void writeWav (const juce::File& file, const juce::AudioBuffer<float>& audio, double rate, int bits = 24)
    {
        juce::WavAudioFormat wav;
        std::unique_ptr<juce::AudioFormatWriter> writer (wav.createWriterFor (new juce::FileOutputStream (file), rate,
                                                                              (unsigned int) audio.getNumChannels(), bits, {}, 0));
        ASSERT_NE (writer, nullptr);
        writer->writeFromAudioSampleBuffer (audio, 0, audio.getNumSamples());
    }

    juce::AudioBuffer<float> sine (int channels, int samples, float frequency, double rate, float level = 0.5f)
    {
        juce::AudioBuffer<float> buffer (channels, samples);
        for (int c = 0; c < channels; ++c)
            for (int i = 0; i < samples; ++i)
                buffer.setSample (c, i, level * std::sin (2.0f * juce::MathConstants<float>::pi * frequency * (float) i / (float) rate));
        return buffer;
    }

    std::unique_ptr<juce::AudioFormatReader> openReader (const juce::File& file)
    {
        juce::AudioFormatManager formats;
        formats.registerBasicFormats();
        return std::unique_ptr<juce::AudioFormatReader> (formats.createReaderFor (file));
    }

    RenderOptions optionsFor (const juce::File& in, const juce::File& out)
    {
        RenderOptions o;
        o.inputPath = in.getFullPathName();
        o.outputPath = out.getFullPathName();
        return o;
    }

    // Energy of harmonics 2 to 5 relative to the fundamental, from the second half.
    double harmonicContent (const juce::File& file, float fundamental)
    {
        auto reader = openReader (file);
        juce::AudioBuffer<float> audio ((int) reader->numChannels, (int) reader->lengthInSamples);
        reader->read (&audio, 0, audio.getNumSamples(), 0, true, true);

        auto energyAt = [&] (double frequency)
        {
            double re = 0.0, im = 0.0;
            for (int i = audio.getNumSamples() / 2; i < audio.getNumSamples(); ++i)
            {
                const double phase = 2.0 * juce::MathConstants<double>::pi * frequency * i / reader->sampleRate;
                re += audio.getSample (0, i) * std::cos (phase);
                im += audio.getSample (0, i) * std::sin (phase);
            }
            return std::sqrt (re * re + im * im);
        };

        double harmonics = 0.0;
        for (int h = 2; h <= 5; ++h)
            harmonics += energyAt (fundamental * h);
        return harmonics / energyAt (fundamental);
    }

    RenderSummary summary;
}

TEST (Renderer, KeepsRateAndChannelsAndWrites24BitByDefault)
{
    TempFolder temp;
    for (int channels : { 1, 2 })
    {
        const auto in = temp.file (channels == 1 ? "mono.wav" : "stereo.wav");
        const auto out = temp.file (channels == 1 ? "mono.aiff" : "stereo.aiff");
        writeWav (in, sine (channels, 9600, 80.0f, 48000.0), 48000.0, 16);
        const auto result = renderFile (optionsFor (in, out), {}, summary);
        ASSERT_TRUE (result.wasOk()) << result.getErrorMessage();

        auto reader = openReader (out);
        ASSERT_NE (reader, nullptr);
        EXPECT_EQ (reader->sampleRate, 48000.0);
        EXPECT_EQ ((int) reader->numChannels, channels);
        EXPECT_EQ (reader->bitsPerSample, 24u);
        EXPECT_EQ (reader->lengthInSamples, 9600);
        EXPECT_GT (summary.outputPeak, 0.1f);
    }
}

TEST (Renderer, DriveAddsHarmonicsThatBypassDoesNot)
{
    TempFolder temp;
    const auto in = temp.file ("sine.wav"), driven = temp.file ("driven.flac"), bypassed = temp.file ("bypassed.flac");
    writeWav (in, sine (2, 44100, 80.0f, 44100.0), 44100.0);

    auto options = optionsFor (in, driven);
    options.amount = 50.0f;
    ASSERT_TRUE (renderFile (options, {}, summary).wasOk());

    options.outputPath = bypassed.getFullPathName();
    options.bypass = true;
    ASSERT_TRUE (renderFile (options, {}, summary).wasOk());

    EXPECT_GT (harmonicContent (driven, 80.0f), 0.05);
    EXPECT_LT (harmonicContent (bypassed, 80.0f), 0.002);
}

TEST (Renderer, RefusesBadInputsAndLeavesNoOutputBehind)
{
    TempFolder temp;
    const auto good = temp.file ("good.wav");
    writeWav (good, sine (2, 1000, 100.0f, 44100.0), 44100.0);
    const auto surround = temp.file ("surround.wav");
    writeWav (surround, sine (3, 1000, 100.0f, 44100.0), 44100.0);
    const auto garbage = temp.file ("garbage.wav");
    garbage.replaceWithText ("this is not audio");

    struct Case { juce::File in, out; int bits; const char* mustMention; };
    const Case cases[] = {
        { temp.file ("missing.wav"), temp.file ("o1.wav"), 24, "no such file" },
        { garbage, temp.file ("o2.wav"), 24, "not a WAV, AIFF or FLAC file" },
        { surround, temp.file ("o3.wav"), 24, "only mono and stereo" },
        { good, good, 24, "would overwrite the input" },
        { good, temp.file ("o4.mp3"), 24, ".wav, .aif, .aiff or .flac" },
        { good, temp.file ("o5.flac"), 32, "cannot be written with 32 bits" },
        { good, temp.file ("no-folder/o6.wav"), 24, "the folder does not exist" },
    };

    for (const auto& c : cases)
    {
        auto options = optionsFor (c.in, c.out);
        options.bitDepth = c.bits;
        const auto result = renderFile (options, {}, summary);
        EXPECT_TRUE (result.failed()) << c.mustMention;
        EXPECT_TRUE (result.getErrorMessage().contains (c.mustMention)) << result.getErrorMessage();
    }

    // Nothing but the inputs is left in the folder, and the input is intact.
    EXPECT_EQ (temp.folder.getNumberOfChildFiles (juce::File::findFilesAndDirectories, "*"), 3);
    EXPECT_EQ (openReader (good)->lengthInSamples, 1000);
}

TEST (Renderer, DemoIsAudiblyProcessed)
{
    TempFolder temp;
    const auto demo = makeDemoSignal (demoSampleRate);
    EXPECT_GT (demo.getNumSamples() / demoSampleRate, 3.0);

    auto options = parseRenderOptions ({ "--demo", temp.file ("demo.wav").getFullPathName() }).options.value();
    ASSERT_TRUE (renderToFile (sourceFromBuffer (demo, demoSampleRate), temp.file ("demo.wav"), options, {}, summary).wasOk());
    const auto processed = summary;

    options.bypass = true;
    ASSERT_TRUE (renderToFile (sourceFromBuffer (demo, demoSampleRate), temp.file ("dry.wav"), options, {}, summary).wasOk());

    EXPECT_GT (std::abs (20.0f * std::log10 (processed.outputRms / summary.outputRms)), 1.0f);
    EXPECT_LT (processed.outputPeak, 1.0f);
}
