// A session with every thread busy at once for a few seconds: the audio thread
// processing blocks, the message thread running editors (periodic updates that
// take display frames, control gestures, parameter writes, editors opened and
// closed) and a host thread saving and loading the state.
//
// Built with ThreadSanitizer, any unsynchronised access between the threads
// fails the run, whether or not the two accesses happened to overlap. That
// includes the display frames: the editor copies a frame out of one buffer of
// a feed while the audio thread goes on writing, and the sanitizer would
// report a single store of the audio thread into the buffer being copied. In
// other builds this is a stress test of the same session.

#include "AudioThread.h"
#include "StateThread.h"
#include "TavikAudioProcessorEditor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <memory>
#include <random>
#include <vector>

namespace juce
{
    // The framework's own step of its message loop (Linux and Windows).
    bool dispatchNextMessageOnSystemQueue (bool returnIfNoPendingMessages);
}

namespace
{
    constexpr auto sessionLength = std::chrono::seconds (4);
    constexpr int roundsPerEditor = 60;
    constexpr int roundsWithoutEditor = 5;

    // The sanitizer can only judge the frame hand-offs that happen while the
    // audio thread runs: the session must make a good number of them.
    constexpr int fewestFrames = 20;

    void dispatchPendingMessages()
    {
        while (juce::dispatchNextMessageOnSystemQueue (true))
        {
        }
    }

    // Opened the way a host opens it, so that the processor knows its editor.
    std::unique_ptr<TavikAudioProcessorEditor> openEditor (TavikAudioProcessor& processor)
    {
        return std::unique_ptr<TavikAudioProcessorEditor> (
            dynamic_cast<TavikAudioProcessorEditor*> (processor.createEditorIfNeeded()));
    }

    juce::MemoryBlock stateOf (const std::array<float, 5>& values)
    {
        juce::MemoryOutputStream stream;
        for (float v : values)
            stream.writeFloat (v);
        return stream.getMemoryBlock();
    }

    bool allFiniteAndNotNegative (const float* values, int count)
    {
        for (int i = 0; i < count; ++i)
            if (! std::isfinite (values[i]) || values[i] < 0.0f)
                return false;
        return true;
    }

    // What the editor shows after its periodic update: spectra of the frames
    // it took, band levels, meter and display level.
    bool editorShowsFiniteValues (TavikAudioProcessorEditor& editor)
    {
        return allFiniteAndNotNegative (editor.modulatorSpectrum.get(), 1024)
            && allFiniteAndNotNegative (editor.lowBandSpectrum.get(), 1024)
            && allFiniteAndNotNegative (editor.bandLevels.get(), TavikAudioProcessorEditor::numBands)
            && std::isfinite (editor.outputMeter.level) && editor.outputMeter.level >= 0.0f && editor.outputMeter.level <= 1.0f
            && std::isfinite (editor.visuals.level) && editor.visuals.level >= 0.0f;
    }

    // Tells whether the editor's updates took a frame since the last look, by
    // its spectrum: the input carries noise, so no two frames are alike.
    class FrameWatch
    {
    public:
        bool tookNewFrame (const TavikAudioProcessorEditor& editor)
        {
            const float* spectrum = editor.modulatorSpectrum.get();
            if (std::equal (last.begin(), last.end(), spectrum))
                return false;

            last.assign (spectrum, spectrum + last.size());
            return true;
        }

    private:
        std::vector<float> last = std::vector<float> (1024, 0.0f);
    };

    // A user gesture on the control of parameter `tag` (or on the pad for the
    // two parameters it drives), reported through the editor's callback.
    void makeGesture (TavikAudioProcessorEditor& editor, std::mt19937& random)
    {
        const int tag = (int) (random() % 5);
        EComponent* const controls[] = { &editor.amountKnob, &editor.biteButtons, &editor.rangeKnob,
                                         &editor.outputKnob, &editor.bypassSwitch };
        EComponent* sender = controls[tag];
        if ((tag == tavik::amountParameter || tag == tavik::rangeParameter) && random() % 2 == 0)
            sender = &editor.xyPad;

        std::uniform_real_distribution<float> unit (0.0f, 1.0f);
        editor.beginGesture (sender, tag);
        for (int step = 0; step < 3; ++step)
            editor.valueChanged (sender, tag, unit (random));
        editor.endGesture (sender, tag);
    }
}

TEST (ThreadedSession, AudioEditorsAndStateCallsShareNothingUnsynchronised)
{
    juce::ScopedJuceInitialiser_GUI messageThread;

    TavikAudioProcessor processor;
    processor.prepareToPlay (48000.0, 4096);

    const std::array<float, 5> lastValues { 0.8f, 0.6667f, 0.25f, 0.5f, 0.0f };
    const auto lastState = stateOf (lastValues);

    auto editor = openEditor (processor);
    ASSERT_NE (editor, nullptr);

    AudioThread audio (processor);
    StateThread host (processor, lastState);

    std::mt19937 random (3);
    std::uniform_real_distribution<float> unit (0.0f, 1.0f);
    FrameWatch frames;
    int ticks = 0, framesSeen = 0, badTicks = 0, editorsOpened = 1;
    int roundsInState = 0;

    const auto end = std::chrono::steady_clock::now() + sessionLength;
    while (std::chrono::steady_clock::now() < end)
    {
        if (editor != nullptr)
        {
            // The periodic update, far more often than its timer would run it.
            editor->timerCallback();
            ++ticks;
            if (! editorShowsFiniteValues (*editor))
                ++badTicks;

            if (frames.tookNewFrame (*editor))
                ++framesSeen;

            makeGesture (*editor, random);
        }
        else
        {
            processor.parameterAt ((int) (random() % 5)).setValueNotifyingHost (unit (random));
        }

        // The editor's own timer and the refreshes posted by state loads.
        dispatchPendingMessages();

        ++roundsInState;
        if (editor != nullptr && roundsInState == roundsPerEditor)
        {
            editor.reset();
            roundsInState = 0;
        }
        else if (editor == nullptr && roundsInState == roundsWithoutEditor)
        {
            editor = openEditor (processor);
            ASSERT_NE (editor, nullptr);
            ++editorsOpened;
            roundsInState = 0;
        }
    }

    if (editor == nullptr)
        editor = openEditor (processor);
    ASSERT_NE (editor, nullptr);

    // The host thread's last call loads lastState while audio still runs. The
    // refresh that the load posts to the message thread brings the editor's
    // controls to the loaded values.
    host.finish();
    dispatchPendingMessages();

    EXPECT_EQ (editor->amountKnob.getValue(), lastValues[0]);
    EXPECT_EQ (editor->biteButtons.getValue(), lastValues[1]);
    EXPECT_EQ (editor->rangeKnob.getValue(), lastValues[2]);
    EXPECT_EQ (editor->outputKnob.getValue(), lastValues[3]);
    EXPECT_EQ (editor->bypassSwitch.getValue(), lastValues[4]);
    EXPECT_EQ (editor->xyPad.getValueForTag (tavik::rangeParameter), lastValues[2]);
    EXPECT_EQ (editor->xyPad.getValueForTag (tavik::amountParameter), lastValues[0]);

    // Frames still come through: the hand-off has not got stuck.
    bool framesStillCome = false;
    const auto patience = std::chrono::steady_clock::now() + std::chrono::seconds (5);
    while (! framesStillCome && std::chrono::steady_clock::now() < patience)
    {
        editor->timerCallback();
        framesStillCome = frames.tookNewFrame (*editor);
    }
    EXPECT_TRUE (framesStillCome);

    audio.stop();
    editor.reset();

    EXPECT_EQ (audio.nonFiniteOutputs(), 0);
    EXPECT_EQ (host.badSaves(), 0);
    EXPECT_EQ (badTicks, 0);

    // Every thread got its work done while the others ran.
    EXPECT_GT (audio.blocksProcessed(), 1000);
    EXPECT_GT (host.loadsMade(), 100);
    EXPECT_GT (editorsOpened, 2);
    EXPECT_GE (framesSeen, fewestFrames) << "in " << ticks << " updates";

    // The processor ends at the state loaded last and saves it unchanged.
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ (processor.parameterAt (i).getValue(), lastValues[(size_t) i]) << "parameter " << i;

    juce::MemoryBlock saved;
    processor.getStateInformation (saved);
    EXPECT_EQ (saved, lastState);
}
