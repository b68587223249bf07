#include "CollapseLevels.h"

#include "mesh/QuadricCollapse.h"

#include <vtkCellArray.h>
#include <vtkPoints.h>

#include <array>
#include <cmath>
#include <cstring>
#include <unordered_map>

namespace {

struct PositionHash
{
    size_t operator()(const std::array<double, 3> &p) const
    {
        size_t hash = 0;
        for (double value : p) {
            uint64_t bits;
            std::memcpy(&bits, &value, sizeof bits);
            hash = (hash ^ bits) * 0x100000001b3ULL;
        }
        return hash ^ (hash >> 29);
    }
};

} // namespace

std::vector<vtkSmartPointer<vtkPolyData>> CollapseLevels(vtkPolyData *model, const std::vector<size_t> &goals)
{
    std::vector<vtkSmartPointer<vtkPolyData>> levels(goals.size());
    double bounds[6];
    model->GetBounds(bounds);
    const double center[3] = {(bounds[0] + bounds[1]) / 2, (bounds[2] + bounds[3]) / 2, (bounds[4] + bounds[5]) / 2};
    const double size = model->GetLength();
    if (!(size > 0.0))
        return levels;

    // Welded by position: a point repeated (as an STL file repeats every corner) is one vertex.
    lumeno::CollapseMesh mesh;
    std::unordered_map<std::array<double, 3>, uint32_t, PositionHash> welded;
    std::vector<uint32_t> vertexOf(size_t(model->GetNumberOfPoints()));
    for (vtkIdType p = 0; p < model->GetNumberOfPoints(); ++p) {
        std::array<double, 3> at;
        model->GetPoint(p, at.data());
        for (double &value : at)
            value += 0.0; // -0 and +0 are one place
        const auto found = welded.try_emplace(at, uint32_t(welded.size()));
        if (found.second)
            for (int axis = 0; axis < 3; ++axis)
                mesh.positions.push_back((at[axis] - center[axis]) / size);
        vertexOf[size_t(p)] = found.first->second;
    }
    welded = {};
    vtkCellArray *polys = model->GetPolys();
    mesh.corners.reserve(size_t(polys->GetNumberOfCells()) * 3);
    vtkIdType count = 0;
    const vtkIdType *ids = nullptr;
    for (polys->InitTraversal(); polys->GetNextCell(count, ids);) {
        for (vtkIdType k = 1; k + 1 < count; ++k) {
            const uint32_t a = vertexOf[size_t(ids[0])], b = vertexOf[size_t(ids[k])], c = vertexOf[size_t(ids[k + 1])];
            if (a != b && b != c && a != c)
                mesh.corners.insert(mesh.corners.end(), {a, b, c});
        }
    }

    lumeno::CollapseGoals run;
    run.triangleCounts = goals;
    run.reached = [&](size_t goal, const lumeno::CollapseMesh &reduced) {
        auto points = vtkSmartPointer<vtkPoints>::New();
        points->SetDataTypeToDouble();
        const vtkIdType vertices = vtkIdType(reduced.positions.size() / 3);
        points->SetNumberOfPoints(vertices);
        for (vtkIdType v = 0; v < vertices; ++v) {
            const double *p = &reduced.positions[3 * size_t(v)];
            points->SetPoint(v, p[0] * size + center[0], p[1] * size + center[1], p[2] * size + center[2]);
        }
        auto triangles = vtkSmartPointer<vtkCellArray>::New();
        triangles->AllocateExact(vtkIdType(reduced.Triangles()), vtkIdType(reduced.corners.size()));
        for (size_t t = 0; t < reduced.Triangles(); ++t) {
            const vtkIdType corners[3] = {reduced.corners[3 * t], reduced.corners[3 * t + 1], reduced.corners[3 * t + 2]};
            triangles->InsertNextCell(3, corners);
        }
        auto level = vtkSmartPointer<vtkPolyData>::New();
        level->SetPoints(points);
        level->SetPolys(triangles);
        levels[goal] = level;
    };
    lumeno::CollapseEdges(mesh, run);
    return levels;
}
