#pragma once

#include "reduce/Reducer.h"

class vtkDecimatePro;

namespace lumeno {

// The classic engine: vtkDecimatePro, each level decimated from the one before it, on the
// caller's thread. The filter's progress events become the control's progress, and the
// control's cancellation aborts the filter at its next progress event. The whole model kept is
// the model itself; triangles no reader would read back are left out of every result (LeftOut).
class ClassicReducer : public Reducer
{
public:
    ClassicReducer();
    ~ClassicReducer() override;

    int MakeLevels(vtkPolyData *model, const LevelReceiver &receiver, const ReductionControl &control) override;
    vtkSmartPointer<vtkPolyData> KeepShare(vtkPolyData *model, double share, const ReductionControl &control) override;
    // Measures nothing: the filter keeps its own accumulated error within the bound.
    vtkSmartPointer<vtkPolyData> WithinError(vtkPolyData *model, double maxError, const ReductionControl &control,
                                             const DeviationMeter *meter = nullptr) override;
    LeftOutTriangles LeftOut() const override { return leftOut; }

private:
    vtkSmartPointer<vtkDecimatePro> decimator; // for the levels and shares
    LeftOutTriangles leftOut;
};

} // namespace lumeno
