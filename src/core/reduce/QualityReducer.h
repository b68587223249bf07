#pragma once

#include "reduce/Reducer.h"

namespace lumeno {

// The quality engine (QualitySimplifier). Our own edge collapse makes all nine levels in one
// run on this thread (and a second one for large models: CollapseEdges), polling `cancelled`
// as it goes. A model with many seams (a textured asset) goes through meshoptimizer instead,
// each level simplified from the model itself, several at once; such a simplification cannot
// be interrupted, so a cancelled operation does not wait for those running: they finish unseen
// on threads of their own (DetachedJobs) and the operation returns at once. A by-error
// reduction measures each attempt with the meter and tightens its bound until the result lies
// within the error asked. The whole model kept (a share of 1) is the model itself, to the bit.
// No result holds a triangle with two corners at one place or on the places of another: they
// are left out and told (LeftOut).
class QualityReducer : public Reducer
{
public:
    // A model with many seams: up to `threadCount` levels at once (0: one per core).
    explicit QualityReducer(int threadCount = 0);

    int MakeLevels(vtkPolyData *model, const LevelReceiver &receiver, const ReductionControl &control) override;
    vtkSmartPointer<vtkPolyData> KeepShare(vtkPolyData *model, double share, const ReductionControl &control) override;
    vtkSmartPointer<vtkPolyData> WithinError(vtkPolyData *model, double maxError, const ReductionControl &control,
                                             const DeviationMeter *meter = nullptr) override;
    LeftOutTriangles LeftOut() const override { return leftOut; }

private:
    int threads;
    LeftOutTriangles leftOut;
};

} // namespace lumeno
