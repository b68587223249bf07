#include "reduce/QualityReducer.h"

#include "reduce/LevelHandOff.h"
#include "reduce/QualitySimplifier.h"
#include "reduce/ReductionProgress.h"
#include "measure/SurfaceDeviation.h"
#include "model/AlgorithmRun.h"
#include "model/LeftOutTriangles.h"
#include "model/ModelLook.h"
#include "model/TriangleLooks.h"

#include <vtkAppendPolyData.h>
#include <vtkCellArray.h>
#include <vtkCellArrayIterator.h>
#include <vtkCellData.h>
#include <vtkDataArray.h>
#include <vtkPoints.h>

#include <algorithm>
#include <cmath>
#include <exception>
#include <system_error>
#include <thread>
#include <optional>
#include <utility>
#include <vector>

namespace lumeno {

namespace {

// The share of an operation's time that welding the model takes.
constexpr double WeldingShare = 0.02;
// A by-error reduction that still lies beyond its bound after this many attempts gives the last.
constexpr int ErrorAttempts = 6;

// The opening of every operation: nothing when cancelled meanwhile.
std::shared_ptr<QualitySimplifier> Weld(vtkPolyData *model, unsigned threads, ReductionProgress &progress)
{
    progress.Tell(0.0);
    std::shared_ptr<QualitySimplifier> simplifier = std::make_shared<QualitySimplifier>(model, threads);
    if (progress.Cancelled())
        return nullptr;
    progress.Tell(WeldingShare);
    return simplifier;
}

// After welding, the rest of the operation's progress.
void TellDone(ReductionProgress &progress, double fraction)
{
    progress.Tell(WeldingShare + (1.0 - WeldingShare) * fraction);
}

// One run of the edge collapse to a triangle count or an error bound: its model, or nothing
// when cancelled. A simplifier given as an rvalue lets its welded model go on the way.
template <typename Simplifier>
vtkSmartPointer<vtkPolyData> CollapseOnce(Simplifier &&simplifier, size_t triangles, double maxError,
                                          ReductionProgress &progress, bool tellProgress)
{
    vtkSmartPointer<vtkPolyData> result;
    std::forward<Simplifier>(simplifier).Collapse(
        {triangles}, maxError, [&result](size_t, const vtkSmartPointer<vtkPolyData> &made) { result = made; },
        [&progress] { return progress.Cancelled(); },
        [&progress, tellProgress](double fraction) {
            if (tellProgress)
                TellDone(progress, fraction);
        });
    return progress.Cancelled() ? nullptr : result;
}

size_t TargetTriangles(double share, vtkIdType triangles)
{
    return size_t(std::clamp(share, 0.0, 1.0) * double(triangles) + 0.5);
}

// All levels in one run of the edge collapse: each is what a run to it alone would give. With
// `overlap`, the collapse runs on a thread of its own, so that the receiver works on each level
// (writes and measures it) while the next is made; the receiver, the progress and the cancel
// are still called on this thread only.
int CollapseLevels(QualitySimplifier &&simplifier, bool overlap, const LevelReceiver &receiver,
                   ReductionProgress &progress)
{
    std::vector<size_t> counts;
    for (const DecimationLevel &level : DecimationLevels)
        counts.push_back(TargetTriangles(level.Share(), simplifier.Triangles()));
    int handedOver = 0;
    if (receiver.starting)
        receiver.starting(0);
    // Hands a level to the receiver; false when no further one is wanted.
    const auto deliver = [&](size_t level, const vtkSmartPointer<vtkPolyData> &made) {
        if (progress.Cancelled() || handedOver < int(level) || made->GetNumberOfPolys() == 0)
            return false;
        TellDone(progress, double(level + 1) / LevelCount);
        if (progress.Cancelled())
            return false;
        if (receiver.ready)
            receiver.ready(int(level), made);
        ++handedOver;
        if (level + 1 < size_t(LevelCount) && receiver.starting && !progress.Cancelled())
            receiver.starting(int(level) + 1);
        return !progress.Cancelled();
    };
    const auto tellFraction = [&](double fraction) {
        TellDone(progress, std::max(fraction, double(handedOver) / LevelCount));
    };

    std::optional<std::thread> maker;
    LevelHandOff handOff;
    const auto collapse = [&] {
        std::move(simplifier).CollapseUnassembled(
            counts, HUGE_VAL, [&handOff](QualitySimplifier::MadeLevel &&level) { handOff.Give(std::move(level)); },
            [&handOff] { return handOff.Stopping(); }, [&handOff](double f) { handOff.NoteProgress(f); });
    };
    std::exception_ptr failure;
    if (overlap) {
        try {
            maker.emplace([&] {
                try {
                    collapse();
                } catch (...) {
                    failure = std::current_exception();
                }
                handOff.Finish();
            });
        } catch (const std::system_error &) {
        }
    }
    if (!maker) {
        std::move(simplifier).Collapse(
            counts, HUGE_VAL, [&](size_t level, const vtkSmartPointer<vtkPolyData> &made) { deliver(level, made); },
            [&progress] { return progress.Cancelled(); }, tellFraction);
        return handedOver;
    }
    // How often the cancel is asked and the progress told while the next level is made.
    constexpr std::chrono::milliseconds Patience{20};
    try {
        while (!handOff.Finished()) {
            if (std::optional<LevelHandOff::Level> level = handOff.Take(Patience)) {
                const size_t goal = level->goal;
                if (!deliver(goal, simplifier.Assemble(std::move(*level))))
                    handOff.Stop();
            }
            tellFraction(handOff.Progress());
            if (progress.Cancelled())
                handOff.Stop();
        }
    } catch (...) {
        // Short of memory here: the collapse is asked to stop and waited for.
        handOff.Stop();
        maker->join();
        throw;
    }
    maker->join();
    if (failure)
        std::rethrow_exception(failure);
    return handedOver;
}

// The parts of a model of several that share no position, each as a model of its own: a
// part's levels can then be made by a run of its own, by the same share of its triangles as
// every other part's. Nothing for a model of one part, or of parts that touch, which one run
// keeps closed where they meet (their contact is a seam).
std::vector<vtkSmartPointer<vtkPolyData>> SeparateParts(vtkPolyData *model)
{
    if (!model->GetCellData()->GetArray(PartIdsName) || model->GetNumberOfCells() != model->GetNumberOfPolys())
        return {};
    const TriangleLooks looks = TriangleLooks::Of(model);
    const std::vector<std::vector<uint32_t>> keysOfPart = looks.KeysByPart();
    if (keysOfPart.size() < 2)
        return {};
    std::vector<uint32_t> partOfKey(looks.kinds.size());
    for (size_t part = 0; part < keysOfPart.size(); ++part)
        for (const uint32_t key : keysOfPart[part])
            partOfKey[key] = uint32_t(part);
    vtkDataArray *coordinates = model->GetPoints()->GetData();
    const std::vector<unsigned int> place = PlacesOf(
        coordinates->GetVoidPointer(0), size_t(model->GetNumberOfPoints()), size_t(coordinates->GetDataTypeSize()));
    constexpr uint32_t None = ~0u;
    std::vector<uint32_t> partAt(place.size(), None);
    std::vector<std::vector<vtkIdType>> polygons(keysOfPart.size());
    auto cells = vtk::TakeSmartPointer(model->GetPolys()->NewIterator());
    for (cells->GoToFirstCell(); !cells->IsDoneWithTraversal(); cells->GoToNextCell()) {
        vtkIdType count;
        const vtkIdType *ids;
        cells->GetCurrentCell(count, ids);
        const uint32_t part = partOfKey[looks.keys[size_t(cells->GetCurrentCellId())]];
        for (vtkIdType k = 0; k < count; ++k) {
            uint32_t &at = partAt[place[size_t(ids[k])]];
            if (at != None && at != part)
                return {};
            at = part;
        }
        polygons[part].push_back(cells->GetCurrentCellId());
    }
    std::vector<vtkSmartPointer<vtkPolyData>> parts;
    for (const std::vector<vtkIdType> &partPolygons : polygons)
        parts.push_back(ModelOfPolygons(model, partPolygons));
    return parts;
}

// The levels of a model of separate parts: each part's levels by a run of its own (all of
// them kept until the last part's are made), then each level as all parts' put together.
int CollapsePartLevels(const std::vector<vtkSmartPointer<vtkPolyData>> &parts, unsigned threads,
                       const LevelReceiver &receiver, ReductionProgress &progress, LeftOutTriangles &leftOut,
                       bool &relaxed)
{
    double total = 0.0;
    for (const auto &part : parts)
        total += double(part->GetNumberOfPolys());
    std::vector<std::vector<vtkSmartPointer<vtkPolyData>>> levels(LevelCount);
    double done = 0.0;
    if (receiver.starting)
        receiver.starting(0);
    for (const auto &part : parts) {
        const double share = double(part->GetNumberOfPolys()) / total;
        QualitySimplifier simplifier(part, threads);
        std::vector<size_t> counts;
        for (const DecimationLevel &level : DecimationLevels)
            counts.push_back(TargetTriangles(level.Share(), simplifier.Triangles()));
        std::move(simplifier).Collapse(
            counts, HUGE_VAL,
            [&levels](size_t goal, const vtkSmartPointer<vtkPolyData> &made) {
                if (made->GetNumberOfPolys() > 0)
                    levels[goal].push_back(made);
            },
            [&progress] { return progress.Cancelled(); },
            [&](double fraction) { TellDone(progress, 0.9 * (done + share * fraction)); });
        leftOut += simplifier.LeftOut();
        relaxed = relaxed || simplifier.RelaxStage() > 0;
        if (progress.Cancelled())
            return 0;
        done += share;
    }
    int handedOver = 0;
    for (int level = 0; level < LevelCount; ++level) {
        if (level > 0 && receiver.starting)
            receiver.starting(level);
        auto together = vtkSmartPointer<vtkAppendPolyData>::New();
        for (const auto &made : levels[size_t(level)])
            together->AddInputData(made);
        if (levels[size_t(level)].empty() || TryUpdate(together) != UpdateOutcome::Done || progress.Cancelled())
            return handedOver;
        std::vector<vtkSmartPointer<vtkPolyData>>().swap(levels[size_t(level)]);
        TellDone(progress, 0.9 + 0.1 * double(level + 1) / LevelCount);
        if (receiver.ready)
            receiver.ready(level, together->GetOutput());
        ++handedOver;
        if (progress.Cancelled())
            return handedOver;
    }
    return handedOver;
}

// A share of a model of separate parts: the same share of each part, by a run of its own.
vtkSmartPointer<vtkPolyData> KeepPartShares(const std::vector<vtkSmartPointer<vtkPolyData>> &parts, double share,
                                            unsigned threads, ReductionProgress &progress, LeftOutTriangles &leftOut,
                                            bool &relaxed)
{
    double total = 0.0;
    for (const auto &part : parts)
        total += double(part->GetNumberOfPolys());
    auto together = vtkSmartPointer<vtkAppendPolyData>::New();
    double done = 0.0;
    for (const auto &part : parts) {
        const double partShare = double(part->GetNumberOfPolys()) / total;
        QualitySimplifier simplifier(part, threads);
        const size_t triangles = TargetTriangles(share, simplifier.Triangles());
        vtkSmartPointer<vtkPolyData> made;
        std::move(simplifier).Collapse(
            {triangles}, HUGE_VAL, [&made](size_t, const vtkSmartPointer<vtkPolyData> &result) { made = result; },
            [&progress] { return progress.Cancelled(); },
            [&](double fraction) { TellDone(progress, done + partShare * fraction); });
        leftOut += simplifier.LeftOut();
        relaxed = relaxed || simplifier.RelaxStage() > 0;
        if (progress.Cancelled())
            return nullptr;
        if (made && made->GetNumberOfPolys() > 0)
            together->AddInputData(made);
        done += partShare;
    }
    if (together->GetNumberOfInputConnections(0) == 0 || TryUpdate(together) != UpdateOutcome::Done)
        return nullptr;
    return together->GetOutput();
}

} // namespace

QualityReducer::QualityReducer(int threadCount)
    : threads(unsigned(std::max(threadCount, 0)))
{
}

int QualityReducer::MakeLevels(vtkPolyData *model, const LevelReceiver &receiver, const ReductionControl &control)
{
    ReductionProgress progress(control);
    leftOut = {};
    relaxed = false;
    if (const std::vector<vtkSmartPointer<vtkPolyData>> parts = SeparateParts(model); !parts.empty()) {
        progress.Tell(0.0);
        return CollapsePartLevels(parts, threads, receiver, progress, leftOut, relaxed);
    }
    const std::shared_ptr<QualitySimplifier> simplifier = Weld(model, threads, progress);
    if (!simplifier)
        return 0;
    // Told before the levels: a receiver may ask.
    leftOut = simplifier->LeftOut();
    if (control.modelRead)
        control.modelRead();
    const int made = CollapseLevels(std::move(*simplifier), threads != 1, receiver, progress);
    leftOut = simplifier->LeftOut();
    relaxed = simplifier->RelaxStage() > 0;
    return made;
}

vtkSmartPointer<vtkPolyData> QualityReducer::KeepShare(vtkPolyData *model, double share,
                                                       const ReductionControl &control)
{
    ReductionProgress progress(control);
    leftOut = {};
    relaxed = false;
    if (share >= 1.0) {
        progress.Tell(0.0);
        const vtkSmartPointer<vtkPolyData> whole = WithoutCollapsedAndRepeated(model, leftOut);
        if (progress.Cancelled() || whole->GetNumberOfPolys() == 0)
            return nullptr;
        progress.Tell(1.0);
        return whole;
    }
    if (const std::vector<vtkSmartPointer<vtkPolyData>> parts = SeparateParts(model); !parts.empty()) {
        progress.Tell(0.0);
        const vtkSmartPointer<vtkPolyData> result = KeepPartShares(parts, share, threads, progress, leftOut, relaxed);
        if (!result || progress.Cancelled())
            return nullptr;
        progress.Tell(1.0);
        return result;
    }
    const std::shared_ptr<QualitySimplifier> simplifier = Weld(model, threads, progress);
    if (!simplifier)
        return nullptr;
    const size_t triangles = TargetTriangles(share, simplifier->Triangles());
    const vtkSmartPointer<vtkPolyData> result =
        CollapseOnce(std::move(*simplifier), triangles, HUGE_VAL, progress, true);
    leftOut = simplifier->LeftOut();
    relaxed = simplifier->RelaxStage() > 0;
    if (!result || result->GetNumberOfPolys() == 0 || progress.Cancelled())
        return nullptr;
    progress.Tell(1.0);
    return result;
}

// The collapse bounds its own estimate of the error, which can be exceeded near ridges:
// each attempt is measured, and the bound tightened until the result lies within the error asked.
vtkSmartPointer<vtkPolyData> QualityReducer::WithinError(vtkPolyData *model, double maxError,
                                                         const ReductionControl &control, const DeviationMeter *meter)
{
    ReductionProgress progress(control);
    leftOut = {};
    relaxed = false;
    const std::shared_ptr<const QualitySimplifier> simplifier = Weld(model, threads, progress);
    if (!simplifier)
        return nullptr;
    const auto attempt = [&](double bound) { return CollapseOnce(*simplifier, 0, bound, progress, false); };
    std::optional<DeviationMeter> ownMeter;
    if (!meter)
        meter = &ownMeter.emplace(model);
    double bound = maxError;
    vtkSmartPointer<vtkPolyData> result;
    for (int tried = 0; tried < ErrorAttempts; ++tried) {
        result = attempt(bound);
        if (progress.Cancelled())
            return nullptr;
        const SurfaceDeviation deviation = result ? meter->Measure(result) : SurfaceDeviation();
        TellDone(progress, double(tried + 1) / ErrorAttempts);
        if (!deviation.IsMeasured() || deviation.maximum <= maxError)
            break;
        bound *= 0.8 * maxError / deviation.maximum;
    }
    // What welding left out, and what restoring its attempts' places did.
    leftOut = simplifier->LeftOut();
    if (!result || result->GetNumberOfPolys() == 0 || progress.Cancelled())
        return nullptr;
    progress.Tell(1.0);
    return result;
}

} // namespace lumeno
