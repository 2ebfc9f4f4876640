#pragma once

// Told by a radio button that the user clicked it while it was not selected.
class TavikRadioButtonDelegate
{
public:
    virtual ~TavikRadioButtonDelegate() = default;
    virtual void radioButtonClicked (int index) = 0;
};
