#include "OMChangeView.h"
#include "TavikButton.h"
#include "TestWindow.h"

#include <gtest/gtest.h>

namespace
{
    TEST (OMChangeViewTest, FadesInAndOutInThirteenTicks)
    {
        OMChangeView view;
        EXPECT_EQ (view.getAlpha(), 0.0f);

        view.shown = true;

        for (int tick = 1; tick <= 12; ++tick)
            view.fadeStep();

        EXPECT_GT (view.getAlpha(), 0.9f);
        EXPECT_LT (view.getAlpha(), 1.0f);

        view.fadeStep();
        EXPECT_EQ (view.fadeLevel, 1.0f);
        EXPECT_EQ (view.getAlpha(), 1.0f);

        view.shown = false;

        for (int tick = 1; tick <= 12; ++tick)
            view.fadeStep();

        EXPECT_GT (view.getAlpha(), 0.0f);
        EXPECT_LT (view.getAlpha(), 0.1f);

        view.fadeStep();
        EXPECT_EQ (view.fadeLevel, 0.0f);
        EXPECT_EQ (view.getAlpha(), 0.0f);
    }

    struct ClickRecorder : public TavikButton::Delegate
    {
        void buttonClicked (TavikButton*) override { ++clicks; }
        int clicks = 0;
    };

    TEST (OMChangeViewTest, ClicksReachControlBeneathAtAnyAlpha)
    {
        TestWindow window;
        ClickRecorder recorder;
        TavikButton button;
        button.delegate = &recorder;
        OMChangeView view;
        window.add (button, { 50, 50, 40, 40 });
        window.add (view, { 40, 60, 58, 19 });

        window.click (button, { 20, 20 });
        view.shown = true;

        for (int tick = 0; tick < 13; ++tick)
            view.fadeStep();

        window.click (button, { 20, 20 });

        EXPECT_EQ (recorder.clicks, 2);
    }

    // The number of pixels in a band of rows that are much lighter than the
    // pop-up's dark background, that is, covered by text.
    int textPixelsInRows (const juce::Image& image, int top, int bottom)
    {
        int count = 0;

        for (int y = top; y < bottom; ++y)
            for (int x = 0; x < image.getWidth(); ++x)
                if (image.getPixelAt (x, y).getBrightness() > 0.5f)
                    ++count;

        return count;
    }

    TEST (OMChangeViewTest, DrawsRoundedDarkBoxWithCentredText)
    {
        OMChangeView view;
        view.setSize (58, 19);
        EXPECT_EQ (textPixelsInRows (paintToImage (view), 0, 19), 0);

        view.text = "550 Hz";
        const auto image = paintToImage (view);

        EXPECT_EQ (image.getPixelAt (3, 9), juce::Colour (0xff26262b));
        EXPECT_EQ (image.getPixelAt (0, 0).getAlpha(), 0);          // rounded corner
        EXPECT_GT (textPixelsInRows (image, 0, 19), 10);
    }

    TEST (OMChangeViewTest, ThreeLineModeSpreadsTextsTopCentreAndBottom)
    {
        OMChangeView view;
        view.setSize (80, 60);
        view.threeLines = true;

        view.topText = "top";
        const auto topOnly = paintToImage (view);
        EXPECT_GT (textPixelsInRows (topOnly, 4, 20), 0);
        EXPECT_EQ (textPixelsInRows (topOnly, 20, 60), 0);

        view.topText = {};
        view.bottomText = "bottom";
        const auto bottomOnly = paintToImage (view);
        EXPECT_EQ (textPixelsInRows (bottomOnly, 0, 40), 0);
        EXPECT_GT (textPixelsInRows (bottomOnly, 40, 56), 0);

        view.bottomText = {};
        view.centreText = "centre";
        view.text = "ignored in this mode";
        const auto centreOnly = paintToImage (view);
        EXPECT_EQ (textPixelsInRows (centreOnly, 0, 20), 0);
        EXPECT_GT (textPixelsInRows (centreOnly, 20, 40), 0);
        EXPECT_EQ (textPixelsInRows (centreOnly, 40, 60), 0);
    }
}
