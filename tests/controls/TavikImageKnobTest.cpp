#include "CaseName.h"
#include "RecordingCallback.h"
#include "TavikImageKnob.h"
#include "TestWindow.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace
{
    using Sequence = std::vector<std::string>;

    class KnobTest : public ::testing::Test
    {
    protected:
        void SetUp() override
        {
            knob.setTag (3);
            knob.setCallback (&callback);
            knob.setValue (0.5f, true);
            window.add (knob, { 20, 20, 48, 48 });
        }

        // Moves onto the knob and forgets the enter report.
        void hover()
        {
            window.moveTo (knob, centre);
            callback.clear();
        }

        const juce::Point<int> centre { 24, 24 };
        RecordingCallback callback;
        TestWindow window;
        TavikImageKnob knob;
    };

    struct DragCase
    {
        const char* name;
        int height;
        bool alt;
        int dy;             // total vertical travel, in two equal steps
        float change;       // expected change of the value
    };

    class KnobDragTest : public KnobTest,
                         public ::testing::WithParamInterface<DragCase> {};

    TEST_P (KnobDragTest, VerticalDragMovesValueByTravelOverSpan)
    {
        const auto c = GetParam();
        knob.setSize (48, c.height);
        const juce::ModifierKeys keys (c.alt ? juce::ModifierKeys::altModifier : 0);
        const juce::Point<int> start { 24, c.height / 2 };

        hover();
        window.press (knob, start, keys);
        EXPECT_TRUE (knob.dragging);
        window.dragTo (knob, start + juce::Point<int> (0, c.dy / 2), keys);
        window.dragTo (knob, start + juce::Point<int> (0, c.dy), keys);
        window.release (knob, start + juce::Point<int> (0, c.dy), keys);

        EXPECT_NEAR (knob.getValue(), 0.5f + c.change, 1.0e-6f);
        EXPECT_FALSE (knob.dragging);
        EXPECT_THAT (callback.sequence(), ElementsAre ("begin", "pressed", "value", "value", "released", "end"));
        EXPECT_TRUE (callback.allFrom (&knob, 3));
        ASSERT_EQ (callback.values().size(), 2u);
        EXPECT_NEAR (callback.values()[0], 0.5f + c.change / 2.0f, 1.0e-6f);
        EXPECT_EQ (callback.values()[1], knob.getValue());
    }

    INSTANTIATE_TEST_SUITE_P (Travel, KnobDragTest, ::testing::Values (
        DragCase { "Up48", 48, false, -10, 0.075f },        // up raises: 10 * 0.45 / 60
        DragCase { "Down48", 48, false, 10, -0.075f },
        DragCase { "AltUp48", 48, true, -10, 0.0075f },        // Alt: a tenth
        DragCase { "Up60", 60, false, -10, 0.075f },        // 60 pixels and less share the span 60
        DragCase { "Up61", 61, false, -10, 4.5f / 61.0f },
        DragCase { "Up100", 100, false, -10, 0.045f }),        // 222.2 pixels for the whole range
        CaseName());

    TEST_F (KnobTest, DragHoldsAtEndsAndComesBackAtOnce)
    {
        knob.setValue (0.95f);
        hover();
        window.press (knob, centre);
        window.dragTo (knob, { 24, 4 });            // 20 pixels up: 0.15 past the top
        EXPECT_EQ (knob.getValue(), 1.0f);

        window.dragTo (knob, { 24, 8 });            // 4 pixels back down
        EXPECT_NEAR (knob.getValue(), 1.0f - 4.0f * 0.45f / 60.0f, 1.0e-6f);

        window.dragTo (knob, { 24, 300 });          // far below the knob and the window's controls
        EXPECT_EQ (knob.getValue(), 0.0f);
        window.release (knob, { 24, 300 });

        // Released off the knob: the pointer leaves it once the gesture is closed.
        EXPECT_FALSE (knob.dragging);
        EXPECT_THAT (callback.sequence(), ElementsAre ("begin", "pressed", "value", "value", "value", "released", "end",
                                                       "exited"));
    }

    TEST_F (KnobTest, DoubleClickResetsToDefaultInOneCompleteGesture)
    {
        knob.setTag (2);                            // "Range Hz", default 0.4
        hover();
        window.doubleClick (knob, centre);

        EXPECT_FLOAT_EQ (knob.getValue(), 0.4f);
        EXPECT_THAT (callback.sequence(), ElementsAre ("begin", "pressed", "released", "end",
                                                       "begin", "pressed", "released", "end",
                                                       "begin", "pressed", "value", "released", "end"));
        EXPECT_THAT (callback.values(), ElementsAre (0.4f));
        EXPECT_TRUE (callback.allFrom (&knob, 2));
    }

    struct WheelCase
    {
        const char* name;
        float start;
        float deltaY;
        bool alt;
        float expected;
    };

    class KnobWheelTest : public KnobTest,
                          public ::testing::WithParamInterface<WheelCase> {};

    TEST_P (KnobWheelTest, WheelStepsValueWithoutGesture)
    {
        const auto c = GetParam();
        knob.setValue (c.start);
        hover();
        window.wheel (knob, centre, c.deltaY, juce::ModifierKeys (c.alt ? juce::ModifierKeys::altModifier : 0));

        EXPECT_NEAR (knob.getValue(), c.expected, 1.0e-6f);
        EXPECT_THAT (callback.sequence(), ElementsAre ("value"));
        EXPECT_THAT (callback.values(), ElementsAre (knob.getValue()));
    }

    INSTANTIATE_TEST_SUITE_P (Steps, KnobWheelTest, ::testing::Values (
        WheelCase { "OneUnitUp", 0.5f, 1.0f, false, 0.7f },
        WheelCase { "HalfUnitDown", 0.5f, -0.5f, false, 0.4f },
        WheelCase { "AltUnitUp", 0.5f, 1.0f, true, 0.52f },
        WheelCase { "HoldsAtOne", 0.9f, 1.0f, false, 1.0f },
        WheelCase { "HoldsAtZero", 0.1f, -1.0f, false, 0.0f }),
        CaseName());

    TEST_F (KnobTest, PointerEnteringAndLeavingIsReported)
    {
        window.moveTo (knob, centre);
        window.moveTo (knob, { 30, 30 });
        window.moveAway();

        EXPECT_THAT (callback.sequence(), ElementsAre ("entered", "exited"));
        EXPECT_TRUE (callback.allFrom (&knob, 3));
    }

    TEST_F (KnobTest, InactiveKnobIgnoresPressAndDragButTakesDoubleClickAndWheel)
    {
        knob.inactive = true;
        hover();
        window.press (knob, centre);
        EXPECT_FALSE (knob.dragging);
        window.dragTo (knob, { 24, 4 });
        window.release (knob, { 24, 4 });

        EXPECT_EQ (knob.getValue(), 0.5f);
        EXPECT_THAT (callback.sequence(), IsEmpty());

        window.doubleClick (knob, centre);
        EXPECT_EQ (knob.getValue(), 1.0f);
        EXPECT_THAT (callback.sequence(), ElementsAre ("begin", "pressed", "value", "released", "end"));

        callback.clear();
        window.wheel (knob, centre, -1.0f);
        EXPECT_NEAR (knob.getValue(), 0.8f, 1.0e-6f);
        EXPECT_THAT (callback.sequence(), ElementsAre ("value"));
    }

    class KnobDisabledTest : public KnobTest,
                             public ::testing::WithParamInterface<bool> {};

    TEST_P (KnobDisabledTest, DisabledKnobTakesNoInputButReportsEnterAndExit)
    {
        const auto disableParent = GetParam();
        juce::Component parent;
        window.add (parent, { 100, 100, 60, 60 });
        parent.addAndMakeVisible (knob);
        knob.setTopLeftPosition (0, 0);
        (disableParent ? static_cast<juce::Component&> (parent) : knob).setEnabled (false);

        window.moveTo (knob, centre);
        window.press (knob, centre);
        window.dragTo (knob, { 24, 4 });
        window.release (knob, { 24, 4 });
        window.doubleClick (knob, centre);
        window.wheel (knob, centre, 1.0f);
        window.moveAway();

        EXPECT_EQ (knob.getValue(), 0.5f);
        EXPECT_FALSE (knob.dragging);
        EXPECT_THAT (callback.sequence(), ElementsAre ("entered", "exited"));
    }

    INSTANTIATE_TEST_SUITE_P (KnobOrParent, KnobDisabledTest, ::testing::Bool());

    TEST_F (KnobTest, SyncLeavesKnobAloneWhileDragged)
    {
        callback.parameters[3] = 0.1f;
        hover();
        window.press (knob, centre);

        EXPECT_FALSE (knob.syncWithParameter (true));
        EXPECT_EQ (knob.getValue(), 0.5f);

        window.release (knob, centre);
        callback.clear();
        EXPECT_TRUE (knob.syncWithParameter (true));
        EXPECT_EQ (knob.getValue(), 0.1f);
        EXPECT_THAT (callback.values(), ElementsAre (0.1f));
    }

    TEST_F (KnobTest, KnobWithoutCallbackTakesOnlyDrags)
    {
        knob.setCallback (nullptr);

        window.moveTo (knob, centre);
        window.wheel (knob, centre, 1.0f);
        window.doubleClick (knob, centre);
        EXPECT_EQ (knob.getValue(), 0.5f);

        window.press (knob, centre);
        window.dragTo (knob, { 24, 14 });
        window.release (knob, { 24, 14 });
        window.moveAway();

        EXPECT_NEAR (knob.getValue(), 0.575f, 1.0e-6f);
        EXPECT_FALSE (knob.dragging);
    }

    //==============================================================================
    // The indicator is a transparent square with one red dot straight above its
    // centre; drawn on a 48-pixel knob, the dot sits 18 pixels from the
    // knob's centre in the direction the knob points.
    juce::Image indicatorWithDot()
    {
        juce::Image image (juce::Image::ARGB, 96, 96, true);
        juce::Graphics g (image);
        g.setColour (juce::Colours::red);
        g.fillEllipse (40.0f, 4.0f, 16.0f, 16.0f);
        return image;
    }

    juce::Point<int> dotPositionForAngle (double degrees)
    {
        const auto radians = juce::degreesToRadians (degrees);
        return { juce::roundToInt (24.0 + 18.0 * std::sin (radians)),
                 juce::roundToInt (24.0 - 18.0 * std::cos (radians)) };
    }

    struct RotationCase
    {
        const char* name;
        float value;
        double degrees;     // clockwise from straight up
    };

    class KnobRotationTest : public KnobTest,
                             public ::testing::WithParamInterface<RotationCase> {};

    TEST_P (KnobRotationTest, IndicatorTurnsWithValueOver270Degrees)
    {
        knob.indicatorImage = indicatorWithDot();
        knob.setValue (GetParam().value);
        const auto image = paintToImage (knob);

        for (const auto degrees : { -135.0, 0.0, 135.0 })
        {
            const auto p = dotPositionForAngle (degrees);
            const auto pixel = image.getPixelAt (p.x, p.y);

            if (degrees == GetParam().degrees)
            {
                EXPECT_EQ (pixel.getARGB(), juce::Colours::red.getARGB()) << "dot missing at " << degrees;
            }
            else
            {
                EXPECT_EQ (pixel.getAlpha(), 0) << "dot drawn at " << degrees;
            }
        }
    }

    INSTANTIATE_TEST_SUITE_P (Sweep, KnobRotationTest, ::testing::Values (
        RotationCase { "Zero", 0.0f, -135.0 },
        RotationCase { "Half", 0.5f, 0.0 },
        RotationCase { "One", 1.0f, 135.0 }),
        CaseName());

    TEST_F (KnobTest, InactiveKnobDrawsIndicatorAtHalfOpacity)
    {
        knob.indicatorImage = indicatorWithDot();
        knob.inactive = true;
        const auto p = dotPositionForAngle (0.0);

        EXPECT_NEAR (paintToImage (knob).getPixelAt (p.x, p.y).getAlpha(), 128, 2);
    }

    // The optional modes draw images at their own size (at the primary
    // display's density) instead of scaling the indicator to the knob's width.
    TEST_F (KnobTest, BackgroundAndCentredIndicatorKeepTheirOwnSize)
    {
        const auto* display = juce::Desktop::getInstance().getDisplays().getPrimaryDisplay();
        ASSERT_NE (display, nullptr);
        const auto halfSize = juce::roundToInt (10.0 / display->scale);

        knob.hasBackground = true;
        knob.backgroundImage = solidImage (juce::Colours::green, 20, 20);
        auto image = paintToImage (knob);
        EXPECT_EQ (image.getPixelAt (24, 24), juce::Colours::green);
        EXPECT_EQ (image.getPixelAt (24 - halfSize - 2, 24).getAlpha(), 0);

        knob.hasBackground = false;
        knob.indicatorImage = solidImage (juce::Colours::blue, 20, 20);
        EXPECT_EQ (paintToImage (knob).getPixelAt (2, 24), juce::Colours::blue);   // scaled to the width

        knob.centred = true;
        image = paintToImage (knob);
        EXPECT_EQ (image.getPixelAt (24, 24), juce::Colours::blue);
        EXPECT_EQ (image.getPixelAt (24 - halfSize - 2, 24).getAlpha(), 0);
    }

    TEST_F (KnobTest, LabelIsDrawnWhiteAlongTheBottom)
    {
        knob.label = "Range";
        const auto image = paintToImage (knob);
        int textPixels = 0;

        for (int y = 0; y < 48; ++y)
        {
            for (int x = 0; x < 48; ++x)
            {
                const auto pixel = image.getPixelAt (x, y);

                if (pixel.getAlpha() == 0)
                    continue;

                ASSERT_GE (y, 36) << "drawn above the label at " << x;
                ASSERT_EQ (pixel.withAlpha ((juce::uint8) 255), juce::Colours::white);
                ++textPixels;
            }
        }

        EXPECT_GT (textPixels, 20);
    }

    TEST_F (KnobTest, KnobWithoutIndicatorDrawsNothing)
    {
        const auto image = paintToImage (knob);

        for (int y = 0; y < image.getHeight(); ++y)
            for (int x = 0; x < image.getWidth(); ++x)
                ASSERT_EQ (image.getPixelAt (x, y).getAlpha(), 0);
    }
}
