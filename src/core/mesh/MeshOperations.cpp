#include "mesh/MeshOperations.h"

#include "io/ModelReader.h"
#include "mesh/UnitBox.h"

#include <vtkCallbackCommand.h>
#include <vtkCommand.h>
#include <vtkDecimatePro.h>
#include <vtkNew.h>
#include <vtkSmoothPolyDataFilter.h>

namespace lumeno {

namespace {

// The library's own defaults for everything the program never varies: set on every run
// all the same, so that nothing left over from elsewhere can change a result.
void ApplyFixedSettings(vtkDecimatePro *decimator)
{
    decimator->PreserveTopologyOff();
    decimator->SetFeatureAngle(15.0);
    decimator->SplittingOn();
    decimator->SetSplitAngle(75.0);
    decimator->PreSplitMeshOff();
    decimator->BoundaryVertexDeletionOn();
    decimator->SetDegree(25);
    decimator->SetInflectionPointRatio(10.0);
    decimator->SetOutputPointsPrecision(vtkAlgorithm::DEFAULT_PRECISION);
    decimator->SetErrorIsAbsolute(0);
    decimator->SetAbsoluteError(VTK_DOUBLE_MAX);
}

vtkSmartPointer<vtkPolyData> Run(vtkDecimatePro *decimator, vtkPolyData *input)
{
    // The filter gets a copy of its own, so it never holds a model that is shown elsewhere.
    const UnitBox box(input);
    decimator->SetInputData(box.Normalised(input));
    // On extreme coordinates the filter can leave triangles on points it has removed.
    const bool finished = UpdateWithoutThrowing(decimator) && !decimator->GetAbortExecute() &&
                          HasSoundCells(decimator->GetOutput());
    vtkSmartPointer<vtkPolyData> output;
    if (finished)
        output = box.Restored(decimator->GetOutput());
    decimator->RemoveAllInputs();
    return output;
}

} // namespace

vtkSmartPointer<vtkPolyData> Decimate(vtkDecimatePro *decimator, vtkPolyData *input, double reduction)
{
    ApplyFixedSettings(decimator);
    decimator->SetTargetReduction(reduction);
    decimator->SetMaximumError(VTK_DOUBLE_MAX);
    decimator->AccumulateErrorOff();
    return Run(decimator, input);
}

vtkSmartPointer<vtkPolyData> DecimateByError(vtkDecimatePro *decimator, vtkPolyData *input, double maxError)
{
    // With the error accumulated, every run makes the filter allocate an error value per
    // point, which it frees only when it is destroyed: a second such run on the same filter
    // leaks the first one's (8 bytes a point, per click). The run therefore uses a filter of
    // its own and reports its progress as `decimator`'s, whose settings stay as they were.
    // An abort asked of `decimator` while it reports is passed on to the filter that runs.
    auto filter = vtkSmartPointer<vtkDecimatePro>::New();
    decimator->SetAbortExecute(0);
    vtkNew<vtkCallbackCommand> forwardProgress;
    forwardProgress->SetClientData(decimator);
    forwardProgress->SetCallback([](vtkObject *caller, unsigned long, void *target, void *) {
        auto *running = static_cast<vtkAlgorithm *>(caller);
        auto *reporter = static_cast<vtkAlgorithm *>(target);
        reporter->UpdateProgress(running->GetProgress());
        if (reporter->GetAbortExecute()) {
            running->SetAbortExecute(1);
            reporter->SetAbortExecute(0);
        }
    });
    filter->AddObserver(vtkCommand::ProgressEvent, forwardProgress);
    ApplyFixedSettings(filter);
    filter->SetTargetReduction(1.0);
    filter->SetMaximumError(maxError);
    filter->AccumulateErrorOn();
    return Run(filter, input);
}

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
