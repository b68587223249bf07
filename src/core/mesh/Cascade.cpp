#include "mesh/Cascade.h"

#include "mesh/MeshOperations.h"

namespace lumeno {

int RunDecimationCascade(vtkDecimatePro *decimator, vtkPolyData *loadedModel, const CascadeObserver &observer)
{
    vtkSmartPointer<vtkPolyData> input = loadedModel;
    for (int step = 0; step < LevelCount; ++step) {
        if (observer.stepStarting && !observer.stepStarting(step))
            return step;
        vtkSmartPointer<vtkPolyData> level = Decimate(decimator, input, DecimationCascade[step].reduction);
        if (!level)
            return step;
        if (observer.stepFinished && !observer.stepFinished(step, level))
            return step + 1;
        input = level;
    }
    return LevelCount;
}

} // namespace lumeno
