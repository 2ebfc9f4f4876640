#include "CaseName.h"
#include "TavikButton.h"
#include "TestWindow.h"

#include <gtest/gtest.h>

namespace
{
    struct ClickRecorder : public TavikButton::Delegate
    {
        void buttonClicked (TavikButton* button) override { clicked.push_back (button); }
        std::vector<TavikButton*> clicked;
    };

    class TavikButtonTest : public ::testing::Test
    {
    protected:
        void SetUp() override
        {
            button.delegate = &recorder;
            window.add (button, { 30, 30, 20, 16 });
        }

        ClickRecorder recorder;
        TestWindow window;
        TavikButton button;
    };

    struct ReleaseCase
    {
        const char* name;
        juce::Point<int> release;
        bool clicks;
    };

    class TavikButtonReleaseTest : public TavikButtonTest,
                                   public ::testing::WithParamInterface<ReleaseCase> {};

    TEST_P (TavikButtonReleaseTest, ReleaseWithinBoundsIncludingRightAndBottomEdgeClicks)
    {
        window.press (button, { 10, 8 });
        window.release (button, GetParam().release);

        ASSERT_EQ (recorder.clicked.size(), GetParam().clicks ? 1u : 0u);

        if (GetParam().clicks)
        {
            EXPECT_EQ (recorder.clicked.front(), &button);
        }
    }

    INSTANTIATE_TEST_SUITE_P (Edges, TavikButtonReleaseTest, ::testing::Values (
        ReleaseCase { "Centre", { 10, 8 }, true },
        ReleaseCase { "TopLeftCorner", { 0, 0 }, true },
        ReleaseCase { "RightEdge", { 20, 8 }, true },        // exactly on the right edge
        ReleaseCase { "BottomEdge", { 10, 16 }, true },       // exactly on the bottom edge
        ReleaseCase { "BottomRightCorner", { 20, 16 }, true },
        ReleaseCase { "PastRightEdge", { 21, 8 }, false },
        ReleaseCase { "PastBottomEdge", { 10, 17 }, false },
        ReleaseCase { "LeftOfButton", { -1, 8 }, false }),
        CaseName());

    TEST_F (TavikButtonTest, InactiveButtonIgnoresClicksAndLooksTheSame)
    {
        button.image = solidImage (juce::Colours::orange);
        const auto activeLook = paintToImage (button);

        button.active = false;
        window.click (button, { 10, 8 });

        EXPECT_TRUE (recorder.clicked.empty());

        const auto inactiveLook = paintToImage (button);

        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 20; ++x)
                ASSERT_EQ (inactiveLook.getPixelAt (x, y), activeLook.getPixelAt (x, y));

        EXPECT_EQ (activeLook.getPixelAt (10, 8), juce::Colours::orange);
    }

    TEST_F (TavikButtonTest, ButtonWithoutDelegateOrImageTakesClicksSafely)
    {
        button.delegate = nullptr;
        window.click (button, { 10, 8 });

        EXPECT_EQ (paintToImage (button).getPixelAt (10, 8).getAlpha(), 0);
    }
}
