#include "model/UnitBox.h"

#include <vtkPoints.h>

#include <cmath>

namespace lumeno {

namespace {

// Points of the given type, each coordinate mapped by `map(value, axis)`.
template <typename Map>
vtkSmartPointer<vtkPoints> MappedPoints(vtkPoints *points, int type, Map map)
{
    auto mapped = vtkSmartPointer<vtkPoints>::New();
    mapped->SetDataType(type);
    const vtkIdType count = points ? points->GetNumberOfPoints() : 0;
    mapped->SetNumberOfPoints(count);
    for (vtkIdType i = 0; i < count; ++i) {
        double point[3];
        points->GetPoint(i, point);
        for (int axis = 0; axis < 3; ++axis)
            point[axis] = map(point[axis], axis);
        mapped->SetPoint(i, point);
    }
    return mapped;
}

} // namespace

UnitBox::UnitBox(vtkPolyData *model)
{
    pointType = model->GetPoints() && model->GetPoints()->GetDataType() == VTK_DOUBLE ? VTK_DOUBLE : VTK_FLOAT;
    if (model->GetNumberOfPoints() == 0)
        return;
    double bounds[6];
    model->GetBounds(bounds);
    // Computed in halves, so that coordinates near the float limit cannot overflow.
    double squared = 0;
    for (int axis = 0; axis < 3; ++axis) {
        center[axis] = bounds[2 * axis] / 2 + bounds[2 * axis + 1] / 2;
        const double half = bounds[2 * axis + 1] / 2 - bounds[2 * axis] / 2;
        squared += half * half;
    }
    const double diagonal = 2 * std::sqrt(squared);
    if (std::isfinite(diagonal) && diagonal > 0)
        size = diagonal;
}

vtkSmartPointer<vtkPolyData> UnitBox::Normalised(vtkPolyData *model) const
{
    auto normalised = vtkSmartPointer<vtkPolyData>::New();
    normalised->ShallowCopy(model);
    normalised->SetPoints(MappedPoints(model->GetPoints(), VTK_DOUBLE,
                                       [this](double value, int axis) { return (value - center[axis]) / size; }));
    return normalised;
}

vtkSmartPointer<vtkPolyData> UnitBox::Restored(vtkPolyData *normalised) const
{
    auto restored = vtkSmartPointer<vtkPolyData>::New();
    restored->ShallowCopy(normalised);
    restored->SetPoints(MappedPoints(normalised->GetPoints(), pointType,
                                     [this](double value, int axis) { return value * size + center[axis]; }));
    return restored;
}

} // namespace lumeno
