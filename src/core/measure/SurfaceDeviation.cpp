#include "measure/SurfaceDeviation.h"

#include "measure/TriangleGrid.h"
#include "model/TwoThreads.h"
#include "model/UnitBox.h"
#include "measure/UnitTriangles.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <random>

namespace lumeno {

struct SamplePoint
{
    std::array<double, 3> at;
    size_t times; // how often it was sampled (a corner shared by many triangles)
};

namespace {

double Area(const UnitTriangles &triangles, size_t t)
{
    const double *a = triangles.Corner(t, 0), *b = triangles.Corner(t, 1), *c = triangles.Corner(t, 2);
    const double u[3] = {b[0] - a[0], b[1] - a[1], b[2] - a[2]};
    const double v[3] = {c[0] - a[0], c[1] - a[1], c[2] - a[2]};
    const double n[3] = {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]};
    return 0.5 * std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
}

// Half the points are triangle corners, spread evenly over the triangles (the corners that
// a reduction removes lie farthest from the reduced surface); the other half lie inside
// the triangles, chosen by area with a fixed seed, so a measurement always gives the same.
// A corner sampled more than once (shared by many triangles) is kept once, with how often.
std::vector<SamplePoint> SamplePoints(const UnitTriangles &triangles, int count)
{
    std::vector<SamplePoint> points;
    const size_t wanted = size_t(std::max(count, 0));
    const size_t triangleCount = triangles.corners.size();
    const size_t corners = std::min(wanted / 2, triangleCount * 3);
    std::vector<uint32_t> vertices(corners);
    for (size_t i = 0; i < corners; ++i) {
        const size_t corner = i * triangleCount * 3 / corners;
        vertices[i] = triangles.corners[corner / 3][corner % 3];
    }
    std::sort(vertices.begin(), vertices.end());
    for (size_t i = 0; i < vertices.size(); ++i) {
        if (i > 0 && vertices[i] == vertices[i - 1]) {
            ++points.back().times;
            continue;
        }
        const double *p = &triangles.points[3 * size_t(vertices[i])];
        points.push_back({{p[0], p[1], p[2]}, 1});
    }

    std::vector<double> cumulativeArea(triangleCount);
    double total = 0.0;
    for (size_t t = 0; t < triangleCount; ++t)
        cumulativeArea[t] = total += Area(triangles, t);
    std::mt19937_64 random(20140802);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    for (size_t i = corners; total > 0.0 && i < wanted; ++i) {
        const auto chosen = std::upper_bound(cumulativeArea.begin(), cumulativeArea.end(), unit(random) * total);
        const size_t t = std::min<size_t>(size_t(chosen - cumulativeArea.begin()), triangleCount - 1);
        const double r1 = std::sqrt(unit(random));
        const double r2 = unit(random);
        const double *a = triangles.Corner(t, 0), *b = triangles.Corner(t, 1), *c = triangles.Corner(t, 2);
        SamplePoint &point = points.emplace_back(SamplePoint{{}, 1});
        for (int k = 0; k < 3; ++k)
            point.at[k] = (1 - r1) * a[k] + r1 * (1 - r2) * b[k] + r1 * r2 * c[k];
    }
    return points;
}

// Where many triangles overlap one place (thousands around one edge), every bin around them
// holds all of them; then only as many points are looked up as this many triangle tests allow,
// so measuring stays well below a second. Ordinary meshes need 15 to 30 tests per point.
constexpr size_t AffordableTests = 4000000;

// The points to look up on `grid`: all of them, or on a crowded surface as many as are
// affordable, the repeated ones first, the rest picked with a fixed seed (an even stride
// would fall in step with the corners' order).
std::vector<SamplePoint> Affordable(std::vector<SamplePoint> points, const TriangleGrid &grid)
{
    size_t tests = 0;
    for (const SamplePoint &point : points)
        tests += grid.TrianglesAround(point.at.data());
    if (tests <= AffordableTests)
        return points;
    std::shuffle(points.begin(), points.end(), std::mt19937_64(20140802));
    std::stable_partition(points.begin(), points.end(), [](const SamplePoint &p) { return p.times > 1; });
    tests = 0;
    size_t kept = 0;
    while (kept < points.size() && (kept == 0 || tests < AffordableTests))
        tests += grid.TrianglesAround(points[kept++].at.data());
    points.resize(kept);
    return points;
}

struct Distances
{
    double largest = 0.0;
    double sum = 0.0;
    size_t count = 0;
};

// In the grid's storage order, half on each of two threads.
Distances LookUp(const std::vector<SamplePoint> &samples, const TriangleGrid &grid)
{
    const std::vector<SamplePoint> points = Affordable(samples, grid);
    // Each point's bin above its index (bins and points both fit in 32 bits).
    std::vector<uint64_t> order(points.size());
    for (size_t i = 0; i < points.size(); ++i)
        order[i] = uint64_t(grid.BinOf(points[i].at.data())) << 32 | i;
    std::sort(order.begin(), order.end());
    const auto search = [&](size_t begin, size_t end) {
        Distances distances;
        for (size_t i = begin; i < end; ++i) {
            const SamplePoint &point = points[order[i] & 0xffffffffu];
            const double distance = std::sqrt(grid.SquaredDistance(point.at.data()));
            distances.largest = std::max(distances.largest, distance);
            distances.sum += distance * double(point.times);
            distances.count += point.times;
        }
        return distances;
    };
    Distances first, second;
    AtOnce([&] { first = search(0, order.size() / 2); }, [&] { second = search(order.size() / 2, order.size()); });
    return {std::max(first.largest, second.largest), first.sum + second.sum, first.count + second.count};
}

} // namespace

// Both surfaces are measured in the reference's unit box (its centre at the origin, its
// diagonal 1): distances come out directly as shares of the diagonal, at any size.
DeviationMeter::DeviationMeter(vtkPolyData *model, int samples)
    : frame(std::make_unique<UnitBox>(model)),
      reference(std::make_unique<UnitTriangles>()),
      samplesPerSurface(samples)
{
    *reference = ReadUnitTriangles(model, *frame);
    // A reference of no extent has no diagonal to measure in.
    const std::vector<double> &points = reference->points;
    bool spread = false;
    for (size_t p = 3; !spread && p < points.size(); ++p)
        spread = points[p] != points[p % 3];
    if (!spread)
        return;
    referenceSamples = SamplePoints(*reference, samplesPerSurface);
    if (!referenceSamples.empty())
        referenceGrid = std::make_unique<TriangleGrid>(*reference);
}

DeviationMeter::~DeviationMeter() = default;

SurfaceDeviation DeviationMeter::Measure(vtkPolyData *model) const
{
    if (!referenceGrid || !model)
        return {};
    const UnitTriangles measured = ReadUnitTriangles(model, *frame);
    if (measured.corners.empty())
        return {};
    // The two ways on two threads: the model's points on the reference, the reference's on the model.
    Distances there, back;
    AtOnce(
        [&] {
            const TriangleGrid grid(measured);
            back = LookUp(referenceSamples, grid);
        },
        [&] { there = LookUp(SamplePoints(measured, samplesPerSurface), *referenceGrid); });
    return {std::max(there.largest, back.largest), (there.sum + back.sum) / double(there.count + back.count)};
}

double LargestDistance(const std::vector<float> &pointDistances, const SurfaceDeviation &deviation)
{
    double largest = std::max(deviation.maximum, 0.0);
    for (const float distance : pointDistances)
        largest = std::max(largest, double(distance));
    return largest;
}

std::vector<float> DeviationMeter::PointDistances(vtkPolyData *model) const
{
    if (!referenceGrid || !model)
        return {};
    const UnitTriangles measured = ReadUnitTriangles(model, *frame);
    const size_t count = measured.points.size() / 3;
    if (measured.corners.empty() || count != size_t(model->GetNumberOfPoints()))
        return {};
    // In the grid's storage order, as LookUp searches.
    std::vector<uint64_t> order(count);
    for (size_t i = 0; i < count; ++i)
        order[i] = uint64_t(referenceGrid->BinOf(&measured.points[3 * i])) << 32 | i;
    std::sort(order.begin(), order.end());
    std::vector<float> distances(count);
    const auto search = [&](size_t begin, size_t end) {
        for (size_t i = begin; i < end; ++i) {
            const size_t point = order[i] & 0xffffffffu;
            distances[point] = float(std::sqrt(referenceGrid->SquaredDistance(&measured.points[3 * point])));
        }
    };
    InTwoHalves(count, search);
    return distances;
}

} // namespace lumeno
