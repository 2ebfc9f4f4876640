#include "DenormalGuard.h"
#include "EngineTestHelpers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace tavik;
using namespace tavik::test;

namespace
{
    // Sample counts between completed frames when the editor takes every frame
    // as soon as it is ready, processing one sample per block.
    std::vector<int> frameLengths (double rate, int frames)
    {
        TavikEngine engine;
        engine.prepare (rate, defaultParameters());
        Block block (2, 1);
        std::vector<float> frame (DisplayFeed::length);
        std::vector<int> lengths;
        int count = 0;
        while ((int) lengths.size() < frames)
        {
            block.process (engine, defaultParameters());
            ++count;
            if (engine.modulatorFeed.takeFrame (frame.data()))
            {
                EXPECT_TRUE (engine.lowBandFeed.takeFrame (frame.data()));
                lengths.push_back (count);
                count = 0;
            }
        }
        return lengths;
    }

    // One block in which the audio thread pushes count points of value m.
    void pushBlock (DisplayFeed& feed, float m, int count)
    {
        feed.beginBlock();
        {
            DisplayFeed::Writer points (feed);
            for (int i = 0; i < count; ++i)
                points.push (m);
        }
        feed.endBlock();
    }
}

TEST (DisplayFeed, FramesSpan1024PointsAt44100PerSecond)
{
    for (int n : frameLengths (44100.0, 4))
        EXPECT_EQ (n, 1024);

    const auto at48k = frameLengths (48000.0, 12);
    for (int n : at48k)
        EXPECT_TRUE (n == 1114 || n == 1115) << n;
    EXPECT_NE (std::find (at48k.begin(), at48k.end(), 1114), at48k.end());
    EXPECT_NE (std::find (at48k.begin(), at48k.end(), 1115), at48k.end());

    const auto at88k = frameLengths (88200.0, 4);
    EXPECT_EQ (at88k[0], 2047);
    for (size_t i = 1; i < at88k.size(); ++i)
        EXPECT_EQ (at88k[i], 2048);
}

TEST (DisplayFeed, ConstantLowBandGivesTheWindowItself)
{
    TavikEngine engine;
    engine.prepare (44100.0, defaultParameters());
    Block block (2, DisplayFeed::length);
    std::vector<float> frame (DisplayFeed::length);

    for (int b = 0; b < 200; ++b)
    {
        for (auto& channel : block.data)
            std::fill (channel.begin(), channel.end(), 0.5f);
        block.process (engine, defaultParameters());
        ASSERT_TRUE (engine.modulatorFeed.takeFrame (frame.data()));
        ASSERT_TRUE (engine.lowBandFeed.takeFrame (frame.data()));
    }

    for (int i = 0; i < DisplayFeed::length; ++i)
        ASSERT_NEAR (frame[(size_t) i], 0.5f * std::sin (std::sin ((float) i * 0.0030679617f)), 1.0e-4f) << i;

    EXPECT_NEAR (engine.lowBandFeed.getPublishedPeak(), 0.5f, 1.0e-4f);
    EXPECT_EQ (frame[0], 0.0f);
    EXPECT_NEAR (frame[512], 0.5f * std::sin (1.0f), 1.0e-4f);
}

TEST (DisplayFeed, UntakenFrameKeepsReadyAndRenewsThePeak)
{
    TavikEngine engine;
    engine.prepare (44100.0, defaultParameters());
    Block block (1, DisplayFeed::length);

    for (float level : { 0.9f, 0.1f })
    {
        for (int b = 0; b < 40; ++b)
        {
            std::fill (block.data[0].begin(), block.data[0].end(), level);
            block.process (engine, defaultParameters());
        }
        EXPECT_TRUE (engine.lowBandFeed.isReady());
        EXPECT_NEAR (engine.lowBandFeed.getPublishedPeak(), level, 1.0e-3f);
    }
}

TEST (DisplayFeed, ATakenFrameIsNotReadyAgainUntilTheNextOneCompletes)
{
    DisplayFeed feed;
    std::vector<float> frame (DisplayFeed::length, -1.0f);
    EXPECT_FALSE (feed.takeFrame (frame.data()));
    EXPECT_EQ (frame[0], -1.0f);

    pushBlock (feed, 1.0f, DisplayFeed::length);
    ASSERT_TRUE (feed.takeFrame (frame.data()));
    EXPECT_FALSE (feed.takeFrame (frame.data()));

    pushBlock (feed, 2.0f, DisplayFeed::length - 1);
    EXPECT_FALSE (feed.isReady());

    pushBlock (feed, 2.0f, 1);
    ASSERT_TRUE (feed.takeFrame (frame.data()));
    EXPECT_EQ (frame[100], 2.0f * DisplayFeed::windowAt (100));
    EXPECT_EQ (feed.getPublishedPeak(), 2.0f);
}

// The window table holds exactly what the library sine gives at every point,
// also under the flush-to-zero mode blocks are processed in.
TEST (DisplayFeed, TabledWindowEqualsTheLibrarySineAtEveryPoint)
{
    DisplayFeed feed;
    pushBlock (feed, 1.0f, DisplayFeed::length);

    std::vector<float> frame (DisplayFeed::length);
    ASSERT_TRUE (feed.takeFrame (frame.data()));

    DenormalGuard flushToZero;
    for (int i = 0; i < DisplayFeed::length; ++i)
    {
        ASSERT_EQ (frame[(size_t) i], DisplayFeed::windowAt (i)) << i;
        ASSERT_EQ (frame[(size_t) i], std::sin (std::sin ((float) i * 0.0030679617f))) << i;
    }
}
