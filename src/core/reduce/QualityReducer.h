#pragma once

#include "reduce/Reducer.h"

namespace lumeno {

// The quality engine (QualitySimplifier): our own edge collapse makes all nine levels in one
// run, on a thread of its own while this one takes each level; the receiver, the progress and
// `cancelled` are called on this thread. A by-error reduction measures each
// attempt with the meter and tightens its bound until the result lies within the error asked.
// The whole model kept (a share of 1) is the model itself, to the bit. No result holds a
// triangle with two corners at one place or on the places of another: they are left out and
// told (LeftOut).
class QualityReducer : public Reducer
{
public:
    // `threadCount` 1 sets each run up on this thread alone; 0 uses a second thread for large
    // models. The results are the same.
    explicit QualityReducer(int threadCount = 0);

    int MakeLevels(vtkPolyData *model, const LevelReceiver &receiver, const ReductionControl &control) override;
    vtkSmartPointer<vtkPolyData> KeepShare(vtkPolyData *model, double share, const ReductionControl &control) override;
    vtkSmartPointer<vtkPolyData> WithinError(vtkPolyData *model, double maxError, const ReductionControl &control,
                                             const DeviationMeter *meter = nullptr) override;
    LeftOutTriangles LeftOut() const override { return leftOut; }
    bool RelaxedGuards() const override { return relaxed; }

private:
    unsigned threads;
    LeftOutTriangles leftOut;
    bool relaxed = false;
};

} // namespace lumeno
