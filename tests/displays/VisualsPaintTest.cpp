#include "TestWindow.h"
#include "Visuals.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace
{
    constexpr int bandCount = 50;
    const juce::Colour traceColour (0xfffd572c);

    class VisualsPaintTest : public ::testing::Test
    {
    protected:
        VisualsPaintTest()
        {
            visuals.bands = bands.data();
            visuals.bandCount = bandCount;
            visuals.setSize (635, 314);
        }

        void setAllBands (float level)
        {
            std::fill (bands.begin(), bands.end(), level);
            visuals.updateCurve();
        }

        // Where the trace of a column starts, from the top.
        float traceTop (int column) const
        {
            const auto height = (float) visuals.getHeight();
            return height - visuals.getCurve()[column] * height - 0.5f;
        }

        // The summed alpha of the two rows that a one-pixel row at y can touch.
        static int alphaAround (const juce::Image& image, int column, float y)
        {
            const auto row = (int) std::floor (y);
            return image.getPixelAt (column, row).getAlpha() + image.getPixelAt (column, row + 1).getAlpha();
        }

        static bool isBlank (const juce::Image& image)
        {
            for (int y = 0; y < image.getHeight(); ++y)
                for (int x = 0; x < image.getWidth(); ++x)
                    if (image.getPixelAt (x, y).getAlpha() != 0)
                        return false;

            return true;
        }

        std::vector<float> bands = std::vector<float> (bandCount, 0.0f);
        Visuals visuals;
    };

    struct EchoCase
    {
        float phase;
        float level;
        int pair;
        int alpha;
        float down, up;

        friend std::ostream& operator<< (std::ostream& os, const EchoCase& c)
        {
            return os << "phase " << c.phase << ", level " << c.level << ", pair " << c.pair;
        }
    };

    class VisualsEchoTest : public ::testing::TestWithParam<EchoCase> {};

    // alpha = 0xC0 x (1 - min (1, d)) x intensity, offsets 85 d and 40 d, with
    // d = (phase + pair / 4)^2 and the intensity full from a level of 0.01.
    TEST_P (VisualsEchoTest, AlphaAndOffsetsFollowPhaseAndLevel)
    {
        const auto c = GetParam();
        const auto echo = Visuals::echoesAt (c.phase, c.level)[(size_t) c.pair];

        EXPECT_EQ ((int) echo.alpha, c.alpha);
        EXPECT_NEAR (echo.down, c.down, 1.0e-4f);
        EXPECT_NEAR (echo.up, c.up, 1.0e-4f);
    }

    INSTANTIATE_TEST_SUITE_P (Cases, VisualsEchoTest, ::testing::Values (
        EchoCase { 0.0f, 0.0f, 0, 0x00, 0.0f, 0.0f },           // not live: transparent
        EchoCase { 0.0f, 0.0025f, 0, 0x30, 0.0f, 0.0f },        // a quarter of the intensity
        EchoCase { 0.0f, 0.005f, 0, 0x60, 0.0f, 0.0f },         // half
        EchoCase { 0.0f, 0.01f, 0, 0xc0, 0.0f, 0.0f },          // full from 0.01
        EchoCase { 0.0f, 0.015f, 0, 0xc0, 0.0f, 0.0f },
        EchoCase { 0.0f, 7.0f, 0, 0xc0, 0.0f, 0.0f },           // and no more above 1
        EchoCase { 0.0f, -1.0f, 0, 0x00, 0.0f, 0.0f },          // nothing below 0
        EchoCase { 0.1f, 1.0f, 1, 168, 10.4125f, 4.9f },        // d = 0.1225
        EchoCase { 0.2f, 1.0f, 3, 18, 76.7125f, 36.1f },        // d = 0.9025
        EchoCase { 0.25f, 1.0f, 3, 0x00, 85.0f, 40.0f },        // d = 1: gone
        EchoCase { 0.0f, 1.0f, 2, 0x90, 21.25f, 10.0f }));      // d = 0.25

    // Each paint moves the shared phase on by 0.01 and wraps it from above
    // 0.25, so it comes back to where it was every 25 paints.
    TEST_F (VisualsPaintTest, EveryPaintAdvancesTheSharedPhase)
    {
        Visuals other;
        other.bands = bands.data();
        other.setSize (100, 100);

        const auto start = Visuals::getEchoPhase();
        int wraps = 0;

        for (int i = 0; i < 25; ++i)
        {
            const auto before = Visuals::getEchoPhase();
            paintToImage (i % 2 == 0 ? visuals : other);
            auto step = Visuals::getEchoPhase() - before;

            if (step < 0.0f)
            {
                ++wraps;
                step += 0.25f;
            }

            ASSERT_NEAR (step, 0.01f, 1.0e-6f) << "paint " << i;
            ASSERT_GE (Visuals::getEchoPhase(), 0.0f);
            ASSERT_LE (Visuals::getEchoPhase(), 0.25f);
        }

        EXPECT_EQ (wraps, 1);
        EXPECT_NEAR (Visuals::getEchoPhase(), start, 1.0e-5f);
    }

    struct NothingDrawnCase
    {
        bool hasBands;
        int width, height;

        friend std::ostream& operator<< (std::ostream& os, const NothingDrawnCase& c)
        {
            return os << (c.hasBands ? "" : "no bands, ") << c.width << " x " << c.height;
        }
    };

    class VisualsNothingDrawnTest : public VisualsPaintTest,
                                    public ::testing::WithParamInterface<NothingDrawnCase> {};

    TEST_P (VisualsNothingDrawnTest, DrawsNothingAndKeepsThePhase)
    {
        const auto c = GetParam();
        setAllBands (0.5f);
        visuals.level = 1.0f;
        visuals.bands = c.hasBands ? bands.data() : nullptr;
        visuals.setSize (c.width, c.height);

        const auto phase = Visuals::getEchoPhase();
        juce::Image image (juce::Image::ARGB, 40, 40, true);
        juce::Graphics g (image);
        visuals.paint (g);

        EXPECT_TRUE (isBlank (image));
        EXPECT_EQ (Visuals::getEchoPhase(), phase);
    }

    INSTANTIATE_TEST_SUITE_P (Cases, VisualsNothingDrawnTest, ::testing::Values (
        NothingDrawnCase { false, 635, 314 },
        NothingDrawnCase { true, 1, 314 },
        NothingDrawnCase { true, 635, 1 }));

    // A bad band value spoils the curve from its column on: the frame is
    // skipped, but the animation still moves.
    TEST_F (VisualsPaintTest, NonFiniteCurveSkipsTheWholeFrame)
    {
        setAllBands (0.5f);
        bands[20] = std::numeric_limits<float>::quiet_NaN();
        visuals.updateCurve();
        visuals.level = 1.0f;
        ASSERT_TRUE (std::isfinite (visuals.getCurve()[200]));
        ASSERT_FALSE (std::isfinite (visuals.getCurve()[634]));

        const auto phase = Visuals::getEchoPhase();
        const auto image = paintToImage (visuals);

        EXPECT_TRUE (isBlank (image));
        EXPECT_NE (Visuals::getEchoPhase(), phase);

        setAllBands (0.5f);
        EXPECT_FALSE (isBlank (paintToImage (visuals)));
    }

    // Not live: the trace alone, three pixels high from its top in every
    // column. With all bands 0 only its top half pixel is inside, in the
    // bottom row.
    TEST_F (VisualsPaintTest, NotLiveDrawsOnlyTheTrace)
    {
        for (const auto bandLevel : { 0.0f, 0.15f })
        {
            SCOPED_TRACE (bandLevel);
            setAllBands (bandLevel);
            visuals.level = 0.0f;
            const auto image = paintToImage (visuals);

            for (int x = 0; x < image.getWidth(); ++x)
            {
                const auto top = traceTop (x);

                for (int y = 0; y < image.getHeight(); ++y)
                {
                    const auto pixel = image.getPixelAt (x, y);
                    const auto insideTrace = (float) y + 1.0f > top && (float) y < top + 3.0f;

                    const auto wholeRowInside = (float) y >= top && (float) y + 1.0f <= top + 3.0f;

                    if (! insideTrace)
                    {
                        ASSERT_EQ (pixel.getAlpha(), 0) << x << ", " << y;
                    }
                    else if (wholeRowInside)
                    {
                        ASSERT_EQ (pixel.getARGB(), traceColour.getARGB()) << x << ", " << y;
                    }
                }
            }
        }

        setAllBands (0.0f);
        const auto image = paintToImage (visuals);
        const auto bottom = image.getPixelAt (300, image.getHeight() - 1);
        EXPECT_NEAR (bottom.getAlpha(), 128, 2);
        EXPECT_NEAR (bottom.getRed(), traceColour.getRed(), 2);
        EXPECT_NEAR (bottom.getGreen(), traceColour.getGreen(), 2);
        EXPECT_NEAR (bottom.getBlue(), traceColour.getBlue(), 2);
    }

    // Live: echoes of the trace at their offsets below and above it, with the
    // alpha of the phase at which the paint began.
    TEST_F (VisualsPaintTest, LiveDrawsEchoesAtTheirOffsetsAndAlphas)
    {
        setAllBands (0.15f);
        const int column = 300;
        const auto top = traceTop (column);
        ASSERT_GT (top, 60.0f);
        ASSERT_LT (top, (float) visuals.getHeight() - 60.0f);

        for (const auto level : { 1.0f, 0.005f })
        {
            SCOPED_TRACE (level);
            visuals.level = level;
            const auto echoes = Visuals::echoesAt (Visuals::getEchoPhase(), level);
            const auto image = paintToImage (visuals);

            // Pairs 1 and 2 lie clear of the trace and of each other at any phase.
            EXPECT_NEAR (alphaAround (image, column, top + echoes[1].down), echoes[1].alpha, 3);
            EXPECT_NEAR (alphaAround (image, column, top + echoes[2].down), echoes[2].alpha, 3);
            EXPECT_NEAR (alphaAround (image, column, top - echoes[2].up), echoes[2].alpha, 3);
            EXPECT_GT (echoes[1].alpha, 0);
        }

        // Rows between the echoes stay empty.
        visuals.level = 1.0f;
        const auto echoes = Visuals::echoesAt (Visuals::getEchoPhase(), 1.0f);
        const auto image = paintToImage (visuals);
        const auto gap = (int) std::floor (top + 0.5f * (echoes[1].down + echoes[2].down));
        EXPECT_EQ (image.getPixelAt (column, gap).getAlpha(), 0);
    }
}
