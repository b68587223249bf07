#include "mesh/QualityReducer.h"

#include "mesh/CollapseSimplifier.h"
#include "mesh/DetachedJobs.h"
#include "mesh/PointAttributes.h"
#include "mesh/QualitySimplifier.h"
#include "mesh/ReductionProgress.h"
#include "mesh/SurfaceDeviation.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>
#include <new>
#include <optional>
#include <thread>

namespace lumeno {

namespace {

using Corners = QualitySimplifier::Corners;

// The share of an operation's time that welding the model takes (a tenth of one simplification).
constexpr double WeldingShare = 0.02;
// A by-error reduction that still lies beyond its bound after this many attempts gives the last.
constexpr int ErrorAttempts = 6;

// The opening of every operation: nothing when out of memory or cancelled meanwhile.
std::shared_ptr<const QualitySimplifier> Weld(vtkPolyData *model, ReductionProgress &progress)
{
    progress.Tell(0.0);
    std::shared_ptr<const QualitySimplifier> simplifier;
    try {
        simplifier = std::make_shared<const QualitySimplifier>(model);
    } catch (const std::bad_alloc &) {
        return nullptr;
    }
    if (progress.Cancelled())
        return nullptr;
    progress.Tell(WeldingShare);
    return simplifier;
}

// One simplification on a thread of its own: nothing when cancelled first or out of memory.
template <typename Simplification>
std::optional<Corners> Await(Simplification simplification, const ReductionControl &control)
{
    DetachedJobs<Corners> job(1, 1, [simplification](int) { return simplification(); });
    return job.Await(0, control.cancelled);
}

// Models whose points carry nothing but positions go through our own edge collapse: all
// levels in one run, closer than meshoptimizer. Colours, normals and texture coordinates
// (and their seams) stay with meshoptimizer for now.
bool CollapsesItself(vtkPolyData *model)
{
    return !AttributesOf(model).Any();
}

size_t TargetTriangles(double share, size_t triangles)
{
    return size_t(std::clamp(share, 0.0, 1.0) * double(triangles) + 0.5);
}

} // namespace

QualityReducer::QualityReducer(int threadCount)
    : threads(threadCount > 0 ? threadCount : int(std::max(1u, std::thread::hardware_concurrency())))
{
}

int QualityReducer::MakeLevels(vtkPolyData *model, const LevelReceiver &receiver, const ReductionControl &control)
{
    if (CollapsesItself(model))
        return CollapseLevels(model, receiver, control);
    ReductionProgress progress(control);
    const std::shared_ptr<const QualitySimplifier> simplifier = Weld(model, progress);
    if (!simplifier)
        return 0;
    const auto levelsMade = [&progress](int levels) {
        progress.Tell(WeldingShare + (1.0 - WeldingShare) * levels / LevelCount);
    };

    std::array<double, LevelCount> shares{};
    for (int level = 0; level < LevelCount; ++level)
        shares[size_t(level)] = DecimationLevels[size_t(level)].Share();
    DetachedJobs<Corners> jobs(LevelCount, threads,
                            [simplifier, shares](int level) { return simplifier->KeepShare(shares[size_t(level)]); });
    int handedOver = 0;
    for (int level = 0; level < LevelCount && !progress.Cancelled(); ++level) {
        if (receiver.starting)
            receiver.starting(level);
        // Levels finished ahead of this one move the bar no further than to its end.
        const std::optional<Corners> kept =
            jobs.Await(level, control.cancelled, [&](int finished) { levelsMade(std::min(finished, level + 1)); });
        if (!kept || kept->empty())
            break; // cancelled, out of memory, or nothing left of the model
        vtkSmartPointer<vtkPolyData> made;
        try {
            made = simplifier->Model(*kept, control.cancelled);
        } catch (const std::bad_alloc &) {
        }
        if (!made)
            break; // cancelled, or out of memory
        levelsMade(level + 1);
        if (progress.Cancelled())
            break;
        if (receiver.ready)
            receiver.ready(level, made);
        ++handedOver;
    }
    return handedOver;
}

int QualityReducer::CollapseLevels(vtkPolyData *model, const LevelReceiver &receiver, const ReductionControl &control)
{
    ReductionProgress progress(control);
    progress.Tell(0.0);
    std::optional<CollapseSimplifier> simplifier;
    try {
        simplifier.emplace(model);
    } catch (const std::bad_alloc &) {
        return 0;
    }
    if (progress.Cancelled())
        return 0;
    progress.Tell(WeldingShare);
    std::vector<size_t> counts;
    for (const DecimationLevel &level : DecimationLevels)
        counts.push_back(TargetTriangles(level.Share(), simplifier->Triangles()));
    int handedOver = 0;
    if (receiver.starting)
        receiver.starting(0);
    try {
        simplifier->Run(
            counts, HUGE_VAL,
            [&](size_t level, const vtkSmartPointer<vtkPolyData> &made) {
                if (progress.Cancelled() || made->GetNumberOfPolys() == 0)
                    return;
                progress.Tell(WeldingShare + (1.0 - WeldingShare) * double(level + 1) / LevelCount);
                if (receiver.ready)
                    receiver.ready(int(level), made);
                ++handedOver;
                if (level + 1 < size_t(LevelCount) && receiver.starting && !progress.Cancelled())
                    receiver.starting(int(level) + 1);
            },
            [&progress] { return progress.Cancelled(); },
            [&progress, &handedOver](double fraction) {
                progress.Tell(WeldingShare + (1.0 - WeldingShare) * std::max(fraction, double(handedOver) / LevelCount));
            });
    } catch (const std::bad_alloc &) {
    }
    return handedOver;
}

vtkSmartPointer<vtkPolyData> QualityReducer::KeepShare(vtkPolyData *model, double share,
                                                       const ReductionControl &control)
{
    if (CollapsesItself(model)) {
        ReductionProgress progress(control);
        progress.Tell(0.0);
        try {
            const CollapseSimplifier simplifier(model);
            vtkSmartPointer<vtkPolyData> result;
            simplifier.Run({TargetTriangles(share, simplifier.Triangles())}, HUGE_VAL,
                           [&result](size_t, const vtkSmartPointer<vtkPolyData> &made) { result = made; },
                           [&progress] { return progress.Cancelled(); },
                           [&progress](double fraction) { progress.Tell(fraction); });
            if (!result || result->GetNumberOfPolys() == 0 || progress.Cancelled())
                return nullptr;
            progress.Tell(1.0);
            return result;
        } catch (const std::bad_alloc &) {
            return nullptr;
        }
    }
    ReductionProgress progress(control);
    const std::shared_ptr<const QualitySimplifier> simplifier = Weld(model, progress);
    if (!simplifier)
        return nullptr;
    const std::optional<Corners> kept = Await([simplifier, share] { return simplifier->KeepShare(share); }, control);
    if (!kept || kept->empty() || progress.Cancelled())
        return nullptr;
    try {
        vtkSmartPointer<vtkPolyData> result = simplifier->Model(*kept, control.cancelled);
        if (result)
            progress.Tell(1.0);
        return result;
    } catch (const std::bad_alloc &) {
        return nullptr;
    }
}

vtkSmartPointer<vtkPolyData> QualityReducer::WithinError(vtkPolyData *model, double maxError,
                                                         const ReductionControl &control, const DeviationMeter *meter)
{
    if (CollapsesItself(model))
        return CollapseWithinError(model, maxError, control, meter);
    ReductionProgress progress(control);
    const std::shared_ptr<const QualitySimplifier> simplifier = Weld(model, progress);
    if (!simplifier)
        return nullptr;
    try {
        std::optional<DeviationMeter> ownMeter;
        if (!meter)
            meter = &ownMeter.emplace(model);
        double bound = maxError;
        vtkSmartPointer<vtkPolyData> result;
        for (int attempt = 0; attempt < ErrorAttempts; ++attempt) {
            const std::optional<Corners> kept =
                Await([simplifier, bound] { return simplifier->WithinEstimatedError(bound); }, control);
            if (!kept || progress.Cancelled())
                return nullptr;
            result = kept->empty() ? nullptr : simplifier->Model(*kept, control.cancelled);
            if (progress.Cancelled())
                return nullptr;
            const SurfaceDeviation deviation = result ? meter->Measure(result) : SurfaceDeviation();
            progress.Tell(WeldingShare + (1.0 - WeldingShare) * (attempt + 1) / ErrorAttempts);
            if (!deviation.IsMeasured() || deviation.maximum <= maxError)
                break;
            bound *= 0.8 * maxError / deviation.maximum;
        }
        if (progress.Cancelled())
            return nullptr;
        progress.Tell(1.0);
        return result;
    } catch (const std::bad_alloc &) {
        return nullptr;
    }
}

// The collapse's bound is its own estimate (the root of a quadric's mean): each attempt is
// measured, and the bound tightened until the result lies within the error asked.
vtkSmartPointer<vtkPolyData> QualityReducer::CollapseWithinError(vtkPolyData *model, double maxError,
                                                                 const ReductionControl &control,
                                                                 const DeviationMeter *meter)
{
    ReductionProgress progress(control);
    progress.Tell(0.0);
    try {
        const CollapseSimplifier simplifier(model);
        std::optional<DeviationMeter> ownMeter;
        if (!meter)
            meter = &ownMeter.emplace(model);
        progress.Tell(WeldingShare);
        double bound = maxError;
        vtkSmartPointer<vtkPolyData> result;
        for (int attempt = 0; attempt < ErrorAttempts && !progress.Cancelled(); ++attempt) {
            result = nullptr;
            simplifier.Run({0}, bound, [&result](size_t, const vtkSmartPointer<vtkPolyData> &made) { result = made; },
                           [&progress] { return progress.Cancelled(); }, {});
            if (progress.Cancelled())
                return nullptr;
            const SurfaceDeviation deviation = result ? meter->Measure(result) : SurfaceDeviation();
            progress.Tell(WeldingShare + (1.0 - WeldingShare) * (attempt + 1) / ErrorAttempts);
            if (!deviation.IsMeasured() || deviation.maximum <= maxError)
                break;
            bound *= 0.8 * maxError / deviation.maximum;
        }
        if (!result || result->GetNumberOfPolys() == 0 || progress.Cancelled())
            return nullptr;
        progress.Tell(1.0);
        return result;
    } catch (const std::bad_alloc &) {
        return nullptr;
    }
}

} // namespace lumeno
