#pragma once

class vtkProp3D;

// Where the views draw a model: moved and scaled so that its bounding box has a diagonal of 1
// around the origin. Rendering works in single precision, and its cameras, clipping ranges and
// lighting fail for models far smaller or larger than that (1e-30 or 1e30 across showed
// nothing); the models themselves, and every number told about them, stay as read.
struct UnitFrame
{
    double center[3] = {0.0, 0.0, 0.0};
    double scale = 1.0; // 1 / diagonal, or 1 when the box has no usable size

    static UnitFrame Of(const double bounds[6]);
    // Draws the prop's model in this frame; its user transform applies after it.
    void Apply(vtkProp3D *prop) const;
};
