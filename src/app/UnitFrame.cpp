#include "UnitFrame.h"

#include <vtkProp3D.h>

#include <cmath>

UnitFrame UnitFrame::Of(const double bounds[6])
{
    UnitFrame frame;
    if (!(bounds[0] <= bounds[1] && bounds[2] <= bounds[3] && bounds[4] <= bounds[5]))
        return frame; // no points
    // In halves, so that coordinates near the limit of double cannot overflow.
    double squared = 0.0;
    double center[3];
    for (int axis = 0; axis < 3; ++axis) {
        center[axis] = bounds[2 * axis] / 2 + bounds[2 * axis + 1] / 2;
        const double half = bounds[2 * axis + 1] / 2 - bounds[2 * axis] / 2;
        squared += half * half;
    }
    const double scale = 1.0 / (2.0 * std::sqrt(squared));
    if (!std::isfinite(scale) || !std::isfinite(center[0] + center[1] + center[2]))
        return frame;
    for (int axis = 0; axis < 3; ++axis)
        frame.center[axis] = center[axis];
    frame.scale = scale;
    return frame;
}

void UnitFrame::Apply(vtkProp3D *prop) const
{
    prop->SetOrigin(0.0, 0.0, 0.0);
    prop->SetScale(scale);
    prop->SetPosition(-center[0] * scale, -center[1] * scale, -center[2] * scale);
}
