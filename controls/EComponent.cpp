#include "EComponent.h"

void EComponent::setCallback (OMUICallback* newCallback)
{
    callback = newCallback;
}

void EComponent::setValue (float newValue)
{
    setValue (newValue, true);
}

void EComponent::setValue (float newValue, bool repaintNow)
{
    value = newValue;

    if (repaintNow)
        repaint();
}

float EComponent::getValue() const
{
    return value;
}

void EComponent::setTag (int newTag)
{
    tag = newTag;
}

int EComponent::getTag() const
{
    return tag;
}

float EComponent::getValueForTag (int) const
{
    return getValue();
}

void EComponent::setValueForTag (int, float newValue)
{
    setValue (newValue);
}

bool EComponent::syncWithParameter (bool notify)
{
    if (callback == nullptr)
        return false;

    const auto parameterValue = callback->getParameterValue (tag);

    if (std::abs (value - parameterValue) <= std::numeric_limits<float>::epsilon())
        return false;

    setValue (parameterValue);

    if (! notify)
        return false;

    callback->valueChanged (this, tag, value);
    return true;
}
