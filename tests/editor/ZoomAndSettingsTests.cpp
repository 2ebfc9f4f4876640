#include "EditorFixture.h"

#include <X11/Xlib.h>

namespace
{
    juce::File settingsFile() { return OMSettings::folderFor ("Tavik").getChildFile ("Tavik.settings"); }

    juce::String storedZoom()
    {
        juce::PropertiesFile::Options options;
        options.storageFormat = juce::PropertiesFile::storeAsCompressedBinary;
        juce::PropertiesFile file (settingsFile(), options);
        return file.getValue ("Zoom", "(missing)");
    }

    void resetScale() { juce::Desktop::getInstance().setGlobalScaleFactor (1.0f); }
}

class ZoomTest : public EditorFixture
{
protected:
    void TearDown() override
    {
        EditorFixture::TearDown();
        resetScale();
    }

    // The image button finds where its image lies when it is painted; a
    // window on screen has been painted before anyone clicks it.
    void clickZoomButton()
    {
        paintToImage (*editor);
        window.click (editor->windowZoom.zoomButton, { 11, 11 });
    }

    // Opens the list with the zoom button and clicks the row of `index`.
    void choose (int index)
    {
        clickZoomButton();
        auto& list = editor->windowZoom.zoomList;
        ASSERT_TRUE (list.isListOpen());
        const int rowCentre = (int) ((float) list.getHeight() * ((float) index + 0.5f) / 6.0f);
        window.click (list, { list.getWidth() / 2, rowCentre });
    }

    // The size of the editor's X window, in screen pixels.
    juce::Point<int> windowSizeOnScreen()
    {
        dispatchPendingMessages();
        auto* display = XOpenDisplay (nullptr);
        XWindowAttributes attributes {};
        XGetWindowAttributes (display, (::Window) editor->getPeer()->getNativeHandle(), &attributes);
        XCloseDisplay (display);
        return { attributes.width, attributes.height };
    }
};

TEST_F (ZoomTest, OpeningAnEditorStoresOneHundredAndShowsIt)
{
    EXPECT_EQ (storedZoom(), "100");
    EXPECT_EQ (editor->windowZoom.zoomList.selectedIndex, 1);
    EXPECT_EQ (editor->windowZoom.currentScale, 1.0f);
    EXPECT_FALSE (editor->windowZoom.zoomList.isListOpen());
}

TEST_F (ZoomTest, TheButtonOpensTheListBesideItAndThePlateClosesIt)
{
    clickZoomButton();
    auto& list = editor->windowZoom.zoomList;
    ASSERT_TRUE (list.isListOpen());
    EXPECT_EQ (list.getBounds(), juce::Rectangle<int> (25, 10, 80, 220));
    EXPECT_EQ (list.plate.getParentComponent(), &editor->contentView);
    EXPECT_EQ (editor->contentView.getChildComponent (editor->contentView.getNumChildComponents() - 1), &list.plate);

    window.click (editor->contentView, { 400, 300 });
    EXPECT_FALSE (list.isListOpen());
    EXPECT_EQ (storedZoom(), "100");
}

TEST_F (ZoomTest, ChoosingAZoomStoresItAtOnceAndScalesTheWindow)
{
    // Choosing the item that is already selected changes nothing.
    settingsFile().deleteFile();
    choose (1);
    EXPECT_FALSE (settingsFile().exists());
    EXPECT_EQ (windowSizeOnScreen(), juce::Point<int> (656, 460));
    ASSERT_TRUE (editor->windowZoom.zoomList.isListOpen());
    window.click (editor->contentView, { 400, 300 });   // the plate closes it

    choose (3);
    EXPECT_EQ (storedZoom(), "150");
    EXPECT_EQ (editor->windowZoom.currentScale, 1.5f);
    EXPECT_FALSE (editor->windowZoom.zoomList.isListOpen());
    EXPECT_EQ (editor->getWidth(), 656);   // bounds never change, the window scales
    EXPECT_EQ (windowSizeOnScreen(), juce::Point<int> (984, 690));
}

TEST_F (ZoomTest, ANewEditorStoresOneHundredButKeepsTheProcessScale)
{
    choose (5);
    EXPECT_EQ (storedZoom(), "200");

    TavikAudioProcessor second;
    TavikAudioProcessorEditor other (second);
    EXPECT_EQ (storedZoom(), "100");
    EXPECT_EQ (other.windowZoom.zoomList.selectedIndex, 1);
    EXPECT_EQ (juce::Desktop::getInstance().getGlobalScaleFactor(), 2.0f);
}

TEST (ZoomIndex, PercentagesMapToListIndexes)
{
    const std::pair<int, int> cases[] = { { 75, 0 }, { 100, 1 }, { 125, 2 }, { 150, 3 }, { 175, 4 }, { 200, 5 }, { 110, 1 }, { 0, 1 } };
    for (const auto& [percentage, index] : cases)
        EXPECT_EQ (OMWindowZoom::indexForZoom (percentage), index) << percentage;
}

// Whatever the settings folder holds, the editor opens and the zoom works.
TEST (SettingsFile, DamagedOrUnwritableSettingsNeverStopTheEditor)
{
    const auto folder = OMSettings::folderFor ("Tavik");
    const auto maker = folder.getParentDirectory();

    struct Case
    {
        const char* what;
        std::function<void()> prepare;
        bool saves;
    };

    const Case cases[] = {
        { "missing", [&] { maker.deleteRecursively(); }, true },
        { "empty", [&] { folder.createDirectory(); settingsFile().replaceWithText (""); }, true },
        { "corrupt", [&] { folder.createDirectory(); settingsFile().replaceWithText ("\x1f\x8b garbage \x01\x02\xff not a settings file"); }, true },
        { "from a newer version", [&]
          {
              folder.createDirectory();
              juce::PropertiesFile::Options options;
              options.storageFormat = juce::PropertiesFile::storeAsCompressedBinary;
              juce::PropertiesFile newer (settingsFile(), options);
              newer.setValue ("Zoom", "250");
              newer.setValue ("Theme", "night");
              newer.save();
          }, true },
        { "file is a folder", [&] { settingsFile().deleteRecursively(); settingsFile().createDirectory(); }, false },
        { "folder cannot be made", [&] { maker.deleteRecursively(); maker.replaceWithText ("a file where a folder belongs"); }, false },
    };

    for (const auto& c : cases)
    {
        maker.deleteRecursively();
        c.prepare();
        {
            TavikAudioProcessor processor;
            TestWindow window;
            TavikAudioProcessorEditor editor (processor);
            window.content().setSize (656, 460);
            window.add (editor, { 0, 0, 656, 460 });
            EXPECT_EQ (editor.windowZoom.zoomList.selectedIndex, 1) << c.what;

            editor.windowZoom.listSelectionChanged (0, 2);
            EXPECT_EQ (juce::Desktop::getInstance().getGlobalScaleFactor(), 1.25f) << c.what;
            EXPECT_EQ (settingsFile().existsAsFile() && storedZoom() == "125", c.saves) << c.what;
        }
        resetScale();
    }
    maker.deleteRecursively();
}
