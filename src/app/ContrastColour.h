#pragma once

#include <array>

// The colour for points and lines over the background: the model's own colour when it stands
// out from the background, else a dark grey on light backgrounds and a light one on dark ones.
// Thin points and lines drawn in a colour close to the background's are lost in it.
std::array<double, 3> ContrastColour(const std::array<double, 3> &model, const std::array<double, 3> &backgroundTop,
                                     const std::array<double, 3> &backgroundBottom);
