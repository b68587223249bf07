#include "CollapseLevels.h"

#include "mesh/PointPlaces.h"
#include "mesh/QuadricCollapse.h"
#include "mesh/UnitBox.h"

#include <vtkCellArray.h>
#include <vtkPoints.h>

std::vector<vtkSmartPointer<vtkPolyData>> CollapseLevels(vtkPolyData *model, const std::vector<size_t> &goals)
{
    std::vector<vtkSmartPointer<vtkPolyData>> levels(goals.size());
    if (!(model->GetLength() > 0.0))
        return levels;
    // In a box of unit diagonal, welded by position: a point repeated (as an STL file repeats
    // every corner) is one vertex.
    const lumeno::UnitBox box(model);
    const vtkSmartPointer<vtkPolyData> unit = box.Normalised(model);
    vtkIdType places = 0;
    const std::vector<vtkIdType> placeOf = lumeno::PlaceOfEachPoint(unit->GetPoints(), places);
    lumeno::CollapseMesh mesh;
    mesh.positions.resize(3 * size_t(places));
    for (vtkIdType p = 0; p < unit->GetNumberOfPoints(); ++p)
        unit->GetPoint(p, &mesh.positions[3 * size_t(placeOf[size_t(p)])]);
    const auto vertexOf = [&placeOf](vtkIdType id) { return uint32_t(placeOf[size_t(id)]); };
    vtkCellArray *polys = model->GetPolys();
    mesh.corners.reserve(size_t(polys->GetNumberOfCells()) * 3);
    vtkIdType count = 0;
    const vtkIdType *ids = nullptr;
    for (polys->InitTraversal(); polys->GetNextCell(count, ids);) {
        for (vtkIdType k = 1; k + 1 < count; ++k) {
            const uint32_t a = vertexOf(ids[0]), b = vertexOf(ids[k]), c = vertexOf(ids[k + 1]);
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
            points->SetPoint(v, p);
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
        levels[goal] = box.Restored(level);
    };
    lumeno::CollapseEdges(mesh, run);
    return levels;
}
