#include "reduce/ClassicReducer.h"

#include "model/ModelChecks.h"
#include "model/AlgorithmRun.h"
#include "reduce/PieceBorders.h"
#include "reduce/ReductionProgress.h"
#include "model/TriangleLooks.h"
#include "model/UnitBox.h"

#include <vtkAppendPolyData.h>
#include <vtkCallbackCommand.h>
#include <vtkCellData.h>
#include <vtkCommand.h>
#include <vtkDecimatePro.h>

#include <functional>
#include <new>

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

// One filter run as the part [start, start + span] of an operation's progress. The filter
// clears its abort flag when a run starts, so a cancellation is passed on at its progress events.
class FilterRun
{
public:
    FilterRun(vtkDecimatePro *runningFilter, ReductionProgress &operationProgress, double partStart, double partSpan)
        : filter(runningFilter), progress(operationProgress), start(partStart), span(partSpan)
    {
        auto command = vtkSmartPointer<vtkCallbackCommand>::New();
        command->SetClientData(this);
        command->SetCallback([](vtkObject *, unsigned long, void *run, void *) {
            static_cast<FilterRun *>(run)->OnProgress();
        });
        observer = filter->AddObserver(vtkCommand::ProgressEvent, command);
    }
    ~FilterRun() { filter->RemoveObserver(observer); }
    FilterRun(const FilterRun &) = delete;
    FilterRun &operator=(const FilterRun &) = delete;

    // Null when the run was aborted (the filter then leaves a plausible but partial mesh) or
    // gave a model that fails HasSoundCells; std::bad_alloc when it ran out of memory.
    vtkSmartPointer<vtkPolyData> Reduce(vtkPolyData *input)
    {
        if (progress.Cancelled())
            return nullptr;
        try {
            // The filter gets a copy of its own, so it never holds a model that is shown elsewhere.
            const UnitBox box(input);
            filter->SetInputData(box.Normalised(input));
            const UpdateOutcome run = TryUpdate(filter);
            if (run == UpdateOutcome::OutOfMemory)
                throw std::bad_alloc();
            // On extreme coordinates the filter can leave triangles on points it has removed.
            const bool finished = run == UpdateOutcome::Done && !filter->GetAbortExecute() && !progress.Cancelled() &&
                                  HasSoundCells(filter->GetOutput());
            vtkSmartPointer<vtkPolyData> output = finished ? box.Restored(filter->GetOutput()) : nullptr;
            filter->RemoveAllInputs();
            if (output)
                progress.Tell(start + span);
            return output;
        } catch (const std::bad_alloc &) {
            filter->RemoveAllInputs(); // the reducer's filter holds no model between runs
            throw;
        }
    }

private:
    void OnProgress()
    {
        if (progress.Cancelled())
            filter->SetAbortExecute(1);
        else
            progress.Tell(start + span * filter->GetProgress());
    }

    vtkDecimatePro *filter;
    ReductionProgress &progress;
    double start;
    double span;
    unsigned long observer = 0;
};

// Removes the given share (0..1) of the input's triangles as far as the filter can, with no
// error bound. Every run sets every parameter that decides its result. `keepBorder` keeps
// every point of the border where it is, and so the border itself.
vtkSmartPointer<vtkPolyData> DecimateWhole(vtkDecimatePro *decimator, vtkPolyData *input, double reduction,
                                           ReductionProgress &progress, double start, double span,
                                           bool keepBorder = false)
{
    ApplyFixedSettings(decimator);
    if (keepBorder)
        decimator->BoundaryVertexDeletionOff();
    decimator->SetTargetReduction(reduction);
    decimator->SetMaximumError(VTK_DOUBLE_MAX);
    decimator->AccumulateErrorOff();
    return FilterRun(decimator, progress, start, span).Reduce(input);
}

// The filter would mix materials and parts: for a model of several, each piece of one
// material and part is reduced on its own (by `reduce`, as the part [start, start + span] of
// the operation, told to keep its border), so that no triangle changes its material, and the
// pieces meet again where their borders were (CloseBorders; their points there become one per
// piece, as the sides of a seam). A piece the filter cannot reduce, or would take away, stays
// as it is: no part vanishes.
using PieceReduction =
    std::function<vtkSmartPointer<vtkPolyData>(vtkPolyData *piece, double start, double span, bool keepBorder)>;
vtkSmartPointer<vtkPolyData> ReduceByPieces(vtkPolyData *input, ReductionProgress &progress, double start,
                                            double span, const PieceReduction &reduce)
{
    const TriangleLooks looks = TriangleLooks::Of(input);
    if (!looks.Any() || input->GetNumberOfPolys() == 0)
        return reduce(input, start, span, false);
    const std::vector<std::vector<vtkIdType>> pieces = looks.PolygonsByKey();
    std::vector<vtkSmartPointer<vtkPolyData>> made;
    double done = 0.0;
    for (const std::vector<vtkIdType> &polygons : pieces) {
        const double share = double(polygons.size()) / double(input->GetNumberOfPolys());
        const vtkSmartPointer<vtkPolyData> piece = ModelOfPolygons(input, polygons);
        const vtkSmartPointer<vtkPolyData> reduced = reduce(piece, start + span * done, span * share, true);
        if (progress.Cancelled())
            return nullptr;
        done += share;
        made.push_back(reduced && reduced->GetNumberOfPolys() > 0 ? reduced : piece);
    }
    CloseBorders(made);
    auto together = vtkSmartPointer<vtkAppendPolyData>::New();
    std::vector<uint32_t> keys;
    for (size_t key = 0; key < made.size(); ++key) {
        made[key]->GetCellData()->Initialize(); // the filter's or the piece's; written anew below
        keys.insert(keys.end(), size_t(made[key]->GetNumberOfPolys()), uint32_t(key));
        together->AddInputData(made[key]);
    }
    if (TryUpdate(together) != UpdateOutcome::Done)
        throw std::bad_alloc();
    vtkSmartPointer<vtkPolyData> result = together->GetOutput();
    looks.WriteTo(result, keys.data());
    progress.Tell(start + span);
    return result;
}

// Removes the given share (0..1) of the input's triangles as far as the filter can, with no
// error bound, piece by piece (ReduceByPieces).
vtkSmartPointer<vtkPolyData> Decimate(vtkDecimatePro *decimator, vtkPolyData *input, double reduction,
                                      ReductionProgress &progress, double start = 0.0, double span = 1.0)
{
    return ReduceByPieces(input, progress, start, span,
                          [&](vtkPolyData *piece, double from, double part, bool keepBorder) {
                              return DecimateWhole(decimator, piece, reduction, progress, from, part, keepBorder);
                          });
}

// The filter keeps a triangle with two corners at one place (the model's, or one it made), and
// can lay one on another's places: those go, and are counted, for no reader would read them back.
vtkSmartPointer<vtkPolyData> Readable(const vtkSmartPointer<vtkPolyData> &made, LeftOutTriangles &leftOut)
{
    if (!made)
        return made;
    LeftOutTriangles left;
    const vtkSmartPointer<vtkPolyData> readable = WithoutCollapsedAndRepeated(made, left);
    leftOut += left;
    return left.Total() > 0 ? readable : made;
}

} // namespace

ClassicReducer::ClassicReducer() : decimator(vtkSmartPointer<vtkDecimatePro>::New()) {}

ClassicReducer::~ClassicReducer() = default;

int ClassicReducer::MakeLevels(vtkPolyData *model, const LevelReceiver &receiver, const ReductionControl &control)
{
    // A step's work grows with its input: the model, then each level in turn.
    double work = 1.0;
    for (int level = 0; level + 1 < LevelCount; ++level)
        work += DecimationLevels[size_t(level)].Share();

    ReductionProgress progress(control);
    progress.Tell(0.0);
    leftOut = {};
    vtkSmartPointer<vtkPolyData> input = model;
    double inputShare = 1.0;
    double done = 0.0;
    for (int level = 0; level < LevelCount; ++level) {
        if (progress.Cancelled())
            return level;
        if (receiver.starting)
            receiver.starting(level);
        // The step's own reduction, relative to the level before it.
        const double share = DecimationLevels[size_t(level)].Share();
        const vtkSmartPointer<vtkPolyData> made = Readable(
            Decimate(decimator, input, 1.0 - share / inputShare, progress, done / work, inputShare / work), leftOut);
        if (!made || progress.Cancelled())
            return level;
        done += inputShare;
        // The receiver gets an object of its own (sharing the arrays): the next step reads this one.
        auto handed = vtkSmartPointer<vtkPolyData>::New();
        handed->ShallowCopy(made);
        if (receiver.ready)
            receiver.ready(level, handed);
        input = made;
        inputShare = share;
    }
    return LevelCount;
}

vtkSmartPointer<vtkPolyData> ClassicReducer::KeepShare(vtkPolyData *model, double share,
                                                       const ReductionControl &control)
{
    ReductionProgress progress(control);
    progress.Tell(0.0);
    leftOut = {};
    // The whole model kept is the model itself: through the unit box and back, a coordinate
    // can change in its last bit.
    if (share >= 1.0) {
        const vtkSmartPointer<vtkPolyData> whole = WithoutCollapsedAndRepeated(model, leftOut);
        if (progress.Cancelled() || whole->GetNumberOfPolys() == 0)
            return nullptr;
        progress.Tell(1.0);
        return whole;
    }
    return Readable(Decimate(decimator, model, 1.0 - share, progress), leftOut);
}

vtkSmartPointer<vtkPolyData> ClassicReducer::WithinError(vtkPolyData *model, double maxError,
                                                         const ReductionControl &control, const DeviationMeter *)
{
    ReductionProgress progress(control);
    progress.Tell(0.0);
    leftOut = {};
    // With the error accumulated, every run makes the filter allocate an error value per
    // point, which it frees only when it is destroyed: a second such run on the same filter
    // would leak the first one's (8 bytes a point, per run). The run therefore uses a filter of its own.
    return Readable(ReduceByPieces(model, progress, 0.0, 1.0,
                                   [&](vtkPolyData *piece, double start, double span, bool keepBorder) {
                                       auto filter = vtkSmartPointer<vtkDecimatePro>::New();
                                       ApplyFixedSettings(filter);
                                       if (keepBorder)
                                           filter->BoundaryVertexDeletionOff();
                                       filter->SetTargetReduction(1.0);
                                       filter->SetMaximumError(maxError);
                                       filter->AccumulateErrorOn();
                                       return FilterRun(filter, progress, start, span).Reduce(piece);
                                   }),
                    leftOut);
}

} // namespace lumeno
