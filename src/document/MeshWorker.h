#pragma once

#include <QMetaType>
#include <QObject>

#include "mesh/ReductionEngine.h"
#include "mesh/SurfaceDeviation.h"

#include <vtkPolyData.h>
#include <vtkSmartPointer.h>

#include <atomic>
#include <functional>
#include <memory>

class vtkDecimatePro;
class vtkObject;

Q_DECLARE_METATYPE(vtkSmartPointer<vtkPolyData>)
Q_DECLARE_METATYPE(lumeno::SurfaceDeviation)

// Runs the window's mesh operations, one at a time, on the thread it is moved to, and owns
// the filters they use. Every job carries the number the window gave it; progress and
// results come back as signals with that number, so the window can drop those of a job it
// no longer waits for. A cancelled job emits nothing more. Every model it hands over comes
// with its deviation from the job's reference (the loaded model), measured here.
class MeshWorker : public QObject
{
    Q_OBJECT

public:
    MeshWorker();
    ~MeshWorker() override;

    // From any thread: the running job, and any queued one, with a number up to `job`
    // stops at the next progress step of its filter and its partial result is dropped.
    void CancelThrough(int job);

    // From any thread: the job runs on the worker's thread after those queued before it.
    // The models are the caller's shallow copies; the worker reads them only.
    void StartCascade(int job, vtkSmartPointer<vtkPolyData> model, lumeno::ReductionEngine engine);
    void StartReduction(int job, vtkSmartPointer<vtkPolyData> model, double reduction, lumeno::ReductionEngine engine);
    void StartErrorReduction(int job, vtkSmartPointer<vtkPolyData> model, double maxError,
                             lumeno::ReductionEngine engine);
    void StartSmoothing(int job, vtkSmartPointer<vtkPolyData> model, vtkSmartPointer<vtkPolyData> reference);
    // From any thread: no model is loaded any more; what was kept to measure against it goes.
    void ForgetReference();

signals:
    // A step of the cascade (index into lumeno::DecimationCascade) starts.
    void StepStarted(int job, int step);
    // Whole percents of the running filter, at most about four a second.
    void Progress(int job, int percent);
    // A level of the cascade, an object of the receiver's own.
    void LevelReady(int job, int step, vtkSmartPointer<vtkPolyData> level, lumeno::SurfaceDeviation deviation);
    // The job ran to its end. The result is null for the cascade (its levels came before)
    // and when the operation gave no model (out of memory, broken cells).
    void Finished(int job, vtkSmartPointer<vtkPolyData> result, lumeno::SurfaceDeviation deviation);

private:
    void Post(int job, std::function<void()> work);
    bool IsCancelled(int job) const { return job <= cancelledThrough.load(); }
    void RunCascade(int job, vtkPolyData *model, lumeno::ReductionEngine engine);
    void Finish(int job, const vtkSmartPointer<vtkPolyData> &result, vtkPolyData *reference);
    const lumeno::DeviationMeter &MeterFor(vtkPolyData *reference);
    void OnFilterProgress(vtkObject *caller, unsigned long eventId, void *callData);

    vtkSmartPointer<vtkDecimatePro> decimator;
    // Measures against the loaded model: its search structure costs a third of a second for a
    // million triangles, so it is made once for the levels and every later result. It holds the
    // model's arrays, so the pointers below stay valid while it lives.
    std::unique_ptr<lumeno::DeviationMeter> meter;
    const void *meterPoints = nullptr;
    const void *meterPolys = nullptr;
    std::atomic<int> cancelledThrough{0};
    // Worker thread only: the job whose filter runs, and the last progress reported.
    int runningJob = 0;
    int lastPercent = -1;
    qint64 lastProgressMs = 0;
};
