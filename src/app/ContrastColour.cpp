#include "ContrastColour.h"

#include <cmath>

using Rgb = std::array<double, 3>;

namespace {

double Lightness(const Rgb &colour)
{
    return 0.2126 * colour[0] + 0.7152 * colour[1] + 0.0722 * colour[2];
}

} // namespace

Rgb ContrastColour(const Rgb &model, const Rgb &backgroundTop, const Rgb &backgroundBottom)
{
    const double background = (Lightness(backgroundTop) + Lightness(backgroundBottom)) / 2.0;
    if (std::abs(Lightness(model) - background) >= 0.4)
        return model;
    return background > 0.5 ? Rgb{0.12, 0.14, 0.18} : Rgb{0.92, 0.92, 0.92};
}
