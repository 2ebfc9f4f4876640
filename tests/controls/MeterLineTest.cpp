#include "CaseName.h"
#include "MeterLine.h"
#include "TestWindow.h"

#include <gtest/gtest.h>

namespace
{
    struct LevelCase
    {
        const char* name;
        float level;
        int filledPixels;       // of the 42-pixel line
        float levelAfterPaint;
    };

    class MeterLineTest : public ::testing::TestWithParam<LevelCase> {};

    TEST_P (MeterLineTest, FillsTopRowFromLeftByLevel)
    {
        MeterLine meter;
        meter.setSize (42, 3);
        meter.level = GetParam().level;
        const auto image = paintToImage (meter);

        for (int x = 0; x < 42; ++x)
        {
            if (x < GetParam().filledPixels)
            {
                EXPECT_EQ (image.getPixelAt (x, 0), juce::Colour (0xffabcec5)) << "x " << x;
            }
            else
            {
                EXPECT_EQ (image.getPixelAt (x, 0).getAlpha(), 0) << "x " << x;
            }

            EXPECT_EQ (image.getPixelAt (x, 1).getAlpha(), 0) << "x " << x;
        }

        EXPECT_EQ (meter.level, GetParam().levelAfterPaint);
    }

    INSTANTIATE_TEST_SUITE_P (Levels, MeterLineTest, ::testing::Values (
        LevelCase { "Zero", 0.0f, 0, 0.0f },
        LevelCase { "Half", 0.5f, 21, 0.5f },
        LevelCase { "Full", 1.0f, 42, 1.0f },
        LevelCase { "AboveOne", 1.7f, 42, 1.0f },
        LevelCase { "Negative", -0.3f, 0, -0.3f }),
        CaseName());
}
