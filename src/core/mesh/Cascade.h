#pragma once

#include "mesh/DecimationLevels.h"

#include <vtkPolyData.h>
#include <vtkSmartPointer.h>

#include <functional>

class vtkDecimatePro;

namespace lumeno {

// What the caller of the cascade learns while it runs. Either may be empty.
struct CascadeObserver
{
    // Before step `step` (index into DecimationCascade) starts. False stops the cascade.
    std::function<bool(int step)> stepStarting;
    // After step `step` has produced its level. False stops the cascade.
    std::function<bool(int step, const vtkSmartPointer<vtkPolyData> &level)> stepFinished;
};

// The nine levels, each decimated with the same filter from the level before it, the
// first from the loaded model, with the reductions of DecimationCascade. Stops early when
// the observer asks for it or a run gives no result (aborted, out of memory or broken
// cells: see Decimate); the levels made so far stay valid. Returns the number of levels made.
int RunDecimationCascade(vtkDecimatePro *decimator, vtkPolyData *loadedModel, const CascadeObserver &observer = {});

} // namespace lumeno
