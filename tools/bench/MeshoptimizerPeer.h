#pragma once

#include <vtkPolyData.h>
#include <vtkSmartPointer.h>

#include <cstddef>

// meshoptimizer's simplifier (meshopt_simplify) as an application would call it on the model:
// the triangles welded by position, no error limit, to `triangles` triangles. Colours, normals
// and texture coordinates are not carried: a peer for the surface alone. Null when nothing is left.
vtkSmartPointer<vtkPolyData> MeshoptimizerKeep(vtkPolyData *model, size_t triangles);
