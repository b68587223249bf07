#pragma once

#include <array>

// The colour for points and lines over the background: the model's own colour when it stands
// out from the background, else a dark grey on light backgrounds and a light one on dark ones.
// Thin points and lines drawn in a colour close to the background's are lost in it.
std::array<double, 3> ContrastColour(const std::array<double, 3> &model, const std::array<double, 3> &backgroundTop,
                                     const std::array<double, 3> &backgroundBottom);

// The same for one of several colours that must stay told apart (a model's materials): the
// colour darkened on light backgrounds, lightened on dark ones, until it stands out, its hue kept.
std::array<double, 3> ContrastShade(const std::array<double, 3> &colour, const std::array<double, 3> &backgroundTop,
                                    const std::array<double, 3> &backgroundBottom);
