#pragma once

#include "model/AlgorithmRun.h"

#include <vtkPolyData.h>
#include <vtkSmartPointer.h>

namespace lumeno {

constexpr int SmoothingIterations = 50;

// Laplacian smoothing with a new filter and its library defaults apart from the number
// of iterations. The filter smooths the model welded by position, and every point goes where
// its place went: a texture seam (two points at one place) stays closed. Colours and texture
// coordinates stay as they are; normals, when the model has them, are computed anew from the
// smoothed triangles. prepareFilter sees the filter before it runs. Null when the run was
// stopped or the result fails HasSoundCells; std::bad_alloc when memory runs short.
vtkSmartPointer<vtkPolyData> Smooth(vtkPolyData *input, int iterations, const AlgorithmHook &prepareFilter = {});

} // namespace lumeno
