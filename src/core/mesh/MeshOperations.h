#pragma once

#include "mesh/AlgorithmRun.h"

#include <vtkPolyData.h>
#include <vtkSmartPointer.h>

class vtkDecimatePro;

namespace lumeno {

constexpr int SmoothingIterations = 50;

// Removes the given share (0..1) of the input's triangles as far as the filter can, with no
// error bound. Every run sets every parameter that decides its result, so the result never
// depends on what the same filter did before. The filter works on a shallow copy of the
// input. Null when the run was aborted (the filter then leaves a plausible but partial
// mesh), ran out of memory or gave a model that fails HasSoundCells.
vtkSmartPointer<vtkPolyData> Decimate(vtkDecimatePro *decimator, vtkPolyData *input, double reduction);

// Removes as many triangles as the filter can while the accumulated error stays below
// maxError, relative to the input's bounding box diagonal. The work is done by a filter of
// its own; `decimator` raises its progress events, and setting its AbortExecute in one of
// them aborts the run. Null as for Decimate.
vtkSmartPointer<vtkPolyData> DecimateByError(vtkDecimatePro *decimator, vtkPolyData *input, double maxError);

// Laplacian smoothing with a new filter and its library defaults apart from the number
// of iterations. prepareFilter sees the filter before it runs. Null when out of memory
// or when the result fails HasSoundCells.
vtkSmartPointer<vtkPolyData> Smooth(vtkPolyData *input, int iterations, const AlgorithmHook &prepareFilter = {});

} // namespace lumeno
