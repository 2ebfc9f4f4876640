#include "Visuals.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace
{
    constexpr int bandCount = 50;

    class VisualsCurveTest : public ::testing::Test
    {
    protected:
        VisualsCurveTest()
        {
            visuals.bands = bands.data();
            visuals.bandCount = bandCount;
            visuals.setSize (635, 314);
        }

        std::vector<float> curveCopy() const
        {
            return { visuals.getCurve(), visuals.getCurve() + Visuals::curveSize };
        }

        std::vector<float> bands = std::vector<float> (bandCount, 0.0f);
        Visuals visuals;
    };

    struct LitBandCase
    {
        int width;
        int band;
        int firstColumn;    // just right of the previous band's edge, (band - 1) / 50)^0.4 x (width + 10)
        bool smoothed;      // false when the column lies past width + 6

        friend std::ostream& operator<< (std::ostream& os, const LitBandCase& c)
        {
            return os << "width " << c.width << ", band " << c.band;
        }
    };

    class VisualsLitBandTest : public VisualsCurveTest,
                               public ::testing::WithParamInterface<LitBandCase> {};

    // With one band lit, the curve stays 0 up to that band's first column,
    // where it takes one step of the band's rate towards level^0.35.
    TEST_P (VisualsLitBandTest, CurveRisesAtTheBandsFirstColumn)
    {
        const auto c = GetParam();
        const auto level = 0.5f;
        visuals.setSize (c.width, 314);
        bands[(size_t) c.band] = level;

        visuals.updateCurve();

        const auto* curve = visuals.getCurve();

        for (int i = 0; i < c.firstColumn; ++i)
            ASSERT_EQ (curve[i], 0.0f) << "column " << i;

        const auto rate = 0.01f * std::pow ((float) c.band / bandCount, 0.4f);
        const auto step = rate * std::pow (level, 0.35f);
        EXPECT_NEAR (curve[c.firstColumn], c.smoothed ? 0.1f * step : step, 1.0e-7f);
    }

    INSTANTIATE_TEST_SUITE_P (Edges, VisualsLitBandTest, ::testing::Values (
        LitBandCase { 635, 1, 1, true },        // band 0 owns column 0 alone
        LitBandCase { 635, 2, 135, true },      // edge 134.9
        LitBandCase { 635, 3, 178, true },      // edge 177.99
        LitBandCase { 635, 49, 635, true },     // edge 634.55
        LitBandCase { 300, 2, 65, true },       // edge 64.83
        LitBandCase { 300, 49, 305, true },     // edge 304.98
        LitBandCase { 100, 10, 56, true },      // edge 55.40
        LitBandCase { 100, 49, 109, false }));  // edge 108.22, past the smoothed columns 1 to 106

    // Band 0 sets column 0 to 0.6 x level^0.35; the columns after it fall from
    // there towards band 1's level of 0.
    TEST_F (VisualsCurveTest, FirstBandStartsTheCurve)
    {
        bands[0] = 0.2f;
        visuals.updateCurve();

        const auto* curve = visuals.getCurve();
        const auto start = 0.6f * std::pow (0.2f, 0.35f);
        const auto rate = 0.01f * std::pow (1.0f / bandCount, 0.4f);

        EXPECT_FLOAT_EQ (curve[0], start);
        EXPECT_NEAR (curve[1], 0.9f * start + 0.1f * start * (1.0f - rate), 1.0e-6f);
        EXPECT_GT (curve[1], curve[100]);
        EXPECT_GT (curve[100], 0.0f);
    }

    // Equal bands: the curve climbs from 0.6 x target towards the target,
    // faster in the higher bands, without overshooting it.
    TEST_F (VisualsCurveTest, EqualBandsClimbTowardsTheirLevel)
    {
        std::fill (bands.begin(), bands.end(), 1.0f);
        visuals.updateCurve();

        const auto* curve = visuals.getCurve();

        for (int i = 1; i < 640; ++i)
        {
            ASSERT_GE (curve[i], curve[i - 1]) << "column " << i;
            ASSERT_LT (curve[i], 1.0f) << "column " << i;
        }

        EXPECT_FLOAT_EQ (curve[0], 0.6f);
        EXPECT_GT (curve[634], 0.9f);
    }

    // Columns 0 to 639 are written for a width of 635, the smoothing runs on
    // to column 641 over the older contents, and later columns keep theirs.
    TEST_F (VisualsCurveTest, WritesAndSmoothsUpToItsLastColumnsOnly)
    {
        std::fill (bands.begin(), bands.end(), 1.0f);
        visuals.setSize (1000, 314);
        visuals.updateCurve();
        const auto before = curveCopy();

        std::fill (bands.begin(), bands.end(), 0.0f);
        visuals.setSize (635, 314);
        visuals.updateCurve();

        const auto* curve = visuals.getCurve();

        for (int i = 0; i < 640; ++i)
            ASSERT_EQ (curve[i], 0.0f) << "column " << i;

        EXPECT_FLOAT_EQ (curve[640], 0.1f * before[640]);
        EXPECT_FLOAT_EQ (curve[641], 0.9f * curve[640] + 0.1f * before[641]);

        for (int i = 642; i < 1010; ++i)
            ASSERT_EQ (curve[i], before[(size_t) i]) << "column " << i;
    }

    struct NoBandsCase
    {
        bool hasBands;
        int count;

        friend std::ostream& operator<< (std::ostream& os, const NoBandsCase& c)
        {
            return os << (c.hasBands ? "bands" : "no bands") << ", count " << c.count;
        }
    };

    class VisualsNoBandsTest : public VisualsCurveTest,
                               public ::testing::WithParamInterface<NoBandsCase> {};

    // Without bands to read, only the smoothing pass runs over the old curve.
    TEST_P (VisualsNoBandsTest, OnlySmoothsTheExistingCurve)
    {
        const auto c = GetParam();

        for (int j = 0; j < bandCount; ++j)
            bands[(size_t) j] = (float) (j % 7) / 6.0f;

        visuals.updateCurve();
        const auto before = curveCopy();

        visuals.bands = c.hasBands ? bands.data() : nullptr;
        visuals.bandCount = c.count;
        visuals.updateCurve();

        const auto* curve = visuals.getCurve();
        EXPECT_EQ (curve[0], before[0]);

        for (int i = 1; i <= 641; ++i)
            ASSERT_FLOAT_EQ (curve[i], 0.9f * curve[i - 1] + 0.1f * before[(size_t) i]) << "column " << i;

        for (int i = 642; i < 700; ++i)
            ASSERT_EQ (curve[i], before[(size_t) i]) << "column " << i;
    }

    INSTANTIATE_TEST_SUITE_P (Cases, VisualsNoBandsTest, ::testing::Values (
        NoBandsCase { true, 0 },
        NoBandsCase { false, bandCount }));
}
