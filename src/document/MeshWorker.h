#pragma once

#include <QMetaType>
#include <QObject>

#include "DeviationPicture.h"

#include "reduce/Reducer.h"
#include "measure/SurfaceDeviation.h"

#include <vtkPolyData.h>
#include <vtkSmartPointer.h>

#include <atomic>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>

class vtkObject;

Q_DECLARE_METATYPE(vtkSmartPointer<vtkPolyData>)
Q_DECLARE_METATYPE(lumeno::SurfaceDeviation)

// Runs the window's mesh operations, one at a time, on the thread it is moved to. Every job
// carries the number the window gave it; progress and results come back as signals with that
// number, so the window can drop those of a job it no longer waits for. A cancelled job emits
// nothing more. Every model it hands over comes with its deviation from the job's reference
// (the loaded model), measured here, and while pictures are asked for, with its picture
// (PictureReady, before the model itself). A job that runs short of memory (or of threads) ends
// with OutOfMemory instead; nothing it threw leaves the worker's thread.
class MeshWorker : public QObject
{
    Q_OBJECT

public:
    // makeReducer makes the reducer of each job's engine.
    explicit MeshWorker(lumeno::ReducerMaker makeReducer = lumeno::MakeReducer);
    ~MeshWorker() override;

    // From any thread: the running job, and any queued one, with a number up to `job`
    // stops within a fraction of a second and its partial result is dropped.
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
    // From any thread: whether every model handed over comes with its deviation picture.
    void SetPicturing(bool on) { picturing = on; }
    // From any thread: models made from now on above `triangles` get a proxy to draw (0: none).
    void SetDrawLimit(qint64 triangles) { drawLimit = triangles; }
    // From any thread: the picture of a model handed over before, after the jobs queued
    // (cancelling them does not drop it); nothing when pictures are no longer asked for then.
    void StartPicture(vtkSmartPointer<vtkPolyData> model, vtkSmartPointer<vtkPolyData> reference,
                      lumeno::SurfaceDeviation deviation);
    // On the receiving thread, before a queued signal's slot runs. The models, deviations and
    // pictures the signals carry are sent under the lock this takes, so that ThreadSanitizer,
    // which cannot see Qt's own locks, sees them handed over.
    void AcceptHandOver() const { const std::lock_guard<std::mutex> lock(handOverMutex); }

signals:
    // The levels' reducer starts a level, or starts waiting for it (index into lumeno::DecimationLevels).
    void StepStarted(int job, int step);
    // Whole percents of the running job (for the levels, of all nine), at most about four a second.
    void Progress(int job, int percent);
    // A level, an object of the receiver's own.
    void LevelReady(int job, int step, vtkSmartPointer<vtkPolyData> level, lumeno::SurfaceDeviation deviation);
    // The job ran to its end. The result is null for the cascade (its levels came before)
    // and when the operation gave no model (broken cells).
    void Finished(int job, vtkSmartPointer<vtkPolyData> result, lumeno::SurfaceDeviation deviation);
    // The job's reducer let borders and seams leave their lines to reach its counts; comes
    // before the job's Finished.
    void GuardsRelaxed(int job);
    // The job ended short of memory; the levels it handed over before stay valid.
    void OutOfMemory(int job);
    // The picture of a model handed over (by a job or StartPicture); null when it cannot be
    // made (short of memory, or no triangles).
    void PictureReady(vtkSmartPointer<vtkPolyData> model, SharedDeviationPicture picture);

private:
    // Queues a task for the worker's thread. Tasks pass through a queue of our own, not inside
    // Qt's events: Qt's locks are futexes ThreadSanitizer cannot see, so the captures a task
    // reads on the worker's thread would look unguarded to it.
    void Hand(std::function<void()> task);
    Q_INVOKABLE void RunNextTask();
    void Post(int job, std::function<void()> work);
    bool IsCancelled(int job) const { return job <= cancelledThrough.load(); }
    void RunCascade(int job, vtkPolyData *model, lumeno::ReductionEngine engine);
    void Finish(int job, const vtkSmartPointer<vtkPolyData> &result, vtkPolyData *reference);
    void TellRelaxedGuards(int job, const lumeno::Reducer &reducer);
    void EmitPicture(const lumeno::DeviationMeter &meter, const vtkSmartPointer<vtkPolyData> &model,
                     const lumeno::SurfaceDeviation &deviation);
    const lumeno::DeviationMeter &MeterFor(vtkPolyData *reference);
    lumeno::ReductionControl Control(int job);
    void ReportProgress(int job, double fraction);
    void OnFilterProgress(vtkObject *caller, unsigned long eventId, void *callData);

    lumeno::ReducerMaker makeReducer;
    std::mutex tasksMutex;
    std::deque<std::function<void()>> tasks;
    mutable std::mutex handOverMutex;
    // Measures against the loaded model: its search structure costs a third of a second for a
    // million triangles, so it is made once for the levels and every later result. It holds the
    // model's arrays, so the pointers below stay valid while it lives.
    std::unique_ptr<lumeno::DeviationMeter> meter;
    const void *meterPoints = nullptr;
    const void *meterPolys = nullptr;
    std::atomic<int> cancelledThrough{0};
    std::atomic<bool> picturing{false};
    std::atomic<qint64> drawLimit{0};
    // The job whose filter runs (worker thread only), and the last progress reported (by one
    // thread at a time: the worker's or a reducer's).
    int runningJob = 0;
    int lastPercent = -1;
    qint64 lastProgressMs = 0;
};
