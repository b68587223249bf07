#include "MeshWorker.h"

#include "ParkedLevels.h"
#include "PrepareForDrawing.h"

#include "model/MeshOperations.h"

#include <QDateTime>

#include <vtkAlgorithm.h>
#include <vtkCommand.h>

#include <exception>
#include <utility>

MeshWorker::MeshWorker(lumeno::ReducerMaker maker) : makeReducer(std::move(maker))
{
    qRegisterMetaType<vtkSmartPointer<vtkPolyData>>();
    qRegisterMetaType<lumeno::SurfaceDeviation>();
    qRegisterMetaType<SharedDeviationPicture>();
}

MeshWorker::~MeshWorker() = default;

void MeshWorker::CancelThrough(int job)
{
    int previous = cancelledThrough.load();
    while (previous < job && !cancelledThrough.compare_exchange_weak(previous, job)) {
    }
}

void MeshWorker::Hand(std::function<void()> task)
{
    {
        const std::lock_guard<std::mutex> lock(tasksMutex);
        tasks.push_back(std::move(task));
    }
    // One call per task, in order, so each call runs the task queued longest.
    QMetaObject::invokeMethod(this, "RunNextTask", Qt::QueuedConnection);
}

void MeshWorker::RunNextTask()
{
    std::function<void()> task;
    {
        const std::lock_guard<std::mutex> lock(tasksMutex);
        if (tasks.empty())
            return;
        task = std::move(tasks.front());
        tasks.pop_front();
    }
    task();
}

void MeshWorker::Post(int job, std::function<void()> work)
{
    Hand([this, job, work = std::move(work)] {
        if (IsCancelled(job))
            return;
        runningJob = job;
        lastPercent = -1;
        // The reducers, the meter and the drawing's preparation all take memory in
        // proportion to the model: std::bad_alloc, or std::system_error from a thread that
        // could not start, ends the job here, never the program.
        bool shortOfMemory = false;
        try {
            work();
        } catch (const std::exception &) {
            shortOfMemory = true;
        }
        runningJob = 0;
        if (shortOfMemory && !IsCancelled(job))
            emit OutOfMemory(job);
    });
}

void MeshWorker::StartCascade(int job, vtkSmartPointer<vtkPolyData> model, lumeno::ReductionEngine engine)
{
    Post(job, [this, job, model, engine] { RunCascade(job, model, engine); });
}

void MeshWorker::StartReduction(int job, vtkSmartPointer<vtkPolyData> model, double reduction,
                                lumeno::ReductionEngine engine)
{
    Post(job, [this, job, model, reduction, engine] {
        const std::unique_ptr<lumeno::Reducer> reducer = makeReducer(engine);
        const vtkSmartPointer<vtkPolyData> result = reducer->KeepShare(model, 1.0 - reduction, Control(job));
        TellRelaxedGuards(job, *reducer);
        Finish(job, result, model);
    });
}

void MeshWorker::StartErrorReduction(int job, vtkSmartPointer<vtkPolyData> model, double maxError,
                                     lumeno::ReductionEngine engine)
{
    Post(job, [this, job, model, maxError, engine] {
        const std::unique_ptr<lumeno::Reducer> reducer = makeReducer(engine);
        const vtkSmartPointer<vtkPolyData> result = reducer->WithinError(model, maxError, Control(job), &MeterFor(model));
        TellRelaxedGuards(job, *reducer);
        Finish(job, result, model);
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
    Hand([this] { meter.reset(); });
}

void MeshWorker::StartPicture(vtkSmartPointer<vtkPolyData> model, vtkSmartPointer<vtkPolyData> reference,
                              lumeno::SurfaceDeviation deviation)
{
    Hand([this, model, reference, deviation] {
        if (!picturing)
            return;
        try {
            EmitPicture(MeterFor(reference), model, deviation);
        } catch (const std::exception &) {
            const std::lock_guard<std::mutex> handing(handOverMutex);
            emit PictureReady(model, nullptr);
        }
    });
}

void MeshWorker::EmitPicture(const lumeno::DeviationMeter &pictureMeter, const vtkSmartPointer<vtkPolyData> &model,
                             const lumeno::SurfaceDeviation &deviation)
{
    if (!picturing)
        return;
    const SharedDeviationPicture picture = MakeDeviationPicture(pictureMeter, model, deviation, drawLimit);
    const std::lock_guard<std::mutex> handing(handOverMutex);
    emit PictureReady(model, picture);
}

const lumeno::DeviationMeter &MeshWorker::MeterFor(vtkPolyData *reference)
{
    // The window passes shallow copies of the loaded model: the same arrays mean the same model.
    const void *points = reference->GetPoints() ? reference->GetPoints()->GetData() : nullptr;
    if (!meter || points != meterPoints || reference->GetPolys() != meterPolys) {
        meter.reset(); // one search structure at a time; none when the next one does not fit
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
        PrepareForDrawing(result, drawLimit);
    if (result && !IsCancelled(job))
        EmitPicture(MeterFor(reference), result, deviation);
    if (!IsCancelled(job)) {
        const std::lock_guard<std::mutex> handing(handOverMutex);
        emit Finished(job, result, deviation);
    }
}

void MeshWorker::RunCascade(int job, vtkPolyData *model, lumeno::ReductionEngine engine)
{
    lumeno::LevelReceiver receiver;
    receiver.starting = [this, job](int step) {
        lastPercent = -1; // the bar moves at least once per level, however fast they come
        emit StepStarted(job, step);
    };
    const auto handOver = [this, job, model](int step, const vtkSmartPointer<vtkPolyData> &level) {
        const lumeno::DeviationMeter &levelMeter = MeterFor(model);
        const lumeno::SurfaceDeviation deviation = levelMeter.Measure(level);
        PrepareForDrawing(level, drawLimit);
        if (!IsCancelled(job))
            EmitPicture(levelMeter, level, deviation);
        if (!IsCancelled(job)) { // a level made before the cancel is dropped all the same
            const std::lock_guard<std::mutex> handing(handOverMutex);
            emit LevelReady(job, step, level, deviation);
        }
    };
    // A model drawn by proxy is one whose reducer would not fit into memory together with its
    // levels and the meter's search structure: the levels are parked, then measured once the
    // reducer has gone.
    ParkedLevels parked;
    const bool parking = drawLimit > 0;
    if (parking)
        meter.reset();
    receiver.ready = [&](int step, const vtkSmartPointer<vtkPolyData> &level) {
        if (!(parking && !IsCancelled(job) && parked.Park(step, level)))
            handOver(step, level);
    };
    const auto cancelled = [this, job] { return IsCancelled(job); };
    // Stops early when cancelled; throws when out of memory (the levels so far stay usable).
    std::unique_ptr<lumeno::Reducer> reducer = makeReducer(engine);
    try {
        reducer->MakeLevels(model, receiver, Control(job));
    } catch (const std::exception &) {
        reducer.reset();
        parked.Return(handOver, cancelled);
        throw;
    }
    TellRelaxedGuards(job, *reducer);
    reducer.reset();
    parked.Return(handOver, cancelled);
    if (!IsCancelled(job))
        emit Finished(job, nullptr, {});
}

void MeshWorker::TellRelaxedGuards(int job, const lumeno::Reducer &reducer)
{
    if (reducer.RelaxedGuards() && !IsCancelled(job))
        emit GuardsRelaxed(job);
}

lumeno::ReductionControl MeshWorker::Control(int job)
{
    lumeno::ReductionControl control;
    control.progress = [this, job](double fraction) { ReportProgress(job, fraction); };
    control.cancelled = [this, job] { return IsCancelled(job); };
    return control;
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
    ReportProgress(runningJob, filter->GetProgress());
}

void MeshWorker::ReportProgress(int job, double fraction)
{
    // A new whole percent goes out at most four times a second (besides the first and the
    // last): each one repaints the window, whose two OpenGL views are composed again in
    // software, on a GUI thread that shares the cores with the filter.
    const int percent = static_cast<int>(fraction * 100.0);
    if (percent == lastPercent)
        return;
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    if (lastPercent >= 0 && percent < 100 && now - lastProgressMs < 250)
        return;
    lastPercent = percent;
    lastProgressMs = now;
    emit Progress(job, percent);
}
