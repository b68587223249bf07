#include "mesh/SurfaceDeviation.h"

#include <vtkCellArray.h>
#include <vtkGenericCell.h>
#include <vtkNew.h>
#include <vtkPoints.h>
#include <vtkStaticCellLocator.h>

#include <algorithm>
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

// Adds the distance of each sample to the surface: the largest, and their sum.
void Accumulate(const std::vector<double> &samples, vtkStaticCellLocator *surface, double &largest, double &sum)
{
    vtkNew<vtkGenericCell> cell;
    double closest[3];
    vtkIdType cellId = 0;
    int subId = 0;
    double distance2 = 0.0;
    for (size_t i = 0; i + 2 < samples.size(); i += 3) {
        surface->FindClosestPoint(&samples[i], closest, cell, cellId, subId, distance2);
        const double distance = std::sqrt(distance2);
        largest = std::max(largest, distance);
        sum += distance;
    }
}

} // namespace

DeviationMeter::DeviationMeter(vtkPolyData *model, int samplesPerSurface)
    : reference(vtkSmartPointer<vtkPolyData>::New()), samplesPerSurface(samplesPerSurface)
{
    // An object of its own: the locator builds the cell links of the model it searches.
    reference->ShallowCopy(model);
    diagonal = reference->GetLength();
    referenceSamples = SamplePoints(reference, samplesPerSurface);
    if (!referenceSamples.empty())
        referenceLocator = MakeLocator(reference);
}

DeviationMeter::~DeviationMeter() = default;

SurfaceDeviation DeviationMeter::Measure(vtkPolyData *model) const
{
    if (!referenceLocator || !(diagonal > 0.0) || !model)
        return {};
    auto measured = vtkSmartPointer<vtkPolyData>::New();
    measured->ShallowCopy(model);
    const std::vector<double> samples = SamplePoints(measured, samplesPerSurface);
    if (samples.empty())
        return {};
    double largest = 0.0;
    double sum = 0.0;
    Accumulate(samples, referenceLocator, largest, sum);
    Accumulate(referenceSamples, MakeLocator(measured), largest, sum);
    const double count = double(samples.size() + referenceSamples.size()) / 3.0;
    return {largest / diagonal, sum / count / diagonal};
}

SurfaceDeviation MeasureDeviation(vtkPolyData *reference, vtkPolyData *model)
{
    return DeviationMeter(reference).Measure(model);
}

} // namespace lumeno
