// Cost of the editor on the message thread: one periodic update, in which the
// editor takes a new frame from each display feed and transforms both, plus a
// paint of the whole editor into an image the way the window's peer paints it
// (cleared, then drawn through the zoom's scale), at 100 % and 200 % zoom.
// The audio that fills the next frames runs between the timed updates, outside
// the timing, which counts the message thread's CPU time.
//
// The editor is never put on the desktop, so no display is needed, and it
// keeps its settings file in a private home folder.

#include "BenchCases.h"
#include "SummaryReporter.h"
#include "TavikAudioProcessor.h"
#include "TavikAudioProcessorEditor.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>
#include <ctime>
#include <string>

namespace
{
    constexpr double sampleRate = 48000.0;
    constexpr int blockSize = 512;
    constexpr int editorWidth = 656;
    constexpr int editorHeight = 460;

    // Points HOME at a new temporary folder for its lifetime, where the
    // framework finds the user's configuration folder.
    class PrivateHome
    {
    public:
        PrivateHome() : folder (juce::File::createTempFile ("tavik-bench-home"))
        {
            folder.createDirectory();
            if (const char* home = std::getenv ("HOME"))
                savedHome = home;
            setenv ("HOME", folder.getFullPathName().toRawUTF8(), 1);
        }

        ~PrivateHome()
        {
            setenv ("HOME", savedHome.c_str(), 1);
            folder.deleteRecursively();
        }

    private:
        juce::File folder;
        std::string savedHome;
    };

    // Plays two low sines with a little noise on them through the processor.
    class Player
    {
    public:
        explicit Player (TavikAudioProcessor& p) : processor (p)
        {
            processor.prepareToPlay (sampleRate, blockSize);
        }

        // Processes blocks until both display feeds have a frame ready.
        void playUntilFramesReady()
        {
            do
                playBlock();
            while (! (processor.getModulatorFeed().isReady() && processor.getLowBandFeed().isReady()));
        }

    private:
        void playBlock()
        {
            for (int i = 0; i < blockSize; ++i, ++position)
            {
                noise = noise * 1664525u + 1013904223u;
                const double t = (double) position / sampleRate;
                const float tones = (float) (0.4 * std::sin (2.0 * juce::MathConstants<double>::pi * 55.0 * t)
                                             + 0.2 * std::sin (2.0 * juce::MathConstants<double>::pi * 160.0 * t));
                const float sample = tones + 0.05f * ((float) (noise >> 8) / 16777216.0f - 0.5f);

                for (int c = 0; c < buffer.getNumChannels(); ++c)
                    buffer.setSample (c, i, sample);
            }

            processor.processBlock (buffer, midi);
        }

        TavikAudioProcessor& processor;
        juce::AudioBuffer<float> buffer { 2, blockSize };
        juce::MidiBuffer midi;
        int64_t position = 0;
        uint32_t noise = 1u;
    };

    // CPU time of the calling thread, so that other programs on the machine
    // do not count.
    double threadSeconds()
    {
        timespec now {};
        clock_gettime (CLOCK_THREAD_CPUTIME_ID, &now);
        return (double) now.tv_sec + 1.0e-9 * (double) now.tv_nsec;
    }

    struct Timing
    {
        double update, paint;   // seconds
    };

    // Plays until both feeds have a frame, then times one periodic update and
    // a paint of the whole editor into the image, cleared first and drawn
    // through the zoom's scale, as the window's peer paints.
    Timing updateAndPaintOnce (Player& player, TavikAudioProcessorEditor& editor, juce::Image& image, float scale)
    {
        player.playUntilFramesReady();

        const double start = threadSeconds();
        editor.timerCallback();
        const double updated = threadSeconds();

        image.clear (image.getBounds());
        {
            juce::Graphics g (image);
            g.addTransform (juce::AffineTransform::scale (scale));
            editor.paintEntireComponent (g, true);
        }
        const double painted = threadSeconds();

        return { updated - start, painted - updated };
    }

    void updateAndPaint (benchmark::State& state, int zoomPercentage)
    {
        PrivateHome home;
        juce::ScopedJuceInitialiser_GUI framework;
        TavikAudioProcessor processor;
        Player player (processor);

        // Opened the way a host opens it.
        std::unique_ptr<TavikAudioProcessorEditor> editor (
            dynamic_cast<TavikAudioProcessorEditor*> (processor.createEditorIfNeeded()));

        const float scale = (float) zoomPercentage / 100.0f;
        juce::Image image (juce::Image::ARGB,
                           juce::roundToInt ((float) editorWidth * scale),
                           juce::roundToInt ((float) editorHeight * scale), true);

        // The first paint after opening (or after a zoom change) also makes the
        // editor's cached layers: it is reported on its own, and the timed
        // updates are the ones of a window that stays open.
        const auto first = updateAndPaintOnce (player, *editor, image, scale);

        double updateSeconds = 0.0, paintSeconds = 0.0;

        for (auto _ : state)
        {
            const auto timing = updateAndPaintOnce (player, *editor, image, scale);

            if (processor.getModulatorFeed().isReady())
            {
                state.SkipWithError ("the update took no display frame");
                break;
            }

            updateSeconds += timing.update;
            paintSeconds += timing.paint;
            state.SetIterationTime (timing.update + timing.paint);
        }

        state.counters[SummaryReporter::updateCounter] = benchmark::Counter (updateSeconds * 1.0e3, benchmark::Counter::kAvgIterations);
        state.counters[SummaryReporter::paintCounter] = benchmark::Counter (paintSeconds * 1.0e3, benchmark::Counter::kAvgIterations);
        state.counters[SummaryReporter::firstPaintCounter] = first.paint * 1.0e3;
    }
}

void registerEditorCases()
{
    for (const int zoomPercentage : { 100, 200 })
    {
        const auto name = SummaryReporter::editorPrefix + std::to_string (zoomPercentage);
        benchmark::RegisterBenchmark (name.c_str(), [=] (benchmark::State& s) { updateAndPaint (s, zoomPercentage); })
            ->UseManualTime();
    }
}
