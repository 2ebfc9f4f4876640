#include "RevealButton.h"
#include "TestWindow.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace
{
    struct RecordingListener : public RevealButton::Listener
    {
        void revealButtonClicked (RevealButton* button) override
        {
            calls.push_back ("face");
            clickedButton = button;
        }

        void showNext() override        { calls.push_back ("next"); }
        void showPrevious() override    { calls.push_back ("previous"); }
        bool canShowPrevious() override { return true; }
        bool canShowNext() override     { return true; }

        std::vector<std::string> calls;
        RevealButton* clickedButton = nullptr;
    };

    class RevealButtonTest : public ::testing::Test
    {
    protected:
        void SetUp() override
        {
            reveal.listener = &listener;
            window.add (reveal, { 50, 50, 100, 24 });
        }

        RecordingListener listener;
        TestWindow window;
        RevealButton reveal;
    };

    TEST_F (RevealButtonTest, ArrowsSitAtBothEndsAsChildren)
    {
        EXPECT_EQ (reveal.leftButton.getBounds(), juce::Rectangle<int> (0, 0, 14, 24));
        EXPECT_EQ (reveal.rightButton.getBounds(), juce::Rectangle<int> (86, 0, 14, 24));
        EXPECT_TRUE (reveal.leftButton.isVisible());
        EXPECT_TRUE (reveal.rightButton.isVisible());
        EXPECT_EQ (reveal.text, "unknown");
    }

    TEST_F (RevealButtonTest, FaceClickCountsUpToRightAndBottomEdges)
    {
        window.press (reveal, { 50, 12 });
        window.release (reveal, { 100, 24 });
        window.press (reveal, { 50, 12 });
        window.release (reveal, { 101, 12 });

        EXPECT_THAT (listener.calls, ElementsAre ("face"));
        EXPECT_EQ (listener.clickedButton, &reveal);
    }

    TEST_F (RevealButtonTest, ArrowsReportPreviousAndNextWhileTheirOwnFlagAllows)
    {
        window.click (reveal.leftButton, { 7, 12 });
        window.click (reveal.rightButton, { 7, 12 });
        reveal.rightButton.active = false;
        window.click (reveal.rightButton, { 7, 12 });

        EXPECT_THAT (listener.calls, ElementsAre ("previous", "next"));
    }

    TEST_F (RevealButtonTest, InactiveFaceIgnoresClicksButArrowsStillWork)
    {
        reveal.active = false;
        window.click (reveal, { 50, 12 });
        window.click (reveal.leftButton, { 7, 12 });

        EXPECT_THAT (listener.calls, ElementsAre ("previous"));
    }

    TEST_F (RevealButtonTest, ButtonWithoutListenerIgnoresClicks)
    {
        reveal.listener = nullptr;
        window.click (reveal, { 50, 12 });
        window.click (reveal.leftButton, { 7, 12 });
        window.click (reveal.rightButton, { 7, 12 });

        EXPECT_THAT (listener.calls, IsEmpty());
    }

    // The strongest alpha of any pixel: what the darkest text stroke reaches.
    int strongestAlpha (const juce::Image& image)
    {
        int strongest = 0;

        for (int y = 0; y < image.getHeight(); ++y)
            for (int x = 0; x < image.getWidth(); ++x)
                strongest = juce::jmax (strongest, (int) image.getPixelAt (x, y).getAlpha());

        return strongest;
    }

    TEST_F (RevealButtonTest, InactiveFaceDrawsTextAtThirtyPercent)
    {
        reveal.text = "125%";
        EXPECT_EQ (strongestAlpha (paintToImage (reveal)), 255);

        reveal.active = false;
        EXPECT_NEAR (strongestAlpha (paintToImage (reveal)), 77, 2);
    }
}
