#include "BackgroundPlate.h"
#include "TestWindow.h"

#include <gtest/gtest.h>

namespace
{
    struct CountingListener : public BackgroundPlate::Listener
    {
        void backgroundPlateClicked() override { ++presses; }
        int presses = 0;
    };

    TEST (BackgroundPlateTest, PressIsReportedOnceOnThePressNotTheRelease)
    {
        CountingListener listener;
        TestWindow window;
        BackgroundPlate plate;
        plate.listener = &listener;
        window.add (plate, { 0, 0, 200, 100 });

        window.press (plate, { 150, 80 });
        EXPECT_EQ (listener.presses, 1);

        window.release (plate, { 150, 80 });
        EXPECT_EQ (listener.presses, 1);

        plate.listener = nullptr;
        window.click (plate, { 150, 80 });
        EXPECT_EQ (listener.presses, 1);
    }

    TEST (BackgroundPlateTest, DimsHostWithAlmostTransparentBlack)
    {
        BackgroundPlate plate;
        plate.setSize (10, 10);
        const auto image = paintToImage (plate);

        for (const auto corner : { juce::Point<int> (0, 0), juce::Point<int> (9, 9) })
        {
            const auto pixel = image.getPixelAt (corner.x, corner.y);
            EXPECT_EQ (pixel.getAlpha(), 10);
            EXPECT_EQ (pixel.getBrightness(), 0.0f);
        }
    }
}
