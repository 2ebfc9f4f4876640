#pragma once

#include <juce_graphics/juce_graphics.h>

// The product's name as drawn lettering: geometric capitals of one stroke
// weight with flat terminals, the A drawn without its crossbar. The outline is
// letterHeight tall with its top-left ink at (0, 0).
juce::Path titleLettering (float letterHeight, float strokeWeight);
