#include "mesh/CollapseSimplifier.h"

#include <vtkCellArray.h>
#include <vtkCellArrayIterator.h>
#include <vtkPoints.h>

#include <algorithm>
#include <array>
#include <numeric>

namespace lumeno {

CollapseSimplifier::CollapseSimplifier(vtkPolyData *model) : box(model)
{
    const vtkSmartPointer<vtkPolyData> unit = box.Normalised(model);
    const size_t pointCount = size_t(unit->GetNumberOfPoints());
    std::vector<std::array<double, 3>> points(pointCount);
    for (size_t i = 0; i < pointCount; ++i)
        unit->GetPoint(vtkIdType(i), points[i].data());
    // Points at one place become one vertex (an STL file never shares them).
    std::vector<uint32_t> order(pointCount);
    std::iota(order.begin(), order.end(), 0u);
    std::sort(order.begin(), order.end(), [&points](uint32_t a, uint32_t b) { return points[a] < points[b]; });
    std::vector<uint32_t> vertexOf(pointCount);
    for (size_t i = 0; i < pointCount; ++i) {
        if (i == 0 || points[order[i]] != points[order[i - 1]])
            mesh.positions.insert(mesh.positions.end(), points[order[i]].begin(), points[order[i]].end());
        vertexOf[order[i]] = uint32_t(mesh.positions.size() / 3 - 1);
    }
    mesh.corners.reserve(size_t(unit->GetNumberOfPolys()) * 3);
    auto cells = vtk::TakeSmartPointer(unit->GetPolys()->NewIterator());
    for (cells->GoToFirstCell(); !cells->IsDoneWithTraversal(); cells->GoToNextCell()) {
        vtkIdType count;
        const vtkIdType *ids;
        cells->GetCurrentCell(count, ids);
        if (count != 3) // the reader leaves triangles only
            continue;
        const uint32_t a = vertexOf[size_t(ids[0])], b = vertexOf[size_t(ids[1])], c = vertexOf[size_t(ids[2])];
        if (a != b && b != c && a != c)
            mesh.corners.insert(mesh.corners.end(), {a, b, c});
    }
}

size_t CollapseSimplifier::Run(const std::vector<size_t> &triangleCounts, double maxError, const Reached &reached,
                               const std::function<bool()> &cancelled,
                               const std::function<void(double)> &progress) const
{
    CollapseGoals goals;
    goals.triangleCounts = triangleCounts;
    goals.maxError = maxError;
    goals.cancelled = cancelled;
    goals.progress = progress;
    goals.reached = [&](size_t goal, const CollapseMesh &result) {
        auto points = vtkSmartPointer<vtkPoints>::New();
        points->SetDataTypeToDouble();
        points->SetNumberOfPoints(vtkIdType(result.positions.size() / 3));
        for (size_t i = 0; i < result.positions.size() / 3; ++i)
            points->SetPoint(vtkIdType(i), &result.positions[3 * i]);
        auto triangles = vtkSmartPointer<vtkCellArray>::New();
        triangles->AllocateExact(vtkIdType(result.Triangles()), vtkIdType(result.corners.size()));
        for (size_t t = 0; t < result.Triangles(); ++t) {
            const vtkIdType ids[3] = {result.corners[3 * t], result.corners[3 * t + 1], result.corners[3 * t + 2]};
            triangles->InsertNextCell(3, ids);
        }
        auto unit = vtkSmartPointer<vtkPolyData>::New();
        unit->SetPoints(points);
        unit->SetPolys(triangles);
        reached(goal, box.Restored(unit));
    };
    return CollapseEdges(mesh, goals);
}

} // namespace lumeno
