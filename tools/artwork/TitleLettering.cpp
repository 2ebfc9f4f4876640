#include "TitleLettering.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace
{
    // Adds a polygon with a consistent winding so that overlapping strokes of
    // one letter merge under the non-zero rule.
    void addPolygon (juce::Path& path, std::initializer_list<juce::Point<float>> points)
    {
        std::vector<juce::Point<float>> corners (points);
        float twiceArea = 0.0f;
        for (size_t i = 0; i < corners.size(); ++i)
        {
            const auto& a = corners[i];
            const auto& b = corners[(i + 1) % corners.size()];
            twiceArea += a.x * b.y - b.x * a.y;
        }
        if (twiceArea < 0.0f)
            std::reverse (corners.begin(), corners.end());

        path.startNewSubPath (corners.front());
        for (size_t i = 1; i < corners.size(); ++i)
            path.lineTo (corners[i]);
        path.closeSubPath();
    }

    // Horizontal width of a stroke of the given weight running at the slope
    // dx across dy.
    float horizontalThickness (float weight, float dx, float dy)
    {
        return weight * std::hypot (dx, dy) / dy;
    }

    // An apex pointing up (A) or down (V) with flat ends, width w, height h.
    void addApex (juce::Path& path, float x, float w, float h, float weight, bool pointingUp)
    {
        const auto centre = x + w * 0.5f;
        const auto t = horizontalThickness (weight, w * 0.5f, h);
        const auto innerTip = h * (t * 0.5f) / (w * 0.5f - t * 0.5f);
        const auto flip = [pointingUp, h] (float y) { return pointingUp ? y : h - y; };

        addPolygon (path, { { x, flip (h) }, { centre - t * 0.5f, flip (0.0f) }, { centre + t * 0.5f, flip (0.0f) },
                            { x + w, flip (h) }, { x + w - t, flip (h) }, { centre, flip (innerTip) },
                            { x + t, flip (h) } });
    }
}

juce::Path titleLettering (float h, float s)
{
    juce::Path path;
    const auto gap = h * 0.34f;
    float x = 0.0f;

    // T
    const auto tWidth = h * 0.78f;
    path.addRectangle (x, 0.0f, tWidth, s);
    path.addRectangle (x + (tWidth - s) * 0.5f, 0.0f, s, h);
    x += tWidth + gap * 0.7f;

    // A and V share their slope, so their neighbouring legs run parallel.
    const auto apexWidth = h * 0.92f;
    addApex (path, x, apexWidth, h, s, true);
    x += apexWidth + gap * 0.55f;
    addApex (path, x, apexWidth, h, s, false);
    x += apexWidth + gap;

    // I
    path.addRectangle (x, 0.0f, s, h);
    x += s + gap;

    // K: the arm meets the stem two thirds down; the leg leaves the arm.
    const auto kWidth = h * 0.74f;
    path.addRectangle (x, 0.0f, s, h);

    const auto join = h * 0.66f;
    const auto armRun = kWidth - s;
    const auto armThickness = horizontalThickness (s, armRun, join);
    const auto armRise = armThickness * join / armRun;
    addPolygon (path, { { x + kWidth - armThickness, 0.0f }, { x + kWidth, 0.0f },
                        { x + s, join }, { x + s, join - armRise } });

    const juce::Point<float> armStart { x + s, join - armRise * 0.5f };
    const juce::Point<float> armEnd { x + kWidth - armThickness * 0.5f, 0.0f };
    const auto legTop = armStart + (armEnd - armStart) * 0.38f;
    const auto legThickness = horizontalThickness (s, x + kWidth - legTop.x, h - legTop.y);
    addPolygon (path, { { legTop.x - legThickness * 0.5f, legTop.y }, { legTop.x + legThickness * 0.5f, legTop.y },
                        { x + kWidth, h }, { x + kWidth - legThickness, h } });

    path.setUsingNonZeroWinding (true);
    return path;
}
