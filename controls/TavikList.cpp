#include "TavikList.h"

#include "ControlFont.h"

namespace
{
    // The rows fill the list between these margins at the top and bottom.
    constexpr int rowMargin = 17;
}

TavikList::TavikList()
{
    revealButton.listener = this;
    plate.listener = this;
    plate.addAndMakeVisible (this);
}

TavikList::~TavikList()
{
    // The list lives on its own member plate; take both out of the component
    // tree before they go.
    if (auto* parent = plate.getParentComponent())
        parent->removeChildComponent (&plate);

    plate.removeChildComponent (this);
}

int TavikList::itemCount() const noexcept
{
    return items != nullptr ? juce::jmax (0, numItems) : 0;
}

juce::String TavikList::itemText (int index) const
{
    if (! juce::isPositiveAndBelow (index, itemCount()) || items[index] == nullptr)
        return {};

    return juce::String::fromUTF8 (items[index]);
}

void TavikList::refreshSelection()
{
    revealButton.text = itemText (selectedIndex);

    revealButton.leftButton.active = canShowPrevious();
    revealButton.leftButton.repaint();
    revealButton.rightButton.active = canShowNext();
    revealButton.rightButton.repaint();
    revealButton.repaint();
}

void TavikList::selectionChangedByUser()
{
    refreshSelection();

    if (delegate != nullptr)
        delegate->listSelectionChanged (listId, selectedIndex);
}

void TavikList::showNext()
{
    if (! canShowNext())
        return;

    ++selectedIndex;
    selectionChangedByUser();
    repaint();
}

void TavikList::showPrevious()
{
    if (! canShowPrevious())
        return;

    --selectedIndex;
    selectionChangedByUser();
    repaint();
}

bool TavikList::canShowPrevious()
{
    return selectedIndex > 0 && selectedIndex < itemCount();
}

bool TavikList::canShowNext()
{
    return selectedIndex >= 0 && selectedIndex < itemCount() - 1;
}

void TavikList::toggleList()
{
    if (isOpen)
    {
        closeList();
        return;
    }

    auto* host = plate.host;

    if (host == nullptr || delegate == nullptr)
        return;

    host->addAndMakeVisible (plate);
    plate.setBounds (0, 0, host->getWidth(), host->getHeight());

    const auto bounds = delegate->getListBounds (listId);
    setBounds (juce::roundToInt (bounds.getX()), juce::roundToInt (bounds.getY()),
               juce::roundToInt (bounds.getWidth()), juce::roundToInt (bounds.getHeight()));

    isOpen = true;
}

void TavikList::closeList()
{
    if (! isOpen)
        return;

    isOpen = false;

    if (plate.host != nullptr)
        plate.host->removeChildComponent (&plate);
}

void TavikList::revealButtonClicked (RevealButton*)
{
    toggleList();
}

void TavikList::backgroundPlateClicked()
{
    closeList();
}

int TavikList::rowAt (float y) const
{
    const auto n = itemCount();
    const auto usableHeight = (float) juce::jmax (0, getHeight() - 2 * rowMargin);

    if (n == 0 || usableHeight <= 0.0f)
        return -1;

    // A position in the top margin truncates to the first row.
    const auto row = (int) ((float) n * (y - (float) rowMargin) / usableHeight);
    return juce::isPositiveAndBelow (row, n) ? row : -1;
}

void TavikList::mouseDown (const juce::MouseEvent& e)
{
    pressedIndex = rowAt (e.position.y);

    if (pressedIndex >= 0)
        repaint();
}

void TavikList::mouseUp (const juce::MouseEvent& e)
{
    const auto row = rowAt (e.position.y);
    const auto releasedOnPressedRow = row >= 0 && row == pressedIndex;
    pressedIndex = -1;

    if (releasedOnPressedRow && row != selectedIndex)
    {
        selectedIndex = row;
        selectionChangedByUser();
    }

    repaint();
}

void TavikList::paint (juce::Graphics& g)
{
    const auto width = getWidth();
    const auto height = getHeight();

    g.setColour (juce::Colour (0xfff0ebe6));
    g.fillRoundedRectangle (getLocalBounds().reduced (10).toFloat(), 2.0f);

    g.setFont (controlFont (14.0f));

    const auto n = itemCount();

    if (n == 0)
        return;

    const auto rowHeight = (float) juce::jmax (0, height - 2 * rowMargin) / (float) n;

    for (int i = 0; i < n; ++i)
    {
        const auto y = (int) ((float) i * rowHeight + (float) rowMargin);
        const juce::Rectangle<int> row (0, y, juce::jmax (0, width - 40), (int) rowHeight);

        if (i == selectedIndex || i == pressedIndex)
        {
            g.setColour (juce::Colour (0xccffffff));
            g.fillRoundedRectangle (row.withX (20).toFloat(), 2.0f);
        }

        g.setColour (juce::Colour (0xff0a0f15));
        g.drawText (itemText (i), row.withX (25), juce::Justification::centredLeft, true);
    }
}
