#pragma once

#include "BackgroundPlate.h"
#include "RevealButton.h"

// A drop-down list of text items. Opened, it lays its plate over the plate's
// host and shows itself on it at the bounds its delegate gives; a press and a
// release on the same row select that row, and a press anywhere else on the
// plate closes the list. Closed, its reveal button shows the selected item,
// and the arrows step through the items. Every change of the selection made
// by the user goes to the delegate.
//
// Items and the selection are checked wherever they are used: a null item
// array counts as no items, a null item shows as empty text, and a selected
// index outside the items shows empty text and offers no arrows.
class TavikList : public juce::Component,
                  public RevealButton::Listener,
                  public BackgroundPlate::Listener
{
public:
    class Delegate
    {
    public:
        virtual ~Delegate() = default;

        virtual void listSelectionChanged (int listId, int newIndex) = 0;

        // Where the open list goes, in the host's coordinates.
        virtual juce::Rectangle<float> getListBounds (int listId) = 0;
    };

    TavikList();
    ~TavikList() override;

    // Shows the selected item on the reveal button and updates its arrows.
    // The owner calls it after setting the items or the selection.
    void refreshSelection();

    // Opens the list if it is closed, closes it if it is open. The list opens
    // only once the plate's host and the delegate are set.
    void toggleList();

    // Closes the list and takes the plate off its host.
    void closeList();

    bool isListOpen() const noexcept { return isOpen; }

    // Steps the selection to the next or previous item; does nothing when
    // there is none.
    void showNext() override;
    void showPrevious() override;
    bool canShowPrevious() override;
    bool canShowNext() override;

    void revealButtonClicked (RevealButton*) override;
    void backgroundPlateClicked() override;

    void mouseDown (const juce::MouseEvent&) override;
    void mouseUp (const juce::MouseEvent&) override;
    void paint (juce::Graphics&) override;
    void resized() override {}

    BackgroundPlate plate;            // the owner sets plate.host
    Delegate* delegate = nullptr;
    const char* const* items = nullptr; // not owned; must outlive the list
    int numItems = 0;
    int selectedIndex = 0;
    int listId = 0;
    RevealButton revealButton;

private:
    int itemCount() const noexcept;
    juce::String itemText (int index) const;

    // The row under a vertical position in the list, or -1 for none.
    int rowAt (float y) const;

    void selectionChangedByUser();

    int pressedIndex = -1;
    bool isOpen = false;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (TavikList)
};
