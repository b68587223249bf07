#include "mesh/ModelTransform.h"

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

bool IsUsableScale(const double factor[3], const double bounds[6])
{
    constexpr double smallest = std::numeric_limits<float>::min();
    constexpr double largest = std::numeric_limits<float>::max();
    double reachSquared = 0.0; // of the farthest scaled corner from the origin, which turning keeps
    for (int axis = 0; axis < 3; ++axis) {
        const double f = std::abs(factor[axis]);
        if (!std::isfinite(f) || f == 0.0)
            return false;
        const double extent = bounds[2 * axis + 1] - bounds[2 * axis];
        if (extent > 0.0 && f * extent < smallest)
            return false;
        const double reach = f * std::max(std::abs(bounds[2 * axis]), std::abs(bounds[2 * axis + 1]));
        reachSquared += reach * reach;
    }
    return std::sqrt(reachSquared) <= largest;
}

} // namespace lumeno
