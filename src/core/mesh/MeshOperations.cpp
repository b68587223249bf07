#include "mesh/MeshOperations.h"

#include "io/ModelReader.h"
#include "mesh/UnitBox.h"

#include <vtkSmoothPolyDataFilter.h>

namespace lumeno {

vtkSmartPointer<vtkPolyData> Smooth(vtkPolyData *input, int iterations, const AlgorithmHook &prepareFilter)
{
    auto smoother = vtkSmartPointer<vtkSmoothPolyDataFilter>::New();
    if (prepareFilter)
        prepareFilter(smoother);
    const UnitBox box(input);
    smoother->SetInputData(box.Normalised(input));
    smoother->SetNumberOfIterations(iterations);
    if (!UpdateWithoutThrowing(smoother) || !HasSoundCells(smoother->GetOutput()))
        return nullptr;
    return box.Restored(smoother->GetOutput());
}

} // namespace lumeno
