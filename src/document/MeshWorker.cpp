#include "MeshWorker.h"

#include "PrepareForDrawing.h"

#include "mesh/MeshOperations.h"

#include <QDateTime>

#include <vtkCommand.h>
#include <vtkDecimatePro.h>

MeshWorker::MeshWorker() : decimator(vtkSmartPointer<vtkDecimatePro>::New())
{
    qRegisterMetaType<vtkSmartPointer<vtkPolyData>>();
    qRegisterMetaType<lumeno::SurfaceDeviation>();
    decimator->AddObserver(vtkCommand::ProgressEvent, this, &MeshWorker::OnFilterProgress);
}

MeshWorker::~MeshWorker()
{
    decimator->RemoveAllObservers();
}

void MeshWorker::CancelThrough(int job)
{
    int previous = cancelledThrough.load();
    while (previous < job && !cancelledThrough.compare_exchange_weak(previous, job)) {
    }
}

void MeshWorker::Post(int job, std::function<void()> work)
{
    QMetaObject::invokeMethod(
        this,
        [this, job, work = std::move(work)] {
            if (IsCancelled(job))
                return;
            runningJob = job;
            lastPercent = -1;
            work();
            runningJob = 0;
        },
        Qt::QueuedConnection);
}

void MeshWorker::StartCascade(int job, vtkSmartPointer<vtkPolyData> model, lumeno::ReductionEngine engine)
{
    Post(job, [this, job, model, engine] { RunCascade(job, model, engine); });
}

void MeshWorker::StartReduction(int job, vtkSmartPointer<vtkPolyData> model, double reduction,
                                lumeno::ReductionEngine engine)
{
    Post(job, [this, job, model, reduction, engine] {
        Finish(job, lumeno::ReduceByShare(engine, decimator, model, reduction), model);
    });
}

void MeshWorker::StartErrorReduction(int job, vtkSmartPointer<vtkPolyData> model, double maxError,
                                     lumeno::ReductionEngine engine)
{
    Post(job, [this, job, model, maxError, engine] {
        Finish(job, lumeno::ReduceWithinError(engine, decimator, model, maxError, &MeterFor(model)), model);
    });
}

void MeshWorker::StartSmoothing(int job, vtkSmartPointer<vtkPolyData> model, vtkSmartPointer<vtkPolyData> reference)
{
    Post(job, [this, job, model, reference] {
        vtkSmartPointer<vtkPolyData> result =
            lumeno::Smooth(model, lumeno::SmoothingIterations, [this](vtkAlgorithm *smoother) {
                smoother->AddObserver(vtkCommand::ProgressEvent, this, &MeshWorker::OnFilterProgress);
            });
        // A smoother stopped early leaves a half smoothed model: never hand it over.
        Finish(job, result, reference);
    });
}

void MeshWorker::ForgetReference()
{
    QMetaObject::invokeMethod(this, [this] { meter.reset(); }, Qt::QueuedConnection);
}

const lumeno::DeviationMeter &MeshWorker::MeterFor(vtkPolyData *reference)
{
    // The window passes shallow copies of the loaded model: the same arrays mean the same model.
    const void *points = reference->GetPoints() ? reference->GetPoints()->GetData() : nullptr;
    if (!meter || points != meterPoints || reference->GetPolys() != meterPolys) {
        meter.reset(); // one search structure at a time
        meter = std::make_unique<lumeno::DeviationMeter>(reference);
        meterPoints = points;
        meterPolys = reference->GetPolys();
    }
    return *meter;
}

void MeshWorker::Finish(int job, const vtkSmartPointer<vtkPolyData> &result, vtkPolyData *reference)
{
    if (IsCancelled(job))
        return;
    const lumeno::SurfaceDeviation deviation = result ? MeterFor(reference).Measure(result)
                                                      : lumeno::SurfaceDeviation();
    if (result)
        PrepareForDrawing(result);
    if (!IsCancelled(job))
        emit Finished(job, result, deviation);
}

void MeshWorker::RunCascade(int job, vtkPolyData *model, lumeno::ReductionEngine engine)
{
    const lumeno::DeviationMeter &meter = MeterFor(model);
    lumeno::CascadeObserver observer;
    observer.stepStarting = [this, job](int step) {
        if (IsCancelled(job))
            return false;
        lastPercent = -1;
        emit StepStarted(job, step);
        return true;
    };
    observer.stepFinished = [this, job, &meter](int step, const vtkSmartPointer<vtkPolyData> &level) {
        if (IsCancelled(job))
            return false; // an aborted run leaves a partial mesh: never show it
        const lumeno::SurfaceDeviation deviation = meter.Measure(level);
        if (IsCancelled(job))
            return false;
        // The receiver gets an object of its own (sharing the arrays): the next step reads this one.
        auto shown = vtkSmartPointer<vtkPolyData>::New();
        shown->ShallowCopy(level);
        PrepareForDrawing(shown);
        emit Progress(job, 100); // the quality engine's simplifier reports none on its way
        emit LevelReady(job, step, shown, deviation);
        return true;
    };
    // Stops early when cancelled, or when out of memory (the levels so far stay usable).
    lumeno::RunLevels(engine, decimator, model, observer);
    if (!IsCancelled(job))
        emit Finished(job, nullptr, {});
}

void MeshWorker::OnFilterProgress(vtkObject *caller, unsigned long, void *)
{
    auto *filter = vtkAlgorithm::SafeDownCast(caller);
    if (!filter)
        return;
    // Set here, while the filter runs: it clears the flag itself when a run starts.
    if (IsCancelled(runningJob)) {
        filter->SetAbortExecute(1);
        return;
    }
    // A new whole percent goes out at most four times a second (besides the first and the
    // last): each one repaints the window, whose two OpenGL views are composed again in
    // software, on a GUI thread that shares the cores with the filter.
    const int percent = static_cast<int>(filter->GetProgress() * 100.0);
    if (percent == lastPercent)
        return;
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    if (lastPercent >= 0 && percent < 100 && now - lastProgressMs < 250)
        return;
    lastPercent = percent;
    lastProgressMs = now;
    emit Progress(runningJob, percent);
}
