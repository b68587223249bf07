#include "model/ModelTransform.h"

#include <vtkCellArray.h>
#include <vtkMatrix4x4.h>
#include <vtkPolyData.h>
#include <vtkTransform.h>
#include <vtkTransformFilter.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace lumeno {

vtkSmartPointer<vtkTransform> MakeModelTransform(const double scaleFactor[3], const double rotationAngle[3])
{
    auto transform = vtkSmartPointer<vtkTransform>::New();
    transform->PostMultiply();
    transform->Scale(scaleFactor[0], scaleFactor[1], scaleFactor[2]);
    transform->RotateWXYZ(rotationAngle[0], 1.0, 0.0, 0.0);
    transform->RotateWXYZ(rotationAngle[1], 0.0, 1.0, 0.0);
    transform->RotateWXYZ(rotationAngle[2], 0.0, 0.0, 1.0);
    transform->Update();
    return transform;
}

namespace {

// Reversing a strip's order does not turn all its triangles; the models transformed here
// hold none (CleanTriangles makes triangles of them).
void ReverseCorners(vtkPolyData *model)
{
    auto polygons = vtkSmartPointer<vtkCellArray>::New();
    polygons->DeepCopy(model->GetPolys()); // the input shares the transform's cells
    for (vtkIdType cell = 0; cell < polygons->GetNumberOfCells(); ++cell)
        polygons->ReverseCellAtId(cell);
    model->SetPolys(polygons);
}

// Whether every corner of the box, transformed, keeps coordinates single precision can hold.
bool BoxFits(const double bounds[6], vtkTransform *transform)
{
    constexpr double largest = std::numeric_limits<float>::max();
    for (int corner = 0; corner < 8; ++corner) {
        double point[3] = {bounds[corner & 1], bounds[2 + ((corner >> 1) & 1)], bounds[4 + ((corner >> 2) & 1)]};
        transform->TransformPoint(point, point);
        for (double coordinate : point)
            if (!(std::abs(coordinate) <= largest))
                return false;
    }
    return true;
}

} // namespace

vtkSmartPointer<vtkPolyData> TransformModel(vtkPolyData *model, vtkTransform *transform)
{
    auto filter = vtkSmartPointer<vtkTransformFilter>::New();
    filter->SetInputData(model);
    filter->SetTransform(transform);
    filter->Update();
    vtkSmartPointer<vtkPolyData> result = vtkPolyData::SafeDownCast(filter->GetOutputDataObject(0));
    if (result && transform->GetMatrix()->Determinant() < 0.0)
        ReverseCorners(result);
    return result;
}

double ScaleFactorForSize(double size, double extent, double currentFactor)
{
    if (!(extent > 0.0) || !std::isfinite(extent))
        return currentFactor;
    const double factor = size / extent;
    return std::isfinite(factor) ? factor : currentFactor;
}

TransformProblem CheckModelTransform(const double factor[3], const double rotationAngle[3], const double bounds[6])
{
    constexpr double smallest = std::numeric_limits<float>::min();
    for (int axis = 0; axis < 3; ++axis) {
        const double f = std::abs(factor[axis]);
        if (!(f > 0.0))
            return TransformProblem::LosesSize;
        if (!std::isfinite(f))
            return TransformProblem::ScalingTooLarge;
        const double extent = bounds[2 * axis + 1] - bounds[2 * axis];
        if (extent > 0.0 && f * extent < smallest)
            return TransformProblem::LosesSize;
    }
    const double noRotation[3] = {0.0, 0.0, 0.0};
    if (!BoxFits(bounds, MakeModelTransform(factor, noRotation)))
        return TransformProblem::ScalingTooLarge;
    if (!BoxFits(bounds, MakeModelTransform(factor, rotationAngle)))
        return TransformProblem::RotationTooLarge;
    return TransformProblem::None;
}

} // namespace lumeno
