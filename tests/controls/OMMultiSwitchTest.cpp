#include "CaseName.h"
#include "OMMultiSwitch.h"
#include "RecordingCallback.h"
#include "TestWindow.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace
{
    // The bypass switch: two positions, each with its own colour and a
    // pressed colour, so that a pixel tells which image is drawn.
    class BypassSwitchTest : public ::testing::Test
    {
    protected:
        void SetUp() override
        {
            bypass.numPositions = 2;
            bypass.images.add (solidImage (off), solidImage (on));
            bypass.pressedImages.add (solidImage (offPressed), solidImage (onPressed));
            bypass.setTag (4);
            bypass.setCallback (&callback);
            bypass.setValue (0.0f, true);
            window.add (bypass, { 100, 100, 22, 22 });
        }

        juce::Colour drawnColour() { return paintToImage (bypass).getPixelAt (11, 11); }

        const juce::Colour off { juce::Colours::red }, on { juce::Colours::green };
        const juce::Colour offPressed { juce::Colours::blue }, onPressed { juce::Colours::yellow };
        RecordingCallback callback;
        TestWindow window;
        OMMultiSwitch bypass;
    };

    TEST_F (BypassSwitchTest, ClicksToggleBetweenHalfAndZeroInGestures)
    {
        window.click (bypass, { 11, 11 });

        EXPECT_EQ (bypass.getValue(), 0.5f);
        EXPECT_EQ (drawnColour(), on);
        EXPECT_THAT (callback.sequence(), ElementsAre ("begin", "value", "end"));
        EXPECT_TRUE (callback.allFrom (&bypass, 4));

        window.click (bypass, { 11, 11 });

        EXPECT_EQ (bypass.getValue(), 0.0f);
        EXPECT_EQ (drawnColour(), off);
        EXPECT_THAT (callback.values(), ElementsAre (0.5f, 0.0f));
    }

    TEST_F (BypassSwitchTest, HostValueOfOneShowsOnAndClickTurnsOff)
    {
        bypass.setValue (1.0f);
        EXPECT_EQ (drawnColour(), on);

        window.click (bypass, { 11, 11 });
        EXPECT_THAT (callback.values(), ElementsAre (0.0f));
    }

    TEST_F (BypassSwitchTest, PressShowsPressedImageOfCurrentPositionUntilRelease)
    {
        window.press (bypass, { 11, 11 });
        EXPECT_EQ (drawnColour(), offPressed);

        window.dragTo (bypass, { 60, 11 });
        window.release (bypass, { 60, 11 });

        EXPECT_THAT (callback.sequence(), IsEmpty());
        EXPECT_EQ (bypass.getValue(), 0.0f);
        EXPECT_EQ (drawnColour(), off);

        bypass.setValue (0.5f);
        window.press (bypass, { 11, 11 });
        EXPECT_EQ (drawnColour(), onPressed);
    }

    TEST_F (BypassSwitchTest, ReleaseOnRightOrBottomEdgeIsOutside)
    {
        for (const auto edge : { juce::Point<int> (22, 11), juce::Point<int> (11, 22) })
        {
            window.press (bypass, { 11, 11 });
            window.release (bypass, edge);
        }

        EXPECT_THAT (callback.sequence(), IsEmpty());
        EXPECT_FALSE (bypass.pressed);
    }

    TEST_F (BypassSwitchTest, SwitchWithoutCallbackIgnoresClicks)
    {
        bypass.setCallback (nullptr);
        window.click (bypass, { 11, 11 });

        EXPECT_EQ (bypass.getValue(), 0.0f);
        EXPECT_EQ (drawnColour(), off);
    }

    TEST_F (BypassSwitchTest, MissingImagesDrawNothing)
    {
        bypass.images.clear();
        bypass.pressedImages.clear();

        EXPECT_EQ (drawnColour().getAlpha(), 0);
    }

    struct ZoneCase
    {
        const char* name;
        float value;
        int releaseX;
        std::vector<float> reported;
    };

    class FourPositionSwitchTest : public ::testing::TestWithParam<ZoneCase> {};

    TEST_P (FourPositionSwitchTest, ReleaseSelectsZoneUnderPointer)
    {
        RecordingCallback callback;
        TestWindow window;
        OMMultiSwitch multiSwitch;
        multiSwitch.numPositions = 4;
        multiSwitch.setCallback (&callback);
        multiSwitch.setValue (GetParam().value, true);
        window.add (multiSwitch, { 10, 10, 100, 20 });

        window.press (multiSwitch, { GetParam().releaseX, 10 });
        window.release (multiSwitch, { GetParam().releaseX, 10 });

        EXPECT_EQ (callback.values(), GetParam().reported);

        if (! GetParam().reported.empty())
        {
            EXPECT_THAT (callback.sequence(), ElementsAre ("begin", "value", "end"));
        }
    }

    INSTANTIATE_TEST_SUITE_P (Zones, FourPositionSwitchTest, ::testing::Values (
        ZoneCase { "ThirdZone", 0.0f, 60, { 0.5f } },
        ZoneCase { "CurrentZone", 0.0f, 10, {} },              // the current position: nothing to send
        ZoneCase { "LastPixel", 0.0f, 99, { 0.75f } },
        ZoneCase { "FromLastToFirst", 0.75f, 0, { 0.0f } },
        ZoneCase { "ShownPositionOfPointSix", 0.6f, 55, {} },              // 0.6 shows position 2
        ZoneCase { "ValueOneIsLastPosition", 1.0f, 80, {} }),   // a value of 1 shows the last position
        CaseName());
}
