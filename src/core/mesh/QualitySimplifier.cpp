#include "mesh/QualitySimplifier.h"

#include "mesh/DecimationLevels.h"

#include <meshoptimizer.h>

#include <vtkCellArray.h>
#include <vtkCellArrayIterator.h>
#include <vtkDoubleArray.h>
#include <vtkPoints.h>

#include <algorithm>
#include <atomic>
#include <cfloat>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

namespace lumeno {

QualitySimplifier::QualitySimplifier(vtkPolyData *model) : box(model)
{
    const vtkSmartPointer<vtkPolyData> unit = box.Normalised(model);
    std::vector<float> corners;
    corners.reserve(size_t(unit->GetNumberOfPolys()) * 9);
    auto cells = vtk::TakeSmartPointer(unit->GetPolys()->NewIterator());
    for (cells->GoToFirstCell(); !cells->IsDoneWithTraversal(); cells->GoToNextCell()) {
        vtkIdType count;
        const vtkIdType *ids;
        cells->GetCurrentCell(count, ids);
        if (count != 3)
            continue; // the reader leaves triangles only
        for (int corner = 0; corner < 3; ++corner) {
            const double *p = unit->GetPoint(ids[corner]);
            corners.insert(corners.end(), {float(p[0]), float(p[1]), float(p[2])});
        }
    }
    const size_t cornerCount = corners.size() / 3;
    std::vector<unsigned int> remap(cornerCount);
    const size_t vertexCount =
        meshopt_generateVertexRemap(remap.data(), nullptr, cornerCount, corners.data(), cornerCount, 3 * sizeof(float));
    positions.resize(vertexCount * 3);
    meshopt_remapVertexBuffer(positions.data(), corners.data(), cornerCount, 3 * sizeof(float), remap.data());
    indices = std::move(remap); // corner i of the list is welded vertex remap[i]
    errorScale = vertexCount ? meshopt_simplifyScale(positions.data(), vertexCount, 3 * sizeof(float)) : 1.0f;
}

vtkSmartPointer<vtkPolyData> QualitySimplifier::KeepShare(double share, double *error) const
{
    // One collapse removes the two triangles along an edge: a model of a few triangles can
    // lose them all on the way to a target of one, so the target grows until something stays.
    vtkSmartPointer<vtkPolyData> result;
    size_t target = size_t(std::clamp(share, 0.0, 1.0) * double(Triangles()) + 0.5) * 3;
    for (int attempt = 0; !result && attempt < 8 && target <= indices.size(); ++attempt, target += 6)
        result = Simplify(target, FLT_MAX, error);
    return result;
}

vtkSmartPointer<vtkPolyData> QualitySimplifier::WithinError(double maxError, const DeviationMeter &meter,
                                                            double *error) const
{
    double bound = maxError;
    vtkSmartPointer<vtkPolyData> result;
    for (int attempt = 0; attempt < 6; ++attempt) {
        result = Simplify(0, float(bound / errorScale), nullptr);
        const SurfaceDeviation deviation = result ? meter.Measure(result) : SurfaceDeviation();
        if (error)
            *error = deviation.maximum;
        if (!deviation.IsMeasured() || deviation.maximum <= maxError)
            break;
        bound *= 0.8 * maxError / deviation.maximum;
    }
    return result;
}

vtkSmartPointer<vtkPolyData> QualitySimplifier::Simplify(size_t targetIndices, float targetError, double *error) const
{
    std::vector<unsigned int> kept(indices.size());
    float resultError = 0.0f;
    // Borders are not locked: on open models that gave a higher error at every level, and
    // far higher below 5 %, where locked borders stop the simplifier short.
    kept.resize(meshopt_simplify(kept.data(), indices.data(), indices.size(), positions.data(), positions.size() / 3,
                                 3 * sizeof(float), targetIndices, targetError, 0, &resultError));
    if (error)
        *error = double(resultError) * errorScale;
    if (kept.empty())
        return nullptr;

    // Only the vertices the kept triangles use, in the order they are first used.
    std::vector<vtkIdType> newId(positions.size() / 3, -1);
    auto points = vtkSmartPointer<vtkPoints>::New();
    points->SetDataTypeToDouble();
    auto triangles = vtkSmartPointer<vtkCellArray>::New();
    triangles->AllocateExact(vtkIdType(kept.size() / 3), vtkIdType(kept.size()));
    for (size_t corner = 0; corner < kept.size(); corner += 3) {
        vtkIdType ids[3];
        for (int k = 0; k < 3; ++k) {
            const unsigned int vertex = kept[corner + k];
            if (newId[vertex] < 0)
                newId[vertex] = points->InsertNextPoint(positions[3 * vertex], positions[3 * vertex + 1],
                                                        positions[3 * vertex + 2]);
            ids[k] = newId[vertex];
        }
        triangles->InsertNextCell(3, ids);
    }
    auto unit = vtkSmartPointer<vtkPolyData>::New();
    unit->SetPoints(points);
    unit->SetPolys(triangles);
    return box.Restored(unit);
}

int RunQualityLevels(vtkPolyData *model, const CascadeObserver &observer, int threads)
{
    std::optional<QualitySimplifier> simplifier;
    try {
        simplifier.emplace(model);
    } catch (const std::bad_alloc &) {
        return 0;
    }
    std::array<double, LevelCount> shares{};
    double share = 1.0;
    for (int step = 0; step < LevelCount; ++step)
        shares[step] = share *= 1.0 - DecimationCascade[step].reduction;

    std::mutex mutex;
    std::condition_variable levelDone;
    std::array<vtkSmartPointer<vtkPolyData>, LevelCount> levels;
    std::array<bool, LevelCount> done{};
    std::atomic<int> nextStep{0};
    std::atomic<bool> stop{false};
    const auto work = [&] {
        for (int step = nextStep++; step < LevelCount && !stop; step = nextStep++) {
            vtkSmartPointer<vtkPolyData> level; // none when out of memory: the levels end there
            try {
                level = simplifier->KeepShare(shares[step]);
            } catch (const std::bad_alloc &) {
            }
            const std::lock_guard<std::mutex> lock(mutex);
            levels[step] = level;
            done[step] = true;
            levelDone.notify_all();
        }
    };
    const int cores = threads > 0 ? threads : int(std::max(1u, std::thread::hardware_concurrency()));
    std::vector<std::thread> pool;
    for (int i = 0; i < std::min(cores, LevelCount); ++i)
        pool.emplace_back(work);

    int handedOver = 0;
    for (int step = 0; step < LevelCount && !stop; ++step) {
        if (observer.stepStarting && !observer.stepStarting(step))
            break;
        vtkSmartPointer<vtkPolyData> level;
        {
            std::unique_lock<std::mutex> lock(mutex);
            levelDone.wait(lock, [&] { return done[step]; });
            level = levels[step];
            levels[step] = nullptr;
        }
        if (!level || (observer.stepFinished && !observer.stepFinished(step, level)))
            break;
        ++handedOver;
    }
    stop = true;
    for (std::thread &thread : pool)
        thread.join();
    return handedOver;
}

} // namespace lumeno
