#include "MetroDistance.h"

#include "measure/TriangleGrid.h"
#include "model/UnitBox.h"
#include "measure/UnitTriangles.h"

#include <algorithm>
#include <cmath>
#include <future>
#include <random>

namespace {

double Area(const lumeno::UnitTriangles &triangles, size_t t)
{
    const double *a = triangles.Corner(t, 0), *b = triangles.Corner(t, 1), *c = triangles.Corner(t, 2);
    const double u[3] = {b[0] - a[0], b[1] - a[1], b[2] - a[2]};
    const double v[3] = {c[0] - a[0], c[1] - a[1], c[2] - a[2]};
    const double n[3] = {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]};
    return 0.5 * std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
}

// Every vertex a triangle uses, then `count` points inside the triangles, each triangle
// chosen with a chance in proportion to its area and the point uniform in it.
std::vector<double> SamplePoints(const lumeno::UnitTriangles &triangles, size_t count)
{
    std::vector<double> points;
    std::vector<bool> used(triangles.points.size() / 3, false);
    for (const auto &corners : triangles.corners)
        for (uint32_t v : corners)
            used[v] = true;
    for (size_t v = 0; v < used.size(); ++v)
        if (used[v])
            points.insert(points.end(), &triangles.points[3 * v], &triangles.points[3 * v + 3]);

    const size_t triangleCount = triangles.corners.size();
    std::vector<double> cumulativeArea(triangleCount);
    double total = 0.0;
    for (size_t t = 0; t < triangleCount; ++t)
        cumulativeArea[t] = total += Area(triangles, t);
    if (total <= 0.0)
        return points;
    std::mt19937_64 random(19980301);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    points.reserve(points.size() + 3 * count);
    for (size_t i = 0; i < count; ++i) {
        const auto chosen = std::upper_bound(cumulativeArea.begin(), cumulativeArea.end(), unit(random) * total);
        const size_t t = std::min<size_t>(size_t(chosen - cumulativeArea.begin()), triangleCount - 1);
        const double r1 = std::sqrt(unit(random));
        const double r2 = unit(random);
        const double *a = triangles.Corner(t, 0), *b = triangles.Corner(t, 1), *c = triangles.Corner(t, 2);
        for (int k = 0; k < 3; ++k)
            points.push_back((1 - r1) * a[k] + r1 * (1 - r2) * b[k] + r1 * r2 * c[k]);
    }
    return points;
}

struct Sums
{
    double sum = 0.0;
    double squares = 0.0;
    double largest = 0.0;
    size_t count = 0;
};

// In the grid's storage order, so that neighbouring searches share the memory they read.
Sums LookUp(const std::vector<double> &points, const lumeno::TriangleGrid &grid)
{
    const size_t count = points.size() / 3;
    std::vector<std::pair<size_t, size_t>> order(count);
    for (size_t i = 0; i < count; ++i)
        order[i] = {grid.BinOf(&points[3 * i]), i};
    std::sort(order.begin(), order.end());
    Sums sums;
    for (const auto &entry : order) {
        const double squared = grid.SquaredDistance(&points[3 * entry.second]);
        sums.sum += std::sqrt(squared);
        sums.squares += squared;
        sums.largest = std::max(sums.largest, squared);
    }
    sums.largest = std::sqrt(sums.largest);
    sums.count = count;
    return sums;
}

} // namespace

MetroMeter::MetroMeter(vtkPolyData *model, size_t samplesPerSurface)
    : frame(std::make_unique<lumeno::UnitBox>(model)),
      original(std::make_unique<lumeno::UnitTriangles>(lumeno::ReadUnitTriangles(model, *frame))),
      samples(samplesPerSurface)
{
    if (original->corners.empty())
        return;
    originalGrid = std::make_unique<lumeno::TriangleGrid>(*original);
    originalSamples = SamplePoints(*original, samples);
}

MetroMeter::~MetroMeter() = default;

MetroDistance MetroMeter::Measure(vtkPolyData *model) const
{
    if (!originalGrid || !model)
        return {};
    const lumeno::UnitTriangles measured = lumeno::ReadUnitTriangles(model, *frame);
    if (measured.corners.empty())
        return {};
    // The two ways on the two cores: the model's samples on the original, the original's on the model.
    std::future<Sums> forth =
        std::async(std::launch::async, [&] { return LookUp(SamplePoints(measured, samples), *originalGrid); });
    const lumeno::TriangleGrid grid(measured);
    const Sums back = LookUp(originalSamples, grid);
    const Sums there = forth.get();
    const double count = double(there.count + back.count);
    MetroDistance distance;
    distance.mean = (there.sum + back.sum) / count;
    distance.rms = std::sqrt((there.squares + back.squares) / count);
    distance.maximum = std::max(there.largest, back.largest);
    distance.samples = there.count + back.count;
    return distance;
}
