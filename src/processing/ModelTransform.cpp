#include "processing/ModelTransform.h"

#include <vtkPolyData.h>
#include <vtkTransform.h>
#include <vtkTransformFilter.h>

#include <cmath>

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

vtkSmartPointer<vtkPolyData> TransformModel(vtkPolyData *model, vtkTransform *transform)
{
    auto filter = vtkSmartPointer<vtkTransformFilter>::New();
    filter->SetInputData(model);
    filter->SetTransform(transform);
    filter->Update();
    vtkSmartPointer<vtkPolyData> result = vtkPolyData::SafeDownCast(filter->GetOutputDataObject(0));
    return result;
}

double ScaleFactorForSize(double size, double extent, double currentFactor)
{
    if (!(extent > 0.0) || !std::isfinite(extent))
        return currentFactor;
    const double factor = size / extent;
    return std::isfinite(factor) ? factor : currentFactor;
}

} // namespace lumeno
