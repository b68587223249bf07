#include "mesh/SurfaceDeviation.h"

#include "mesh/CellCrowding.h"
#include "mesh/UnitBox.h"

#include <vtkCellArray.h>
#include <vtkGenericCell.h>
#include <vtkNew.h>
#include <vtkPoints.h>
#include <vtkStaticCellLocator.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <random>

namespace lumeno {

namespace {

struct Triangle
{
    double a[3], b[3], c[3];
};

bool GetTriangle(vtkPolyData *model, vtkIdType cell, Triangle &triangle)
{
    vtkIdType size = 0;
    const vtkIdType *ids = nullptr;
    model->GetPolys()->GetCellAtId(cell, size, ids);
    if (size < 3)
        return false;
    model->GetPoint(ids[0], triangle.a);
    model->GetPoint(ids[1], triangle.b);
    model->GetPoint(ids[2], triangle.c);
    return true;
}

double Area(const Triangle &t)
{
    const double u[3] = {t.b[0] - t.a[0], t.b[1] - t.a[1], t.b[2] - t.a[2]};
    const double v[3] = {t.c[0] - t.a[0], t.c[1] - t.a[1], t.c[2] - t.a[2]};
    const double n[3] = {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]};
    return 0.5 * std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
}

// Half the points are triangle corners, spread evenly over the triangles (the corners that
// a reduction removes lie farthest from the reduced surface); the other half lie inside
// the triangles, chosen by area with a fixed seed, so a measurement always gives the same.
std::vector<double> SamplePoints(vtkPolyData *model, int count)
{
    std::vector<double> samples;
    const vtkIdType triangles = model->GetNumberOfPolys();
    if (triangles == 0)
        return samples;
    samples.reserve(size_t(count) * 3);
    Triangle t;
    const vtkIdType corners = std::min<vtkIdType>(count / 2, triangles * 3);
    for (vtkIdType i = 0; i < corners; ++i) {
        const vtkIdType corner = i * triangles * 3 / corners;
        if (GetTriangle(model, corner / 3, t)) {
            const double *p = corner % 3 == 0 ? t.a : corner % 3 == 1 ? t.b : t.c;
            samples.insert(samples.end(), p, p + 3);
        }
    }

    std::vector<double> cumulativeArea(size_t(triangles), 0.0);
    double total = 0.0;
    for (vtkIdType cell = 0; cell < triangles; ++cell) {
        if (GetTriangle(model, cell, t))
            total += Area(t);
        cumulativeArea[size_t(cell)] = total;
    }
    if (total <= 0.0)
        return samples;
    std::mt19937_64 random(20140802);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    for (vtkIdType i = corners; i < count; ++i) {
        const auto chosen = std::upper_bound(cumulativeArea.begin(), cumulativeArea.end(), unit(random) * total);
        const vtkIdType cell = std::min<vtkIdType>(chosen - cumulativeArea.begin(), triangles - 1);
        const double r1 = std::sqrt(unit(random));
        const double r2 = unit(random);
        if (!GetTriangle(model, cell, t))
            continue;
        for (int k = 0; k < 3; ++k)
            samples.push_back((1 - r1) * t.a[k] + r1 * (1 - r2) * t.b[k] + r1 * r2 * t.c[k]);
    }
    return samples;
}

vtkSmartPointer<vtkStaticCellLocator> MakeLocator(vtkPolyData *model)
{
    auto locator = vtkSmartPointer<vtkStaticCellLocator>::New();
    locator->SetDataSet(model);
    locator->BuildLocator();
    return locator;
}

// Where a search would examine more than this many cells per point on average (many triangles
// overlapping one place: every bin around them holds all of them), only a share of the points is
// looked up, so measuring stays well below a second. Ordinary meshes come to about 50 to 100
// (CellCrowding.h); 5 000 triangles around one edge to 3 500.
constexpr double AffordableCellsPerPoint = 500.0;

struct DistinctPoint
{
    std::array<double, 3> at;
    size_t times; // how often it was sampled (a corner shared by many triangles)
};

// The samples, each point once. On a crowded surface only a share of them, the repeated ones
// first, the rest picked with a fixed seed (an even stride would fall in step with the corners'
// order), so that looking them up stays affordable.
std::vector<DistinctPoint> PointsToLookUp(const std::vector<double> &samples, vtkPolyData *surface)
{
    std::vector<std::array<double, 3>> sorted(samples.size() / 3);
    for (size_t i = 0; i < sorted.size(); ++i)
        sorted[i] = {samples[3 * i], samples[3 * i + 1], samples[3 * i + 2]};
    std::sort(sorted.begin(), sorted.end());
    std::vector<DistinctPoint> points;
    for (const auto &point : sorted) {
        if (points.empty() || points.back().at != point)
            points.push_back({point, 0});
        ++points.back().times;
    }
    const double crowding = MeanCellsAround(surface, samples);
    if (crowding > AffordableCellsPerPoint) {
        std::shuffle(points.begin(), points.end(), std::mt19937_64(20140802));
        // Corners sampled many times (those shared by all the crowded triangles) are kept first.
        std::stable_partition(points.begin(), points.end(), [](const DistinctPoint &p) { return p.times > 1; });
        points.resize(size_t(std::ceil(double(points.size()) * AffordableCellsPerPoint / crowding)));
    }
    return points;
}

// Adds the distance of each sample to `surface` (searched through `locator`) to `largest` and
// `sum`; returns how many samples that was.
size_t Accumulate(const std::vector<double> &samples, vtkPolyData *surface, vtkStaticCellLocator *locator,
                  double &largest, double &sum)
{
    vtkNew<vtkGenericCell> cell;
    double closest[3];
    vtkIdType cellId = 0;
    int subId = 0;
    double distance2 = 0.0;
    size_t count = 0;
    for (const DistinctPoint &point : PointsToLookUp(samples, surface)) {
        locator->FindClosestPoint(point.at.data(), closest, cell, cellId, subId, distance2);
        const double distance = std::sqrt(distance2);
        largest = std::max(largest, distance);
        sum += distance * double(point.times);
        count += point.times;
    }
    return count;
}

} // namespace

// Both surfaces are measured in the reference's unit box (its centre at the origin, its diagonal 1):
// the locator's tolerance is absolute, so in raw coordinates its searches degenerate on models
// about 1e-3 across or smaller, and distances come out directly as shares of the diagonal.
DeviationMeter::DeviationMeter(vtkPolyData *model, int samplesPerSurface)
    : frame(std::make_unique<UnitBox>(model)), samplesPerSurface(samplesPerSurface)
{
    // An object of its own: the locator builds the cell links of the model it searches.
    reference = frame->Normalised(model);
    if (!(reference->GetLength() > 0.0))
        return;
    referenceSamples = SamplePoints(reference, samplesPerSurface);
    if (!referenceSamples.empty())
        referenceLocator = MakeLocator(reference);
}

DeviationMeter::~DeviationMeter() = default;

SurfaceDeviation DeviationMeter::Measure(vtkPolyData *model) const
{
    if (!referenceLocator || !model)
        return {};
    const vtkSmartPointer<vtkPolyData> measured = frame->Normalised(model);
    const std::vector<double> samples = SamplePoints(measured, samplesPerSurface);
    if (samples.empty())
        return {};
    double largest = 0.0;
    double sum = 0.0;
    size_t count = Accumulate(samples, reference, referenceLocator, largest, sum);
    count += Accumulate(referenceSamples, measured, MakeLocator(measured), largest, sum);
    return {largest, sum / double(count)};
}

SurfaceDeviation MeasureDeviation(vtkPolyData *reference, vtkPolyData *model)
{
    return DeviationMeter(reference).Measure(model);
}

} // namespace lumeno
