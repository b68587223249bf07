#pragma once

#include <vtkSmartPointer.h>

class vtkPolyData;
class vtkTransform;

namespace lumeno {

// The scale and rotation of the transform dialog: scaling first, then rotations about
// the X, Y and Z axes through the origin, in this order (p' = Rz * Ry * Rx * S * p).
vtkSmartPointer<vtkTransform> MakeModelTransform(const double scaleFactor[3], const double rotationAngle[3]);

// A transformed copy of the model; the model itself is left as it is. A transform that
// mirrors the model (negative determinant) would turn it inside out: each polygon's corners
// then go the other way round, so that they turn outwards again. Point normals are
// transformed with the points and stay outward.
vtkSmartPointer<vtkPolyData> TransformModel(vtkPolyData *model, vtkTransform *transform);

// The factor that gives an axis of the given extent the wanted size. An axis without
// extent (a flat model) cannot be sized: it keeps its current factor.
double ScaleFactorForSize(double size, double extent, double currentFactor);

// What keeps the transform of MakeModelTransform from giving a usable model, by its cause.
enum class TransformProblem {
    None,
    LosesSize,          // a factor is 0, or an axis with an extent shrinks to what single precision takes for 0
    ScalingTooLarge,    // the scaling alone takes a coordinate beyond what single precision holds
    RotationTooLarge,   // the scaling is fine; the rotation after it takes a coordinate beyond
};

// Of a model with these bounds (xmin, xmax, ymin, ...), scaled by `factor` and then turned by
// `rotationAngle` (degrees, as MakeModelTransform). The corners of the bounding box tell
// exactly how far any point can go.
TransformProblem CheckModelTransform(const double factor[3], const double rotationAngle[3], const double bounds[6]);

} // namespace lumeno
