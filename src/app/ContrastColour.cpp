#include "ContrastColour.h"

#include <algorithm>
#include <cmath>

using Rgb = std::array<double, 3>;

namespace {

double Lightness(const Rgb &colour)
{
    return 0.2126 * colour[0] + 0.7152 * colour[1] + 0.0722 * colour[2];
}

constexpr double StandingOut = 0.4; // the difference of lightness that stands out

double BackgroundLightness(const Rgb &top, const Rgb &bottom)
{
    return (Lightness(top) + Lightness(bottom)) / 2.0;
}

} // namespace

Rgb ContrastColour(const Rgb &model, const Rgb &backgroundTop, const Rgb &backgroundBottom)
{
    const double background = BackgroundLightness(backgroundTop, backgroundBottom);
    if (std::abs(Lightness(model) - background) >= StandingOut)
        return model;
    return background > 0.5 ? Rgb{0.12, 0.14, 0.18} : Rgb{0.92, 0.92, 0.92};
}

Rgb ContrastShade(const Rgb &colour, const Rgb &backgroundTop, const Rgb &backgroundBottom)
{
    const double background = BackgroundLightness(backgroundTop, backgroundBottom);
    const double lightness = Lightness(colour);
    if (std::abs(lightness - background) >= StandingOut)
        return colour;
    Rgb shade;
    if (background > 0.5) {
        // Scaled towards black: the lightness scales with it.
        const double factor = lightness > 0 ? std::max(0.0, background - StandingOut) / lightness : 0.0;
        for (size_t c = 0; c < 3; ++c)
            shade[c] = colour[c] * factor;
    } else {
        // Mixed with white: the lightness moves to 1 by the same share.
        const double share = std::min(1.0, (background + StandingOut - lightness) / (1.0 - lightness));
        for (size_t c = 0; c < 3; ++c)
            shade[c] = colour[c] + share * (1.0 - colour[c]);
    }
    return shade;
}
