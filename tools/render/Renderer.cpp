#include "Renderer.h"

#include "TavikAudioProcessor.h"

#include <cmath>
#include <filesystem>

namespace
{
    struct LevelMeter
    {
        float peak = 0.0f;
        double sumOfSquares = 0.0;
        juce::int64 count = 0;

        void add (const juce::AudioBuffer<float>& buffer, int n)
        {
            for (int c = 0; c < buffer.getNumChannels(); ++c)
            {
                const float* samples = buffer.getReadPointer (c);
                for (int i = 0; i < n; ++i)
                {
                    peak = std::max (peak, std::abs (samples[i]));
                    sumOfSquares += (double) samples[i] * samples[i];
                }
            }
            count += (juce::int64) n * buffer.getNumChannels();
        }

        float rms() const { return count > 0 ? (float) std::sqrt (sumOfSquares / (double) count) : 0.0f; }
    };

    // Lets a writer, which deletes its stream, write to a file stream that the
    // caller keeps, so that write errors can still be read after the writer
    // has finished the file.
    class BorrowedOutputStream : public juce::OutputStream
    {
    public:
        explicit BorrowedOutputStream (juce::OutputStream& s) : target (s) {}

        void flush() override { target.flush(); }
        bool setPosition (juce::int64 position) override { return target.setPosition (position); }
        juce::int64 getPosition() override { return target.getPosition(); }
        bool write (const void* data, size_t size) override { return target.write (data, size); }

    private:
        juce::OutputStream& target;
    };

    juce::String decibels (float linear)
    {
        if (linear <= 0.0f)
            return "-inf dBFS";
        return juce::String (20.0f * std::log10 (linear), 1) + " dBFS";
    }

    bool isSameFile (const juce::File& a, const juce::File& b)
    {
        if (a == b)
            return true;

        std::error_code error;
        return std::filesystem::equivalent (a.getFullPathName().toStdString(), b.getFullPathName().toStdString(), error);
    }

    void configure (TavikAudioProcessor& processor, const RenderOptions& options, int numChannels, double sampleRate)
    {
        const auto set = numChannels == 1 ? juce::AudioChannelSet::mono() : juce::AudioChannelSet::stereo();
        juce::AudioProcessor::BusesLayout layout;
        layout.inputBuses.add (set);
        layout.outputBuses.add (set);
        processor.setBusesLayout (layout);

        const auto values = options.normalisedParameters();
        for (int i = 0; i < (int) values.size(); ++i)
            processor.parameterAt (i).setValueNotifyingHost (values[(size_t) i]);

        processor.prepareToPlay (sampleRate, options.blockSize);
    }
}

juce::String RenderSummary::describe() const
{
    const double speed = elapsedSeconds > 0.0 ? durationSeconds / elapsedSeconds : 0.0;
    return "in: peak " + decibels (inputPeak) + ", RMS " + decibels (inputRms)
         + " | out: peak " + decibels (outputPeak) + ", RMS " + decibels (outputRms)
         + " | " + juce::String (durationSeconds, 2) + " s rendered in " + juce::String (elapsedSeconds, 2)
         + " s (" + juce::String (speed, 1) + "x real time)";
}

RenderSource sourceFromReader (juce::AudioFormatReader& reader)
{
    RenderSource source;
    source.sampleRate = reader.sampleRate;
    source.numChannels = (int) reader.numChannels;
    source.lengthInSamples = reader.lengthInSamples;
    source.read = [&reader] (juce::AudioBuffer<float>& destination, juce::int64 position, int n)
    {
        return reader.read (&destination, 0, n, position, true, true);
    };
    return source;
}

RenderSource sourceFromBuffer (const juce::AudioBuffer<float>& buffer, double sampleRate)
{
    RenderSource source;
    source.sampleRate = sampleRate;
    source.numChannels = buffer.getNumChannels();
    source.lengthInSamples = buffer.getNumSamples();
    source.read = [&buffer] (juce::AudioBuffer<float>& destination, juce::int64 position, int n)
    {
        for (int c = 0; c < buffer.getNumChannels(); ++c)
            destination.copyFrom (c, 0, buffer, c, (int) position, n);
        return true;
    };
    return source;
}

juce::Result renderToFile (const RenderSource& source, const juce::File& output, const RenderOptions& options,
                           const ProgressCallback& progress, RenderSummary& summary)
{
    if (source.numChannels != 1 && source.numChannels != 2)
        return juce::Result::fail ("the input has " + juce::String (source.numChannels)
                                   + " channels; only mono and stereo are supported");

    if (! (source.sampleRate > 0.0) || ! std::isfinite (source.sampleRate))
        return juce::Result::fail ("the input has no valid sample rate");

    juce::AudioFormatManager formats;
    formats.registerBasicFormats();
    auto* format = output.hasFileExtension ("wav;aif;aiff;flac") ? formats.findFormatForFileExtension (output.getFileExtension())
                                                                 : nullptr;
    if (format == nullptr)
        return juce::Result::fail (output.getFileName() + ": the output must end in .wav, .aif, .aiff or .flac");

    if (! format->getPossibleBitDepths().contains (options.bitDepth))
        return juce::Result::fail (format->getFormatName() + " cannot be written with " + juce::String (options.bitDepth) + " bits");

    if (! output.getParentDirectory().isDirectory())
        return juce::Result::fail (output.getFullPathName() + ": the folder does not exist");

    // Render into a hidden sibling first and move it into place at the end, so
    // that a failed render never leaves a partial output file.
    const auto partial = output.getSiblingFile ("." + output.getFileName() + ".partial");
    partial.deleteFile();

    auto result = [&]() -> juce::Result
    {
        juce::FileOutputStream file (partial);
        if (! file.openedOk())
            return juce::Result::fail (output.getFullPathName() + ": cannot write here");

        auto stream = std::make_unique<BorrowedOutputStream> (file);
        std::unique_ptr<juce::AudioFormatWriter> writer (format->createWriterFor (stream.get(), source.sampleRate,
                                                                                  (unsigned int) source.numChannels,
                                                                                  options.bitDepth, {}, 0));
        if (writer == nullptr)
            return juce::Result::fail (format->getFormatName() + " cannot be written at this sample rate and bit depth");
        stream.release();   // the writer owns the wrapper now

        TavikAudioProcessor processor;
        configure (processor, options, source.numChannels, source.sampleRate);

        juce::AudioBuffer<float> buffer (source.numChannels, options.blockSize);
        juce::MidiBuffer midi;
        LevelMeter inputLevel, outputLevel;
        const auto started = juce::Time::getMillisecondCounterHiRes();

        for (juce::int64 position = 0; position < source.lengthInSamples; position += options.blockSize)
        {
            const int n = (int) std::min<juce::int64> (options.blockSize, source.lengthInSamples - position);
            buffer.setSize (source.numChannels, n, false, false, true);

            if (! source.read (buffer, position, n))
                return juce::Result::fail ("the input could not be read to its end");

            inputLevel.add (buffer, n);
            processor.processBlock (buffer, midi);
            outputLevel.add (buffer, n);

            if (! writer->writeFromAudioSampleBuffer (buffer, 0, n))
                return juce::Result::fail (output.getFullPathName() + ": writing failed (is the disk full?)");

            if (progress)
                progress ((double) (position + n) / (double) source.lengthInSamples,
                          (double) source.lengthInSamples / source.sampleRate);
        }

        writer.reset();   // finishes the file's headers
        file.flush();
        if (file.getStatus().failed())
            return juce::Result::fail (output.getFullPathName() + ": writing failed (" + file.getStatus().getErrorMessage() + ")");

        summary.inputPeak = inputLevel.peak;
        summary.inputRms = inputLevel.rms();
        summary.outputPeak = outputLevel.peak;
        summary.outputRms = outputLevel.rms();
        summary.durationSeconds = (double) source.lengthInSamples / source.sampleRate;
        summary.elapsedSeconds = (juce::Time::getMillisecondCounterHiRes() - started) / 1000.0;
        return juce::Result::ok();
    }();

    if (result.wasOk() && ! partial.moveFileTo (output))
        result = juce::Result::fail (output.getFullPathName() + ": cannot replace the output file");

    if (result.failed())
        partial.deleteFile();

    return result;
}

juce::Result renderFile (const RenderOptions& options, const ProgressCallback& progress, RenderSummary& summary)
{
    const juce::File input (juce::File::getCurrentWorkingDirectory().getChildFile (options.inputPath));
    const juce::File output (juce::File::getCurrentWorkingDirectory().getChildFile (options.outputPath));

    if (! input.existsAsFile())
        return juce::Result::fail (options.inputPath + ": no such file");

    if (isSameFile (input, output))
        return juce::Result::fail ("the output would overwrite the input " + options.inputPath);

    juce::FileInputStream probe (input);
    if (! probe.openedOk())
        return juce::Result::fail (options.inputPath + ": cannot read the file");

    juce::AudioFormatManager formats;
    formats.registerBasicFormats();
    std::unique_ptr<juce::AudioFormatReader> reader (formats.createReaderFor (input));
    if (reader == nullptr)
        return juce::Result::fail (options.inputPath + ": not a WAV, AIFF or FLAC file that can be decoded");

    return renderToFile (sourceFromReader (*reader), output, options, progress, summary);
}
