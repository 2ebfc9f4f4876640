#include "CaseName.h"
#include "TavikList.h"
#include "TestWindow.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace
{
    const char* const zoomItems[] = { "75%", "100%", "125%", "150%", "175%", "200%" };

    struct RecordingDelegate : public TavikList::Delegate
    {
        void listSelectionChanged (int listId, int newIndex) override { selections.push_back ({ listId, newIndex }); }
        juce::Rectangle<float> getListBounds (int) override { return bounds; }

        std::vector<std::pair<int, int>> selections;
        juce::Rectangle<float> bounds { 25.0f, 10.0f, 80.0f, 220.0f };
    };

    // A list of the six zoom levels over a host that fills most of the window.
    // With the list 220 high the rows are 31 pixels tall from y = 17.
    class TavikListTest : public ::testing::Test
    {
    protected:
        void SetUp() override
        {
            window.add (host, { 0, 0, 300, 260 });
            list.plate.host = &host;
            list.delegate = &delegate;
            list.items = zoomItems;
            list.numItems = 6;
            list.selectedIndex = 1;
            list.refreshSelection();
        }

        static juce::Point<int> row (int index) { return { 40, 17 + 31 * index + 15 }; }

        // Whether row i is drawn highlighted: its left end, clear of the text.
        bool highlighted (int i)
        {
            const auto pixel = paintToImage (list).getPixelAt (22, 17 + 31 * i + 2);
            return pixel != juce::Colour (0xfff0ebe6);
        }

        RecordingDelegate delegate;
        TestWindow window;
        juce::Component host;
        TavikList list;
    };

    TEST_F (TavikListTest, OpeningLaysPlateOverWholeHostAndPlacesList)
    {
        juce::Component sibling;
        host.addAndMakeVisible (sibling);

        list.toggleList();

        EXPECT_TRUE (list.isListOpen());
        EXPECT_EQ (host.getChildComponent (host.getNumChildComponents() - 1), &list.plate);
        EXPECT_EQ (list.plate.getBounds(), host.getLocalBounds());
        EXPECT_EQ (list.getBounds(), juce::Rectangle<int> (25, 10, 80, 220));
        EXPECT_TRUE (list.isShowing());
    }

    TEST_F (TavikListTest, ListBoundsAreRoundedToNearestPixels)
    {
        delegate.bounds = { 24.6f, 10.4f, 79.5f, 219.7f };
        list.toggleList();

        EXPECT_EQ (list.getBounds(), juce::Rectangle<int> (25, 10, 80, 220));
    }

    TEST_F (TavikListTest, PressOnPlateOutsideListClosesItAndItOpensAgain)
    {
        list.toggleList();
        window.press (list.plate, { 200, 200 });

        EXPECT_FALSE (list.isListOpen());
        EXPECT_EQ (host.getIndexOfChildComponent (&list.plate), -1);

        window.release (list.plate, { 200, 200 });
        list.toggleList();

        EXPECT_TRUE (list.isListOpen());
        EXPECT_EQ (list.plate.getParentComponent(), &host);

        list.toggleList();
        EXPECT_FALSE (list.isListOpen());
        EXPECT_EQ (list.plate.getParentComponent(), nullptr);
        EXPECT_THAT (delegate.selections, IsEmpty());
    }

    TEST_F (TavikListTest, PressAndReleaseOnOneRowSelectsItAndKeepsListOpen)
    {
        list.toggleList();
        window.click (list, row (3));

        EXPECT_THAT (delegate.selections, ElementsAre (std::make_pair (0, 3)));
        EXPECT_EQ (list.selectedIndex, 3);
        EXPECT_EQ (list.revealButton.text, "150%");
        EXPECT_TRUE (list.isListOpen());
        EXPECT_TRUE (highlighted (3));
        EXPECT_FALSE (highlighted (1));
    }

    TEST_F (TavikListTest, ReleaseOnAnotherRowSelectsNothingAndPressedRowStaysLitUntilThen)
    {
        list.toggleList();
        window.press (list, row (2));
        window.dragTo (list, row (4));

        EXPECT_TRUE (highlighted (2));
        EXPECT_FALSE (highlighted (4));

        window.release (list, row (4));

        EXPECT_FALSE (highlighted (2));
        EXPECT_TRUE (highlighted (1));
        EXPECT_THAT (delegate.selections, IsEmpty());
        EXPECT_EQ (list.selectedIndex, 1);
    }

    TEST_F (TavikListTest, ReleaseOnSelectedRowSendsNothing)
    {
        list.toggleList();
        window.click (list, row (1));

        EXPECT_THAT (delegate.selections, IsEmpty());
    }

    struct MarginCase
    {
        const char* name;
        int y;
        int selected;       // -1: nothing selected
    };

    class TavikListMarginTest : public TavikListTest,
                                public ::testing::WithParamInterface<MarginCase> {};

    TEST_P (TavikListMarginTest, TopMarginCountsAsFirstRowBottomMarginAsNone)
    {
        list.toggleList();
        window.click (list, { 40, GetParam().y });

        if (GetParam().selected < 0)
        {
            EXPECT_THAT (delegate.selections, IsEmpty());
        }
        else
        {
            EXPECT_THAT (delegate.selections, ElementsAre (std::make_pair (0, GetParam().selected)));
        }
    }

    INSTANTIATE_TEST_SUITE_P (Rows, TavikListMarginTest, ::testing::Values (
        MarginCase { "TopOfTopMargin", 0, 0 },
        MarginCase { "EndOfTopMargin", 16, 0 },
        MarginCase { "LastPixelOfLastRow", 202, 5 },      // the last pixel row of the last row
        MarginCase { "FirstPixelOfBottomMargin", 203, -1 },
        MarginCase { "BottomOfList", 219, -1 }),
        CaseName());

    TEST_F (TavikListTest, ArrowsStepThroughItemsAndStopAtEnds)
    {
        window.add (list.revealButton, { 10, 270, 100, 24 });
        list.selectedIndex = 0;
        list.refreshSelection();
        EXPECT_EQ (list.revealButton.text, "75%");

        window.click (list.revealButton.leftButton, { 7, 12 });
        EXPECT_THAT (delegate.selections, IsEmpty());

        window.click (list.revealButton.rightButton, { 7, 12 });
        EXPECT_THAT (delegate.selections, ElementsAre (std::make_pair (0, 1)));
        EXPECT_EQ (list.revealButton.text, "100%");
        EXPECT_TRUE (list.revealButton.leftButton.active);

        list.selectedIndex = 5;
        list.refreshSelection();
        delegate.selections.clear();

        window.click (list.revealButton.rightButton, { 7, 12 });
        EXPECT_THAT (delegate.selections, IsEmpty());

        window.click (list.revealButton.leftButton, { 7, 12 });
        EXPECT_THAT (delegate.selections, ElementsAre (std::make_pair (0, 4)));
        EXPECT_FALSE (list.isListOpen());
    }

    TEST_F (TavikListTest, RevealFaceClickTogglesList)
    {
        window.add (list.revealButton, { 120, 270, 100, 24 });
        window.click (list.revealButton, { 50, 12 });
        EXPECT_TRUE (list.isListOpen());

        list.backgroundPlateClicked();
        EXPECT_FALSE (list.isListOpen());
    }

    TEST_F (TavikListTest, EmptyListDrawsOnlyBackgroundAndSelectsNothing)
    {
        list.numItems = 0;
        list.refreshSelection();
        list.toggleList();

        window.click (list, row (0));
        window.click (list, row (2));

        EXPECT_THAT (delegate.selections, IsEmpty());
        EXPECT_EQ (list.revealButton.text, "");
        EXPECT_FALSE (list.revealButton.leftButton.active);
        EXPECT_FALSE (list.revealButton.rightButton.active);

        const auto image = paintToImage (list);

        for (int y = 12; y < 208; ++y)
            for (int x = 12; x < 68; ++x)
                ASSERT_EQ (image.getPixelAt (x, y), juce::Colour (0xfff0ebe6)) << x << ", " << y;
    }

    struct InvalidCase
    {
        const char* name;
        bool nullItems;
        int numItems;
        int selectedIndex;
    };

    class TavikListInvalidTest : public TavikListTest,
                                 public ::testing::WithParamInterface<InvalidCase> {};

    TEST_P (TavikListInvalidTest, InvalidSelectionShowsEmptyTextAndOffersNoArrows)
    {
        const auto c = GetParam();
        list.items = c.nullItems ? nullptr : zoomItems;
        list.numItems = c.numItems;
        list.selectedIndex = c.selectedIndex;
        list.refreshSelection();

        EXPECT_EQ (list.revealButton.text, "");
        EXPECT_FALSE (list.canShowPrevious());
        EXPECT_FALSE (list.canShowNext());

        list.showNext();
        list.showPrevious();
        EXPECT_EQ (list.selectedIndex, c.selectedIndex);
        EXPECT_THAT (delegate.selections, IsEmpty());

        list.toggleList();
        paintToImage (list);
    }

    INSTANTIATE_TEST_SUITE_P (Cases, TavikListInvalidTest, ::testing::Values (
        InvalidCase { "IndexPastEnd", false, 6, 6 },
        InvalidCase { "NegativeIndex", false, 6, -1 },
        InvalidCase { "NegativeCount", false, -3, 0 },
        InvalidCase { "NullItems", true, 6, 2 }),
        CaseName());

    TEST_F (TavikListTest, RowClickRepairsInvalidSelection)
    {
        list.selectedIndex = 17;
        list.refreshSelection();
        list.toggleList();
        window.click (list, row (4));

        EXPECT_THAT (delegate.selections, ElementsAre (std::make_pair (0, 4)));
        EXPECT_EQ (list.revealButton.text, "175%");
    }

    TEST_F (TavikListTest, NullItemShowsAsEmptyText)
    {
        const char* const items[] = { "one", nullptr, "three" };
        list.items = items;
        list.numItems = 3;
        list.refreshSelection();

        EXPECT_EQ (list.revealButton.text, "");

        list.selectedIndex = 2;
        list.refreshSelection();
        EXPECT_EQ (list.revealButton.text, "three");
        EXPECT_TRUE (list.canShowPrevious());
    }

    TEST_F (TavikListTest, ListWithoutHostOrDelegateStaysClosed)
    {
        list.delegate = nullptr;
        list.toggleList();
        EXPECT_FALSE (list.isListOpen());

        list.delegate = &delegate;
        list.plate.host = nullptr;
        list.toggleList();
        EXPECT_FALSE (list.isListOpen());
    }

    TEST_F (TavikListTest, DestroyingOpenListTakesPlateOffHost)
    {
        auto openList = std::make_unique<TavikList>();
        openList->plate.host = &host;
        openList->delegate = &delegate;
        openList->toggleList();
        ASSERT_EQ (host.getNumChildComponents(), 1);

        openList.reset();
        EXPECT_EQ (host.getNumChildComponents(), 0);
    }
}
