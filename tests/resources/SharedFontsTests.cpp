#include "TavikResources.h"

#include <gtest/gtest.h>

namespace
{
    // Every test starts and ends with no user of the fonts.
    class SharedFontsTest : public ::testing::Test
    {
    protected:
        void SetUp() override    { ASSERT_EQ (SharedFonts::getUseCount(), 0); }
        void TearDown() override { while (SharedFonts::getUseCount() > 0) SharedFonts::release(); }
    };
}

TEST_F (SharedFontsTest, CreatedByTheFirstAcquireAndDeletedByTheLastRelease)
{
    EXPECT_FALSE (SharedFonts::exists());

    SharedFonts::acquire();
    ASSERT_TRUE (SharedFonts::exists());
    EXPECT_EQ (SharedFonts::getUseCount(), 1);
    auto* controlsFont = &SharedFonts::font (0);

    SharedFonts::acquire();
    EXPECT_EQ (SharedFonts::getUseCount(), 2);
    EXPECT_EQ (&SharedFonts::font (0), controlsFont) << "a second user shares the first user's fonts";

    SharedFonts::release();
    EXPECT_TRUE (SharedFonts::exists());
    EXPECT_EQ (SharedFonts::getUseCount(), 1);

    SharedFonts::release();
    EXPECT_FALSE (SharedFonts::exists());
    EXPECT_EQ (SharedFonts::getUseCount(), 0);
}

TEST_F (SharedFontsTest, ReleaseWithoutAUserChangesNothing)
{
    SharedFonts::release();
    EXPECT_EQ (SharedFonts::getUseCount(), 0);

    SharedFonts::acquire();
    EXPECT_TRUE (SharedFonts::exists());
    EXPECT_EQ (SharedFonts::getUseCount(), 1);
}

TEST_F (SharedFontsTest, AcquiringAgainCreatesFreshFontsFromTheEmbeddedTypeface)
{
    SharedFonts::acquire();
    SharedFonts::font (0).setHeight (18.0f);
    SharedFonts::release();

    SharedFonts::acquire();
    for (int i = 0; i < 3; ++i)
    {
        EXPECT_EQ (SharedFonts::font (i).getTypefaceName(), "Roboto") << i;
        EXPECT_EQ (SharedFonts::font (i).getTypefaceStyle(), "Regular") << i;
    }
    EXPECT_NE (SharedFonts::font (0).getHeight(), 18.0f) << "the new set does not keep the old set's height";
}
