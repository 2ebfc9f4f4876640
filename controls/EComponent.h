#pragma once

#include "OMUICallback.h"

#include <juce_gui_basics/juce_gui_basics.h>

// The base of every control that drives a plug-in parameter. It binds the
// control to one parameter by its index (the tag), holds the control's
// normalised value and reports the user's changes to an OMUICallback.
//
// Values pushed in by the owner (setValue, setValueForTag, syncWithParameter
// without notify) never call back.
class EComponent : public juce::Component
{
public:
    EComponent() = default;

    virtual void setCallback (OMUICallback* newCallback);

    // Stores the value and repaints the whole control.
    virtual void setValue (float newValue);

    // Stores the value, and repaints the whole control if repaintNow is set.
    virtual void setValue (float newValue, bool repaintNow);

    virtual float getValue() const;

    virtual void setTag (int newTag);
    virtual int getTag() const;

    // A control bound to one parameter answers with its value for any tag;
    // a control that drives several parameters answers per parameter.
    virtual float getValueForTag (int parameterTag) const;
    virtual void setValueForTag (int parameterTag, float newValue);

    // Pulls the parameter's current value through the callback. When it
    // differs from the control's value by more than the float epsilon, the
    // value is stored and the control repainted; with notify set, the change is
    // then reported with valueChanged and true is returned. Otherwise (or
    // without a callback) it returns false.
    virtual bool syncWithParameter (bool notify);

protected:
    OMUICallback* callback = nullptr;
    float value = 0.0f;
    int tag = -1;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (EComponent)
};
