#pragma once

#include <vtkPolyData.h>
#include <vtkSmartPointer.h>

#include <cstddef>

namespace lumeno {

// A model's triangles reduced for drawing only, to at most `triangles`: clustered on a grid by
// meshoptimizer's meshopt_simplifySloppy (vertex clustering in the manner of Rossignac and
// Borrel 1993, linear in the triangles: seconds for 80 million), which keeps vertices of the
// model and places none of its own. The proxy shares the model's points and point data, so a
// point picked on it, its colour, normal and texture coordinates, and a deviation picture's
// distance per point are the model's own. Each triangle takes the cell data (material, part)
// of a triangle at its first corner.
// Null when the model has no more triangles than asked, holds anything but triangles, or would
// keep none.
vtkSmartPointer<vtkPolyData> ReducedForDrawing(vtkPolyData *model, size_t triangles);

} // namespace lumeno
