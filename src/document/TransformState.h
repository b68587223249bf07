#pragma once

#include <array>

// The scale and rotation the transform dialog previews on both views, and whether OK
// accepted it: saving then writes the model through the same transform.
struct TransformState {
    std::array<double, 3> scale{1.0, 1.0, 1.0};
    // Degrees about the X, Y and Z axes.
    std::array<double, 3> rotation{0.0, 0.0, 0.0};
    bool applied = false;

    bool operator==(const TransformState &other) const
    {
        return scale == other.scale && rotation == other.rotation && applied == other.applied;
    }
    bool operator!=(const TransformState &other) const { return !(*this == other); }
};
