#include "CaseName.h"
#include "RecordingCallback.h"
#include "TestWindow.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace
{
    class EComponentTest : public ::testing::Test
    {
    protected:
        void SetUp() override
        {
            control.setTag (1);
            control.setCallback (&callback);
            control.setValue (0.5f, true);
            window.add (control, { 10, 10, 40, 40 });
            repaints = &RepaintCounter::attachTo (control);
        }

        RecordingCallback callback;
        TestWindow window;
        EComponent control;
        RepaintCounter* repaints = nullptr;
    };

    struct SyncCase
    {
        const char* name;
        float parameter;
        bool notify;
        bool changes;
        bool returns;
    };

    class EComponentSyncTest : public EComponentTest,
                               public ::testing::WithParamInterface<SyncCase> {};

    TEST_P (EComponentSyncTest, SyncTakesParameterBeyondEpsilonAndReportsOnlyWithNotify)
    {
        const auto c = GetParam();
        callback.parameters[1] = c.parameter;

        EXPECT_EQ (control.syncWithParameter (c.notify), c.returns);
        EXPECT_EQ (control.getValue(), c.changes ? c.parameter : 0.5f);
        EXPECT_EQ (repaints->count, c.changes ? 1 : 0);

        if (c.returns)
        {
            EXPECT_THAT (callback.sequence(), ElementsAre ("value"));
            EXPECT_THAT (callback.values(), ElementsAre (c.parameter));
            EXPECT_TRUE (callback.allFrom (&control, 1));
        }
        else
        {
            EXPECT_THAT (callback.sequence(), IsEmpty());
        }
    }

    // The float epsilon is 2^-23: a difference of exactly that is not enough,
    // twice that is.
    INSTANTIATE_TEST_SUITE_P (Cases, EComponentSyncTest, ::testing::Values (
        SyncCase { "Equal", 0.5f, true, false, false },
        SyncCase { "OneEpsilonAbove", 0.5f + 0x1p-23f, true, false, false },
        SyncCase { "BelowByLessThanEpsilon", 0.5f - 0x1p-25f, true, false, false },
        SyncCase { "TwoEpsilonsAbove", 0.5f + 0x1p-22f, true, true, true },
        SyncCase { "DifferentWithoutNotify", 0.6f, false, true, false },
        SyncCase { "DifferentWithNotify", 0.6f, true, true, true },
        SyncCase { "ZeroWithNotify", 0.0f, true, true, true }),
        CaseName());

    TEST_F (EComponentTest, SyncWithoutCallbackChangesNothing)
    {
        control.setCallback (nullptr);

        EXPECT_FALSE (control.syncWithParameter (true));
        EXPECT_EQ (control.getValue(), 0.5f);
        EXPECT_EQ (repaints->count, 0);
    }

    TEST_F (EComponentTest, OwnerSettersStoreAndRepaintAsAskedWithoutReporting)
    {
        control.setValue (0.25f, false);
        EXPECT_EQ (control.getValue(), 0.25f);
        EXPECT_EQ (repaints->count, 0);

        control.setValue (0.75f);
        EXPECT_EQ (control.getValue(), 0.75f);
        EXPECT_EQ (repaints->count, 1);

        control.setValueForTag (4, 0.125f);
        EXPECT_EQ (control.getValue(), 0.125f);
        EXPECT_EQ (repaints->count, 2);

        EXPECT_THAT (callback.sequence(), IsEmpty());
    }

    TEST_F (EComponentTest, SingleParameterControlAnswersItsValueForAnyTag)
    {
        for (const auto anyTag : { 1, 0, 4, -1, 99 })
            EXPECT_EQ (control.getValueForTag (anyTag), 0.5f);

        EXPECT_EQ (control.getTag(), 1);
    }
}
