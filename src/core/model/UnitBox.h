#pragma once

#include <vtkPolyData.h>
#include <vtkSmartPointer.h>

namespace lumeno {

// vtkDecimatePro is not scale-invariant: it compares squared distances with bounds that grow
// linearly with the model, so the same model in millimetres and in metres reduces
// differently, and from a bounding-box diagonal of about 1e5 its error terms overflow and it
// crashes. The filters therefore work on a copy scaled into a box of unit diagonal around the
// origin, and their output is scaled back.
class UnitBox
{
public:
    explicit UnitBox(vtkPolyData *model);

    // The model's topology and arrays with its points (in double precision) moved into the box.
    vtkSmartPointer<vtkPolyData> Normalised(vtkPolyData *model) const;

    // One point moved into the box.
    void Normalise(const double point[3], double normalised[3]) const
    {
        for (int axis = 0; axis < 3; ++axis)
            normalised[axis] = (point[axis] - center[axis]) / size;
    }

    // One point moved back out of the box.
    void Restore(const double normalised[3], double point[3]) const
    {
        for (int axis = 0; axis < 3; ++axis)
            point[axis] = normalised[axis] * size + center[axis];
    }

    // VTK_FLOAT or VTK_DOUBLE: the precision of the model's points.
    int PointType() const { return pointType; }

    // Moves a filter's output back to the model's place and size, with points of the
    // original model's precision.
    vtkSmartPointer<vtkPolyData> Restored(vtkPolyData *normalised) const;

private:
    double center[3] = {0, 0, 0};
    double size = 1.0;
    int pointType = 0; // VTK_FLOAT or VTK_DOUBLE
};

} // namespace lumeno
