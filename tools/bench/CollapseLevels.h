#pragma once

#include <vtkPolyData.h>
#include <vtkSmartPointer.h>

#include <cstddef>
#include <vector>

// The quality engine's edge collapse as the window runs it for the levels (welding included):
// one run with every goal (triangle counts, largest first). One model per goal; null for a
// goal the run did not reach.
std::vector<vtkSmartPointer<vtkPolyData>> CollapseLevels(vtkPolyData *model, const std::vector<size_t> &goals);

// meshoptimizer's simplifier on the same welded model, to `share` of the triangles.
vtkSmartPointer<vtkPolyData> MeshoptimizerLevel(vtkPolyData *model, double share);
