#pragma once

#include "TavikAudioProcessorEditor.h"
#include "TestWindow.h"

#include <gtest/gtest.h>

namespace juce
{
    // The framework's own step of its message loop (Linux and Windows).
    bool dispatchNextMessageOnSystemQueue (bool returnIfNoPendingMessages);
}

// Delivers every message waiting on the message thread's queue.
inline void dispatchPendingMessages()
{
    while (juce::dispatchNextMessageOnSystemQueue (true))
    {
    }
}

// A processor with its editor open in a desktop window, driven by real mouse
// events. Settings are written under a private home folder for the test.
class EditorFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // Opened the way a host opens it, so that the processor knows its editor.
        editor.reset (dynamic_cast<TavikAudioProcessorEditor*> (processor.createEditorIfNeeded()));
        ASSERT_NE (editor, nullptr);
        window.content().setSize (656, 460);
        window.add (*editor, { 0, 0, 656, 460 });
    }

    void TearDown() override
    {
        editor.reset();
    }

    juce::RangedAudioParameter& parameter (int index) { return processor.parameterAt (index); }

    // Processes `blocks` blocks of a low sine, as a playing host would.
    void playAudio (int blocks, float level = 0.5f)
    {
        juce::AudioBuffer<float> buffer (2, 512);
        juce::MidiBuffer midi;
        for (int b = 0; b < blocks; ++b)
        {
            for (int c = 0; c < 2; ++c)
                for (int i = 0; i < 512; ++i)
                    buffer.setSample (c, i, level * std::sin (2.0f * juce::MathConstants<float>::pi * 70.0f * (float) (b * 512 + i) / 44100.0f));
            processor.processBlock (buffer, midi);
        }
    }

    TavikAudioProcessor processor;
    TestWindow window;
    std::unique_ptr<TavikAudioProcessorEditor> editor;
};

// Records what the processor tells its listeners, in order.
class HostRecorder : public juce::AudioProcessorListener
{
public:
    void audioProcessorParameterChanged (juce::AudioProcessor*, int index, float value) override
    {
        events.add ("change " + juce::String (index) + " " + juce::String (value, 4));
    }

    void audioProcessorChanged (juce::AudioProcessor*, const ChangeDetails&) override {}

    void audioProcessorParameterChangeGestureBegin (juce::AudioProcessor*, int index) override
    {
        events.add ("begin " + juce::String (index));
    }

    void audioProcessorParameterChangeGestureEnd (juce::AudioProcessor*, int index) override
    {
        events.add ("end " + juce::String (index));
    }

    juce::StringArray events;
};
