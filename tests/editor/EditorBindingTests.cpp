#include "EditorFixture.h"

#include "ParameterText.h"

#include <thread>

using BindingTest = EditorFixture;

TEST (ParameterText, ReadoutTextsPerParameter)
{
    struct Case { int tag; float value; const char* text; };
    const Case cases[] = {
        { 0, 0.3f, "30" }, { 0, 0.0f, "0" }, { 0, 1.0f, "100" },
        { 2, 0.0f, "100 Hz" }, { 2, 0.5f, "550 Hz" }, { 2, 1.0f, "1000 Hz" },
        { 3, 1.0f, "0.00 dB" }, { 3, 0.5f, "-6.02 dB" }, { 3, 0.25f, "-12.0 dB" },
        { 3, 0.00001f, "-inf dB" }, { 3, 0.0f, "-inf dB" }, { 3, 0.000011f, "-99.2 dB" },
        { 1, 0.3333f, "33%" }, { 4, 0.5f, "50%" }, { 4, 0.0f, "0%" },
    };

    for (const auto& c : cases)
        EXPECT_EQ (parameterText (c.tag, c.value), c.text) << c.tag << " " << c.value;
}

TEST_F (BindingTest, KnobDragWritesTheParameterInsideAGestureAndShowsTheReadout)
{
    HostRecorder host;
    processor.addListener (&host);

    window.press (editor->amountKnob, { 24, 24 });
    EXPECT_EQ (editor->amountValueView.text, "30");
    EXPECT_EQ (editor->amountValueView.getBounds(), juce::Rectangle<int> (70, 378, 58, 19));
    EXPECT_TRUE (editor->amountValueView.shown);
    EXPECT_FALSE (editor->valueView.shown);

    window.dragTo (editor->amountKnob, { 24, 12 });
    window.dragTo (editor->amountKnob, { 24, 6 });
    window.release (editor->amountKnob, { 24, 6 });
    processor.removeListener (&host);

    ASSERT_GE (host.events.size(), 4);
    EXPECT_EQ (host.events[0], "begin 0");
    EXPECT_EQ (host.events[host.events.size() - 1], "end 0");
    for (int i = 1; i < host.events.size() - 1; ++i)
        EXPECT_TRUE (host.events[i].startsWith ("change 0 ")) << host.events[i];

    EXPECT_GT (parameter (0).getValue(), 0.3f);
    EXPECT_EQ (parameter (0).getValue(), editor->amountKnob.getValue());
    EXPECT_EQ (editor->amountValueView.text, parameterText (0, parameter (0).getValue()));
    EXPECT_FALSE (editor->amountValueView.shown);
}

TEST_F (BindingTest, ReadoutsFadeInWhileShownAndOutAfterwards)
{
    editor->valueView.shown = true;
    for (int tick = 0; tick < 13; ++tick)
        editor->timerCallback();
    EXPECT_EQ (editor->valueView.fadeLevel, 1.0f);
    EXPECT_EQ (editor->valueView.getAlpha(), 1.0f);

    editor->valueView.shown = false;
    for (int tick = 0; tick < 13; ++tick)
        editor->timerCallback();
    EXPECT_EQ (editor->valueView.fadeLevel, 0.0f);
}

TEST_F (BindingTest, HostAutomationMovesTheControlsWithinOneTick)
{
    HostRecorder host;
    processor.addListener (&host);

    parameter (0).setValueNotifyingHost (0.9f);
    parameter (1).setValueNotifyingHost (0.6667f);
    parameter (2).setValueNotifyingHost (0.1f);
    parameter (3).setValueNotifyingHost (0.5f);
    parameter (4).setValueNotifyingHost (0.5f);
    const int eventsFromTheHost = host.events.size();
    editor->timerCallback();

    EXPECT_EQ (editor->amountKnob.getValue(), 0.9f);
    EXPECT_TRUE (editor->biteButtons.getButton (2)->selected);
    EXPECT_EQ (editor->rangeKnob.getValue(), 0.1f);
    EXPECT_EQ (editor->outputKnob.getValue(), 0.5f);
    EXPECT_EQ (editor->bypassSwitch.getValue(), 0.5f);
    EXPECT_EQ (editor->xyPad.getValueForTag (0), 0.9f);
    EXPECT_EQ (editor->xyPad.getValueForTag (2), 0.1f);
    EXPECT_EQ (host.events.size(), eventsFromTheHost);   // nothing reported back
    processor.removeListener (&host);
}

TEST_F (BindingTest, ADraggedKnobIsLeftAloneByAutomation)
{
    window.press (editor->outputKnob, { 24, 24 });
    parameter (3).setValueNotifyingHost (0.2f);
    editor->timerCallback();
    EXPECT_EQ (editor->outputKnob.getValue(), 1.0f);

    window.release (editor->outputKnob, { 24, 24 });
    editor->timerCallback();
    EXPECT_EQ (editor->outputKnob.getValue(), 0.2f);
}

TEST_F (BindingTest, DisplayAndMeterFollowLiveAudioOnly)
{
    processor.prepareToPlay (44100.0, 512);
    parameter (0).setValueNotifyingHost (0.8f);
    for (int tick = 0; tick < 20; ++tick)
    {
        playAudio (4);
        editor->timerCallback();
    }

    float largest = 0.0f;
    for (int i = 0; i < TavikAudioProcessorEditor::numBands; ++i)
        largest = std::max (largest, editor->bandLevels[i]);
    EXPECT_GT (largest, 0.0f);
    EXPECT_GT (editor->visuals.level, 0.0f);
    EXPECT_GT (editor->outputMeter.level, 0.0f);

    // Bypass at 0.5 or above empties display and meter although audio runs.
    parameter (4).setValueNotifyingHost (0.5f);
    playAudio (2);
    editor->timerCallback();
    for (int i = 0; i < TavikAudioProcessorEditor::numBands; ++i)
        ASSERT_EQ (editor->bandLevels[i], 0.0f);
    EXPECT_EQ (editor->visuals.level, 0.0f);

    // A host that stopped calling more than 0.25 s ago: empty at once.
    parameter (4).setValueNotifyingHost (0.0f);
    playAudio (2);
    editor->timerCallback();
    EXPECT_GT (editor->visuals.level, 0.0f);
    std::this_thread::sleep_for (std::chrono::milliseconds (300));
    editor->timerCallback();
    EXPECT_EQ (editor->visuals.level, 0.0f);
    EXPECT_EQ (editor->bandLevels[0], 0.0f);
}

TEST (PeakLamp, ThresholdsAreAboveFullScaleAndAbove0Point8)
{
    const std::pair<float, int> cases[] = { { 0.0f, 0 }, { 0.8f, 0 }, { 0.80001f, 1 }, { 1.0f, 1 }, { 1.0001f, 2 }, { 1.0e9f, 2 } };
    for (const auto& [peak, lamp] : cases)
        EXPECT_EQ (peakLampIndex (peak), lamp) << peak;
}

TEST_F (BindingTest, PeakLampFollowsTheLastBlocksPeak)
{
    processor.prepareToPlay (44100.0, 512);
    parameter (4).setValueNotifyingHost (1.0f);   // the band sum passes the level unchanged

    struct Case { float level; int lamp; };
    const Case cases[] = { { 1.5f, 2 }, { 0.9f, 1 }, { 0.3f, 0 } };
    for (const auto& c : cases)
    {
        playAudio (40, c.level);
        editor->timerCallback();
        EXPECT_EQ (editor->peakLamp.getImage(), editor->peakLampImages[(size_t) c.lamp]) << c.level;
    }
}

TEST_F (BindingTest, AStateLoadOnAnotherThreadRefreshesTheEditorOnTheMessageThread)
{
    TavikAudioProcessor source;
    source.parameterAt (1).setValueNotifyingHost (1.0f);
    source.parameterAt (0).setValueNotifyingHost (0.75f);
    juce::MemoryBlock state;
    source.getStateInformation (state);

    std::thread host ([&] { processor.setStateInformation (state.getData(), (int) state.getSize()); });
    host.join();
    EXPECT_TRUE (editor->biteButtons.getButton (1)->selected);   // not touched from the loading thread

    dispatchPendingMessages();
    EXPECT_TRUE (editor->biteButtons.getButton (2)->selected);
    EXPECT_EQ (editor->amountKnob.getValue(), 0.75f);

    // A load whose refresh arrives after the editor has closed does nothing.
    std::thread late ([&] { processor.setStateInformation (state.getData(), (int) state.getSize()); });
    late.join();
    editor.reset();
    dispatchPendingMessages();
}

TEST_F (BindingTest, AStateLoadOnTheMessageThreadRefreshesAtOnce)
{
    TavikAudioProcessor source;
    source.parameterAt (3).setValueNotifyingHost (0.25f);
    juce::MemoryBlock state;
    source.getStateInformation (state);
    processor.setStateInformation (state.getData(), (int) state.getSize());
    EXPECT_EQ (editor->outputKnob.getValue(), 0.25f);
}
