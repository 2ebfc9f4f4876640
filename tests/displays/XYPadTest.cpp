#include "RecordingCallback.h"
#include "TestWindow.h"
#include "Visuals.h"
#include "XYPad.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace
{
    // The editor's axes: "Range Hz" across, the main amount up.
    constexpr int xTag = 2, yTag = 0;

    const std::vector<std::string> wholeDrag { "begin 2", "pressed 2", "begin 0", "pressed 0",
                                               "value 2", "value 0",
                                               "released 2", "end 2", "released 0", "end 0" };

    class XYPadTest : public ::testing::Test
    {
    protected:
        XYPadTest()
        {
            window.content().setSize (700, 420);
            pad.setCallback (&callback);
            pad.setAxisTags (xTag, yTag);
            window.add (pad, { 0, 0, 451, 342 });
        }

        void setValues (float x, float y)
        {
            pad.setValueForTag (xTag, x);
            pad.setValueForTag (yTag, y);
        }

        // The reports as "kind tag", in order; all must come from the pad.
        std::vector<std::string> reports() const
        {
            std::vector<std::string> result;

            for (const auto& r : callback.reports)
            {
                EXPECT_EQ (r.sender, &pad);
                result.push_back (r.what + " " + std::to_string (r.tag));
            }

            return result;
        }

        juce::Point<int> grabCentre() const
        {
            return pad.getGrabArea().getCentre().roundToInt();
        }

        RecordingCallback callback;
        TestWindow window;
        XYPad pad;
    };

    struct GrabCase
    {
        float x, y;
        juce::Point<int> press;
        bool grabs;

        friend std::ostream& operator<< (std::ostream& os, const GrabCase& c)
        {
            return os << "values " << c.x << ", " << c.y << ", press at " << c.press.toString();
        }
    };

    class XYPadGrabTest : public XYPadTest,
                          public ::testing::WithParamInterface<GrabCase> {};

    // The grab area is 60 x 60 from (15 + 376 x, 272 (1 - y)); a press outside
    // it neither grabs nor moves the handle, and the drag after it does nothing.
    TEST_P (XYPadGrabTest, OnlyAPressInTheGrabAreaStartsADrag)
    {
        const auto c = GetParam();
        setValues (c.x, c.y);

        window.press (pad, c.press);
        EXPECT_EQ (pad.isDragging(), c.grabs);
        EXPECT_TRUE (pad.isPressHeld());

        window.dragTo (pad, c.press + juce::Point<int> (-19, 14));
        window.release (pad, c.press + juce::Point<int> (-19, 14));

        EXPECT_FALSE (pad.isDragging());
        EXPECT_FALSE (pad.isPressHeld());

        if (c.grabs)
        {
            EXPECT_EQ (reports(), wholeDrag);
            EXPECT_FLOAT_EQ (pad.getValueForTag (xTag), juce::jlimit (0.0f, 1.0f, c.x - 19.0f / 381.0f));
            EXPECT_FLOAT_EQ (pad.getValueForTag (yTag), juce::jlimit (0.0f, 1.0f, c.y - 14.0f / 287.0f));
        }
        else
        {
            EXPECT_THAT (callback.reports, IsEmpty());
            EXPECT_EQ (pad.getValueForTag (xTag), c.x);
            EXPECT_EQ (pad.getValueForTag (yTag), c.y);
        }
    }

    INSTANTIATE_TEST_SUITE_P (Presses, XYPadGrabTest, ::testing::Values (
        GrabCase { 0.0f, 0.0f, { 10, 300 }, false },     // on the drawn handle (7 to 67) but left of the grab area
        GrabCase { 0.0f, 0.0f, { 20, 300 }, true },
        GrabCase { 0.0f, 0.0f, { 15, 272 }, true },      // top-left corner belongs to it
        GrabCase { 0.0f, 0.0f, { 74, 331 }, true },
        GrabCase { 0.0f, 0.0f, { 75, 300 }, false },     // the right and bottom edges do not
        GrabCase { 0.0f, 0.0f, { 40, 332 }, false },
        GrabCase { 0.0f, 0.0f, { 40, 271 }, false },
        GrabCase { 1.0f, 1.0f, { 391, 0 }, true },
        GrabCase { 1.0f, 1.0f, { 390, 30 }, false },
        GrabCase { 1.0f, 1.0f, { 420, 60 }, false },
        GrabCase { 0.5f, 0.5f, { 203, 136 }, true },
        GrabCase { 0.5f, 0.5f, { 202, 150 }, false }));

    struct DragCase
    {
        float startX, startY;
        juce::Point<int> move;
        bool alt;
        float x, y;

        friend std::ostream& operator<< (std::ostream& os, const DragCase& c)
        {
            return os << "from " << c.startX << ", " << c.startY << " by " << c.move.toString() << (c.alt ? " with Alt" : "");
        }
    };

    class XYPadDragTest : public XYPadTest,
                          public ::testing::WithParamInterface<DragCase> {};

    // 381 pixels across and 287 up are a change of 1 (a tenth with Alt), and
    // every step reports both axes, horizontal first.
    TEST_P (XYPadDragTest, OneStepMovesBothAxesByTheirTravel)
    {
        const auto c = GetParam();
        const juce::ModifierKeys keys (c.alt ? juce::ModifierKeys::altModifier : 0);
        setValues (c.startX, c.startY);
        const auto start = grabCentre();

        window.press (pad, start, keys);
        window.dragTo (pad, start + c.move, keys);
        window.release (pad, start + c.move, keys);

        EXPECT_NEAR (pad.getValueForTag (xTag), c.x, 1.0e-6f);
        EXPECT_NEAR (pad.getValueForTag (yTag), c.y, 1.0e-6f);
        EXPECT_EQ (reports(), wholeDrag);
        EXPECT_THAT (callback.values(), ElementsAre (pad.getValueForTag (xTag), pad.getValueForTag (yTag)));
    }

    INSTANTIATE_TEST_SUITE_P (Steps, XYPadDragTest, ::testing::Values (
        DragCase { 0.0f, 0.0f, { 381, 0 }, false, 1.0f, 0.0f },
        DragCase { 0.0f, 0.0f, { 381, 0 }, true, 0.1f, 0.0f },
        DragCase { 0.0f, 0.0f, { 0, -287 }, false, 0.0f, 1.0f },
        DragCase { 0.0f, 0.0f, { 0, -287 }, true, 0.0f, 0.1f },
        DragCase { 0.5f, 0.5f, { -40, 20 }, false, 0.5f - 40.0f / 381.0f, 0.5f - 20.0f / 287.0f },
        DragCase { 0.9f, 0.1f, { 100, 100 }, false, 1.0f, 0.0f },      // held at the edges
        DragCase { 0.1f, 0.9f, { -100, -100 }, false, 0.0f, 1.0f }));

    // Beyond an edge the pointer is still followed, so coming back moves the
    // handle at once.
    TEST_F (XYPadTest, DragPastAnEdgeComesBackAtOnce)
    {
        setValues (0.95f, 0.5f);
        const auto start = grabCentre();

        window.press (pad, start);
        window.dragTo (pad, start + juce::Point<int> (100, 0));
        EXPECT_EQ (pad.getValueForTag (xTag), 1.0f);

        window.dragTo (pad, start + juce::Point<int> (90, 0));
        EXPECT_NEAR (pad.getValueForTag (xTag), 1.0f - 10.0f / 381.0f, 1.0e-6f);
        EXPECT_EQ (pad.getValueForTag (yTag), 0.5f);
        window.release (pad, start + juce::Point<int> (90, 0));

        EXPECT_THAT (callback.values(), ElementsAre (1.0f, 0.5f, pad.getValueForTag (xTag), 0.5f));
    }

    TEST_F (XYPadTest, WithoutCallbackDragStillMovesTheHandle)
    {
        pad.setCallback (nullptr);
        const auto start = grabCentre();

        window.press (pad, start);
        window.dragTo (pad, start + juce::Point<int> (38, -28));
        window.release (pad, start + juce::Point<int> (38, -28));

        EXPECT_NEAR (pad.getValueForTag (xTag), 38.0f / 381.0f, 1.0e-6f);
        EXPECT_NEAR (pad.getValueForTag (yTag), 28.0f / 287.0f, 1.0e-6f);
    }

    // The display lies over the pad in the editor and lets presses through.
    TEST_F (XYPadTest, PressThroughTheDisplayReachesThePad)
    {
        Visuals visuals;
        window.add (visuals, { -83, 34, 635, 314 });
        ASSERT_TRUE (visuals.getBounds().contains (grabCentre()));

        window.press (pad, grabCentre());
        EXPECT_TRUE (pad.isDragging());
        window.release (pad, grabCentre());
    }

    struct TagCase
    {
        int xAxis, yAxis;
        int setTag;
        float x, y;         // the axis values after setting 0.25 on setTag

        friend std::ostream& operator<< (std::ostream& os, const TagCase& c)
        {
            return os << "axes " << c.xAxis << ", " << c.yAxis << ", set tag " << c.setTag;
        }
    };

    class XYPadTagTest : public XYPadTest,
                         public ::testing::WithParamInterface<TagCase> {};

    // A tag sets its own axis, both when both axes share it, none for another
    // tag; every set repaints.
    TEST_P (XYPadTagTest, SetValueForTagSetsTheAxesOfThatTag)
    {
        const auto c = GetParam();
        pad.setAxisTags (c.xAxis, c.yAxis);
        auto& repaints = RepaintCounter::attachTo (pad);

        pad.setValueForTag (c.setTag, 0.25f);
        EXPECT_EQ (repaints.count, 1);

        pad.setAxisTags (10, 11);
        EXPECT_EQ (pad.getValueForTag (10), c.x);
        EXPECT_EQ (pad.getValueForTag (11), c.y);
        EXPECT_THAT (callback.reports, IsEmpty());
    }

    INSTANTIATE_TEST_SUITE_P (Tags, XYPadTagTest, ::testing::Values (
        TagCase { 2, 0, 2, 0.25f, 0.0f },
        TagCase { 2, 0, 0, 0.0f, 0.25f },
        TagCase { 2, 0, 1, 0.0f, 0.0f },
        TagCase { 3, 3, 3, 0.25f, 0.25f }));

    TEST_F (XYPadTest, GetValueForTagAnswersPerAxis)
    {
        setValues (0.75f, 0.5f);

        EXPECT_EQ (pad.getValueForTag (xTag), 0.75f);
        EXPECT_EQ (pad.getValueForTag (yTag), 0.5f);
        EXPECT_EQ (pad.getValueForTag (1), 0.0f);
        EXPECT_EQ (pad.getValueForTag (-1), 0.0f);

        pad.setAxisTags (4, 4);
        EXPECT_EQ (pad.getValueForTag (4), 0.75f);      // the horizontal axis answers first
    }

    TEST_F (XYPadTest, SingleValueSettersAreIgnored)
    {
        setValues (0.75f, 0.5f);
        auto& repaints = RepaintCounter::attachTo (pad);

        pad.setValue (0.1f);
        pad.setValue (0.2f, true);

        EXPECT_EQ (repaints.count, 0);
        EXPECT_EQ (pad.getValue(), 0.0f);
        EXPECT_EQ (pad.getValueForTag (xTag), 0.75f);
        EXPECT_EQ (pad.getValueForTag (yTag), 0.5f);
    }

    struct SyncCase
    {
        float hostX, hostY;     // the parameters, with the pad at 0.5, 0.5
        bool notify;
        bool changed;
        std::vector<std::string> reports;

        friend std::ostream& operator<< (std::ostream& os, const SyncCase& c)
        {
            return os << "parameters " << c.hostX << ", " << c.hostY << (c.notify ? ", notify" : "");
        }
    };

    class XYPadSyncTest : public XYPadTest,
                          public ::testing::WithParamInterface<SyncCase> {};

    // Each axis follows its parameter when they differ by more than 2^-23;
    // a change repaints and returns true, and reports only with notify.
    TEST_P (XYPadSyncTest, SyncFollowsEachAxisOnItsOwn)
    {
        const auto c = GetParam();
        setValues (0.5f, 0.5f);
        callback.parameters[xTag] = c.hostX;
        callback.parameters[yTag] = c.hostY;
        auto& repaints = RepaintCounter::attachTo (pad);

        EXPECT_EQ (pad.syncWithParameter (c.notify), c.changed);

        EXPECT_EQ (repaints.count, c.changed ? 1 : 0);
        EXPECT_EQ (reports(), c.reports);
        const auto expectedX = std::abs (c.hostX - 0.5f) > std::numeric_limits<float>::epsilon() ? c.hostX : 0.5f;
        const auto expectedY = std::abs (c.hostY - 0.5f) > std::numeric_limits<float>::epsilon() ? c.hostY : 0.5f;
        EXPECT_EQ (pad.getValueForTag (xTag), expectedX);
        EXPECT_EQ (pad.getValueForTag (yTag), expectedY);

        for (const auto& r : callback.reports)
            EXPECT_EQ (r.value, r.tag == xTag ? c.hostX : c.hostY);
    }

    INSTANTIATE_TEST_SUITE_P (Changes, XYPadSyncTest, ::testing::Values (
        SyncCase { 0.5f, 0.8f, false, true, {} },                           // the amount alone
        SyncCase { 0.2f, 0.5f, false, true, {} },
        SyncCase { 0.2f, 0.8f, true, true, { "value 2", "value 0" } },
        SyncCase { 0.5f, 0.8f, true, true, { "value 0" } },
        SyncCase { 0.5f + 0x1p-23f, 0.5f, true, false, {} },                // 2^-23 is not enough
        SyncCase { 0.5f, 0.5f + 0x1p-22f, true, true, { "value 0" } },      // twice that is
        SyncCase { 0.5f, 0.5f, true, false, {} }));

    // From any press on the pad to its release the owner's sync does nothing,
    // whether the press grabbed the handle or not.
    TEST_F (XYPadTest, SyncWaitsWhileAPressIsHeld)
    {
        for (const auto grab : { false, true })
        {
            SCOPED_TRACE (grab);
            setValues (0.0f, 0.0f);
            callback.parameters = {};
            const juce::Point<int> press { grab ? 20 : 10, 300 };

            window.press (pad, press);
            ASSERT_EQ (pad.isDragging(), grab);
            callback.clear();
            callback.parameters[xTag] = 0.6f;
            callback.parameters[yTag] = 0.3f;

            EXPECT_FALSE (pad.syncWithParameter (true));
            EXPECT_EQ (pad.getValueForTag (xTag), 0.0f);
            EXPECT_EQ (pad.getValueForTag (yTag), 0.0f);
            EXPECT_THAT (callback.reports, IsEmpty());

            window.release (pad, press);
            EXPECT_TRUE (pad.syncWithParameter (false));
            EXPECT_EQ (pad.getValueForTag (xTag), 0.6f);
            EXPECT_EQ (pad.getValueForTag (yTag), 0.3f);
        }
    }

    // The handle, 60 x 60 around (37 + 381 x, 23 + 287 (1 - y)), lies under
    // the axis artwork, which is stretched over (-91, -1, 636, 348).
    const juce::Colour handleColour { 0xffff0000 };
    const juce::Colour markColour { 0xff0000ff };

    class XYPadPaintTest : public ::testing::Test
    {
    protected:
        XYPadPaintTest()
        {
            pad.setAxisTags (xTag, yTag);
            pad.setSize (451, 342);
            pad.setHandleImage (solidImage (handleColour, 120, 120));
        }

        // Double-resolution axis artwork, clear but for two marks that land
        // on pad pixels 0 to 9 and 440 to 449 across, 0 to 9 and 330 to 339 down.
        static juce::Image overlayWithMarks()
        {
            juce::Image image (juce::Image::ARGB, 1272, 696, true);
            image.clear ({ 182, 2, 20, 20 }, markColour);
            image.clear ({ 1062, 662, 20, 20 }, markColour);
            return image;
        }

        XYPad pad;
    };

    TEST_F (XYPadPaintTest, HandleIsDrawnAroundItsCentre)
    {
        struct Case { float x, y; juce::Point<float> centre; };

        for (const auto c : { Case { 0.0f, 0.0f, { 37.0f, 310.0f } },
                              Case { 1.0f, 1.0f, { 418.0f, 23.0f } },
                              Case { 0.5f, 0.25f, { 227.5f, 238.25f } } })
        {
            SCOPED_TRACE (juce::String (c.x) + ", " + juce::String (c.y));
            pad.setValueForTag (xTag, c.x);
            pad.setValueForTag (yTag, c.y);
            const auto image = paintToImage (pad);

            const auto pixelAt = [&] (float dx, float dy) -> std::optional<juce::Colour>
            {
                const auto p = (c.centre + juce::Point<float> (dx, dy)).toInt();

                if (! image.getBounds().contains (p))
                    return {};

                return image.getPixelAt (p.x, p.y);
            };

            // Whole pixels 28 from the centre are inside the 60 x 60 square, 32 away outside.
            for (const auto offset : { juce::Point<float> (0, 0), { -28, -28 }, { 28, 28 }, { -28, 28 } })
            {
                if (const auto pixel = pixelAt (offset.x, offset.y))
                {
                    EXPECT_EQ (*pixel, handleColour) << offset.toString();
                }
            }

            for (const auto offset : { juce::Point<float> (-32, 0), { 32, 0 }, { 0, 32 }, { 0, -32 } })
            {
                if (const auto pixel = pixelAt (offset.x, offset.y))
                {
                    EXPECT_EQ (pixel->getAlpha(), 0) << offset.toString();
                }
            }
        }
    }

    TEST_F (XYPadPaintTest, AxisArtworkLiesOverTheHandle)
    {
        pad.setOverlayImage (overlayWithMarks());
        pad.setValueForTag (yTag, 1.0f);            // the handle covers 7 to 66 across, 0 to 52 down
        const auto image = paintToImage (pad);

        EXPECT_EQ (image.getPixelAt (8, 5), markColour);
        EXPECT_EQ (image.getPixelAt (0, 0), markColour);
        EXPECT_EQ (image.getPixelAt (5, 5), markColour);
        EXPECT_EQ (image.getPixelAt (20, 20), handleColour);
        EXPECT_EQ (image.getPixelAt (445, 335), markColour);
        EXPECT_EQ (image.getPixelAt (439, 335).getAlpha(), 0);
        EXPECT_EQ (image.getPixelAt (445, 341).getAlpha(), 0);
    }

    TEST_F (XYPadPaintTest, EmptyImagesDrawNothing)
    {
        pad.setHandleImage ({});
        pad.setOverlayImage ({});
        const auto image = paintToImage (pad);

        for (int y = 0; y < image.getHeight(); ++y)
            for (int x = 0; x < image.getWidth(); ++x)
                ASSERT_EQ (image.getPixelAt (x, y).getAlpha(), 0);
    }
}
