#include "CollapseLevels.h"

#include "reduce/QualitySimplifier.h"

#include <meshoptimizer.h>

#include <vtkCellArray.h>
#include <vtkCellArrayIterator.h>
#include <vtkPoints.h>

#include <cfloat>
#include <cmath>
#include <utility>

std::vector<vtkSmartPointer<vtkPolyData>> CollapseLevels(vtkPolyData *model, const std::vector<size_t> &goals)
{
    std::vector<vtkSmartPointer<vtkPolyData>> levels(goals.size());
    // Given up to the run, as the window gives it: the welded model is not copied.
    lumeno::QualitySimplifier simplifier(model);
    std::move(simplifier).Collapse(
        goals, HUGE_VAL, [&levels](size_t goal, const vtkSmartPointer<vtkPolyData> &made) { levels[goal] = made; }, {},
        {});
    return levels;
}

vtkSmartPointer<vtkPolyData> MeshoptimizerLevel(vtkPolyData *model, double share)
{
    // Welded by position, as meshoptimizer's own tools weld, then simplified with its defaults.
    const size_t pointCount = size_t(model->GetNumberOfPoints());
    std::vector<float> points(3 * pointCount);
    for (size_t i = 0; i < pointCount; ++i) {
        double p[3];
        model->GetPoint(vtkIdType(i), p);
        for (int k = 0; k < 3; ++k)
            points[3 * i + size_t(k)] = float(p[k]);
    }
    std::vector<unsigned int> indices;
    auto cells = vtk::TakeSmartPointer(model->GetPolys()->NewIterator());
    for (cells->GoToFirstCell(); !cells->IsDoneWithTraversal(); cells->GoToNextCell()) {
        vtkIdType count;
        const vtkIdType *ids;
        cells->GetCurrentCell(count, ids);
        if (count == 3)
            indices.insert(indices.end(), {unsigned(ids[0]), unsigned(ids[1]), unsigned(ids[2])});
    }
    std::vector<unsigned int> remap(pointCount);
    const size_t vertexCount = meshopt_generateVertexRemap(remap.data(), indices.data(), indices.size(), points.data(),
                                                           pointCount, 3 * sizeof(float));
    std::vector<float> vertices(3 * vertexCount);
    meshopt_remapVertexBuffer(vertices.data(), points.data(), pointCount, 3 * sizeof(float), remap.data());
    meshopt_remapIndexBuffer(indices.data(), indices.data(), indices.size(), remap.data());
    std::vector<unsigned int> kept(indices.size());
    const size_t target = size_t(share * double(indices.size() / 3) + 0.5) * 3;
    kept.resize(meshopt_simplify(kept.data(), indices.data(), indices.size(), vertices.data(), vertexCount,
                                 3 * sizeof(float), target, FLT_MAX, 0, nullptr));
    auto result = vtkSmartPointer<vtkPolyData>::New();
    auto resultPoints = vtkSmartPointer<vtkPoints>::New();
    resultPoints->SetNumberOfPoints(vtkIdType(vertexCount));
    for (size_t v = 0; v < vertexCount; ++v)
        resultPoints->SetPoint(vtkIdType(v), vertices[3 * v], vertices[3 * v + 1], vertices[3 * v + 2]);
    auto triangles = vtkSmartPointer<vtkCellArray>::New();
    for (size_t t = 0; t < kept.size() / 3; ++t) {
        const vtkIdType ids[3] = {kept[3 * t], kept[3 * t + 1], kept[3 * t + 2]};
        triangles->InsertNextCell(3, ids);
    }
    result->SetPoints(resultPoints);
    result->SetPolys(triangles);
    return result;
}
