#pragma once

class EComponent;

// What a parameter-bound control reports to its owner. The control passes
// itself and the index of its parameter with every report; values are
// normalised parameter values from 0 to 1.
class OMUICallback
{
public:
    virtual ~OMUICallback() = default;

    // The user changed the value of parameter tag.
    virtual void valueChanged (EComponent* sender, int tag, float value) = 0;

    // The pointer entered or left a knob.
    virtual void mouseEntered (EComponent* sender, int tag) = 0;
    virtual void mouseExited (EComponent* sender, int tag) = 0;

    // A knob or the pad was pressed (after beginGesture) or released (before endGesture).
    virtual void mousePressed (EComponent* sender, int tag) = 0;
    virtual void mouseReleased (EComponent* sender, int tag) = 0;

    // The normalised default and the current normalised value of parameter tag.
    virtual float getDefaultValue (int tag) = 0;
    virtual float getParameterValue (int tag) = 0;

    // The user starts or has finished changing parameter tag.
    virtual void beginGesture (EComponent* sender, int tag) = 0;
    virtual void endGesture (EComponent* sender, int tag) = 0;
};
