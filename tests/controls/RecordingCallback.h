#pragma once

#include "EComponent.h"

#include <array>
#include <string>
#include <vector>

// An owner that records every report of its controls in order and answers
// their questions from two small tables indexed by parameter.
class RecordingCallback : public OMUICallback
{
public:
    struct Report
    {
        std::string what;
        EComponent* sender;
        int tag;
        float value;
    };

    void valueChanged (EComponent* sender, int tag, float value) override { record ("value", sender, tag, value); }
    void mouseEntered (EComponent* sender, int tag) override              { record ("entered", sender, tag); }
    void mouseExited (EComponent* sender, int tag) override               { record ("exited", sender, tag); }
    void mousePressed (EComponent* sender, int tag) override              { record ("pressed", sender, tag); }
    void mouseReleased (EComponent* sender, int tag) override             { record ("released", sender, tag); }
    void beginGesture (EComponent* sender, int tag) override              { record ("begin", sender, tag); }
    void endGesture (EComponent* sender, int tag) override                { record ("end", sender, tag); }

    float getDefaultValue (int tag) override    { return defaults.at ((size_t) tag); }
    float getParameterValue (int tag) override  { return parameters.at ((size_t) tag); }

    // The kinds of the reports, in order.
    std::vector<std::string> sequence() const
    {
        std::vector<std::string> result;

        for (const auto& r : reports)
            result.push_back (r.what);

        return result;
    }

    // The values carried by the valueChanged reports, in order.
    std::vector<float> values() const
    {
        std::vector<float> result;

        for (const auto& r : reports)
            if (r.what == "value")
                result.push_back (r.value);

        return result;
    }

    // Whether every report came from this sender with this tag.
    bool allFrom (const EComponent* sender, int tag) const
    {
        for (const auto& r : reports)
            if (r.sender != sender || r.tag != tag)
                return false;

        return true;
    }

    void clear() { reports.clear(); }

    // The normalised defaults of the five parameters, and their current values.
    std::array<float, 5> defaults { 0.3f, 0.3333f, 0.4f, 1.0f, 0.0f };
    std::array<float, 5> parameters {};

    std::vector<Report> reports;

private:
    void record (const char* what, EComponent* sender, int tag, float value = 0.0f)
    {
        reports.push_back ({ what, sender, tag, value });
    }
};
