#include "CaseName.h"
#include "RecordingCallback.h"
#include "TavikRadioButtons.h"
#include "TestWindow.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace
{
    class RadioButtonsTest : public ::testing::Test
    {
    protected:
        void SetUp() override
        {
            for (const auto* character : { "soft", "medium", "hard" })
            {
                const auto prefix = juce::String ("btn_") + character;
                group.addButton (prefix + "_inactive", prefix + "_active", prefix + "_hoverover", prefix + "_mousedown");
            }

            group.setTag (1);
            group.setCallback (&callback);
            window.add (group, { 20, 40, 249, 50 });
            group.setValue (0.0f);
        }

        TavikRadioButtons::TavikRadioButton& button (int i) { return *group.getButton (i); }

        std::vector<bool> selection()
        {
            std::vector<bool> result;

            for (int i = 0; i < group.getNumButtons(); ++i)
                result.push_back (button (i).selected);

            return result;
        }

        RecordingCallback callback;
        TestWindow window;
        TavikRadioButtons group;
    };

    TEST_F (RadioButtonsTest, ButtonsAreLaidOutLeftToRightWithSpacing)
    {
        ASSERT_EQ (group.getNumButtons(), 3);
        EXPECT_EQ (button (0).getBounds(), juce::Rectangle<int> (0, 0, 67, 50));
        EXPECT_EQ (button (1).getBounds(), juce::Rectangle<int> (91, 0, 67, 50));
        EXPECT_EQ (button (2).getBounds(), juce::Rectangle<int> (182, 0, 67, 50));

        for (int i = 0; i < 3; ++i)
        {
            EXPECT_EQ (button (i).index, i);
            EXPECT_TRUE (button (i).isVisible());
        }
    }

    struct ValueCase
    {
        const char* name;
        float value;
        int selected;
    };

    class RadioValueTest : public RadioButtonsTest,
                           public ::testing::WithParamInterface<ValueCase> {};

    TEST_P (RadioValueTest, ValueSelectsNearestButtonWithoutReporting)
    {
        group.setValue (GetParam().value);

        for (int i = 0; i < 3; ++i)
            EXPECT_EQ (button (i).selected, i == GetParam().selected) << "button " << i;

        EXPECT_EQ (group.getValue(), GetParam().value);
        EXPECT_THAT (callback.sequence(), IsEmpty());
    }

    INSTANTIATE_TEST_SUITE_P (Thresholds, RadioValueTest, ::testing::Values (
        ValueCase { "Zero", 0.0f, 0 },
        ValueCase { "PointSixteen", 0.16f, 0 },
        ValueCase { "PointSeventeen", 0.17f, 1 },
        ValueCase { "Default", 0.3333f, 1 },
        ValueCase { "PointFortyNine", 0.49f, 1 },
        ValueCase { "Half", 0.5f, 2 },
        ValueCase { "One", 1.0f, 2 }),        // 3 is limited to the last button
        CaseName());

    TEST_F (RadioButtonsTest, ClickReportsButtonValueAsOneGestureAndSyncKeepsSelection)
    {
        window.click (button (1), { 33, 25 });

        EXPECT_THAT (selection(), ElementsAre (false, true, false));
        EXPECT_THAT (callback.sequence(), ElementsAre ("begin", "value", "end"));
        EXPECT_THAT (callback.values(), ElementsAre (1.0f / 3.0f));
        EXPECT_TRUE (callback.allFrom (&group, 1));
        EXPECT_EQ (group.getValue(), 0.0f);

        // The parameter stores what the host keeps; the next sync selects the same button.
        callback.clear();
        callback.parameters[1] = 0.3333f;
        EXPECT_FALSE (group.syncWithParameter (false));
        EXPECT_EQ (group.getValue(), 0.3333f);
        EXPECT_THAT (selection(), ElementsAre (false, true, false));
        EXPECT_THAT (callback.sequence(), IsEmpty());

        window.click (button (2), { 33, 25 });
        EXPECT_THAT (callback.values(), ElementsAre (2.0f / 3.0f));
    }

    TEST_F (RadioButtonsTest, ClickOnSelectedButtonSendsNothing)
    {
        window.click (button (0), { 33, 25 });

        EXPECT_THAT (callback.sequence(), IsEmpty());
        EXPECT_THAT (selection(), ElementsAre (true, false, false));
    }

    struct ReleaseCase
    {
        const char* name;
        juce::Point<int> release;
        bool clicks;
    };

    class RadioReleaseTest : public RadioButtonsTest,
                             public ::testing::WithParamInterface<ReleaseCase> {};

    TEST_P (RadioReleaseTest, ReleaseCountsOnlyInsideExcludingRightAndBottomEdges)
    {
        window.press (button (2), { 33, 25 });
        window.release (button (2), GetParam().release);

        EXPECT_EQ (callback.sequence().size(), GetParam().clicks ? 3u : 0u);
        EXPECT_EQ (button (2).selected, GetParam().clicks);
        EXPECT_FALSE (button (2).pressed);
    }

    INSTANTIATE_TEST_SUITE_P (Edges, RadioReleaseTest, ::testing::Values (
        ReleaseCase { "TopLeftCorner", { 0, 0 }, true },          // the margins above and below the image are clickable
        ReleaseCase { "InsideBottomRight", { 66, 49 }, true },
        ReleaseCase { "RightEdge", { 67, 25 }, false },       // exactly on the right edge
        ReleaseCase { "BottomEdge", { 33, 50 }, false },       // exactly on the bottom edge
        ReleaseCase { "LeftOfButton", { -1, 25 }, false },
        ReleaseCase { "FarBelow", { 33, 120 }, false }),
        CaseName());

    // Distinct colours for the four images, to see which one a button draws.
    class RadioImageTest : public RadioButtonsTest
    {
    protected:
        void SetUp() override
        {
            RadioButtonsTest::SetUp();

            for (int i = 0; i < 3; ++i)
            {
                button (i).inactiveImage = solidImage (juce::Colours::red);
                button (i).activeImage = solidImage (juce::Colours::green);
                button (i).hoverImage = solidImage (juce::Colours::blue);
                button (i).pressedImage = solidImage (juce::Colours::yellow);
            }
        }

        juce::Colour drawnColour (int i) { return paintToImage (button (i)).getPixelAt (33, 25); }
    };

    TEST_F (RadioImageTest, ImageFillsMiddleBandLeavingMarginsClear)
    {
        const auto image = paintToImage (button (1));

        // (The last row and column blend a little with the outside when scaled.)
        EXPECT_EQ (image.getPixelAt (0, 12), juce::Colours::red);
        EXPECT_EQ (image.getPixelAt (64, 35), juce::Colours::red);
        EXPECT_EQ (image.getPixelAt (33, 11).getAlpha(), 0);
        EXPECT_EQ (image.getPixelAt (33, 38).getAlpha(), 0);
    }

    TEST_F (RadioImageTest, ImageFollowsHoverPressAndSelection)
    {
        EXPECT_EQ (drawnColour (1), juce::Colours::red);

        window.moveTo (button (1), { 33, 25 });
        EXPECT_EQ (drawnColour (1), juce::Colours::blue);

        window.press (button (1), { 33, 25 });
        EXPECT_EQ (drawnColour (1), juce::Colours::yellow);

        window.release (button (1), { 33, 25 });
        EXPECT_EQ (drawnColour (1), juce::Colours::green);
    }

    TEST_F (RadioImageTest, SelectedButtonDrawsActiveImageWhateverThePointerDoes)
    {
        EXPECT_EQ (drawnColour (0), juce::Colours::green);

        window.moveTo (button (0), { 33, 25 });
        EXPECT_EQ (drawnColour (0), juce::Colours::green);

        window.press (button (0), { 33, 25 });
        EXPECT_EQ (drawnColour (0), juce::Colours::green);
    }

    TEST_F (RadioImageTest, DragOutAndReleaseOutsideSendsNothingAndRestoresInactiveImage)
    {
        window.moveTo (button (1), { 33, 25 });
        window.press (button (1), { 33, 25 });
        window.dragTo (button (1), { 33, 150 });
        window.release (button (1), { 33, 150 });

        EXPECT_THAT (callback.sequence(), IsEmpty());
        EXPECT_FALSE (button (1).hovered);
        EXPECT_FALSE (button (1).pressed);
        EXPECT_EQ (drawnColour (1), juce::Colours::red);
    }

    TEST_F (RadioButtonsTest, GroupHoldsAtMostTenButtons)
    {
        for (int i = 3; i < 12; ++i)
            group.addButton ("a", "b", "c", "d");

        EXPECT_EQ (group.getNumButtons(), TavikRadioButtons::maxButtons);
        EXPECT_EQ (group.getNumChildComponents(), TavikRadioButtons::maxButtons);
        EXPECT_EQ (group.getButton (10), nullptr);

        group.setValue (1.0f);
        EXPECT_TRUE (button (9).selected);

        group.selectIndex (9);
        EXPECT_THAT (callback.values(), ElementsAre (0.9f));
    }

    TEST_F (RadioButtonsTest, SelectIndexIgnoresIndicesWithoutButton)
    {
        group.selectIndex (3);
        group.selectIndex (-1);

        EXPECT_THAT (callback.sequence(), IsEmpty());
        EXPECT_THAT (selection(), ElementsAre (true, false, false));
    }

    TEST_F (RadioButtonsTest, GroupWithoutCallbackIgnoresClicks)
    {
        group.setCallback (nullptr);
        window.click (button (2), { 33, 25 });

        EXPECT_THAT (selection(), ElementsAre (true, false, false));
    }
}
