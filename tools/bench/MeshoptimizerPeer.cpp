#include "MeshoptimizerPeer.h"

#include <vtkCellArray.h>
#include <vtkCellArrayIterator.h>
#include <vtkPoints.h>

#include <meshoptimizer.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <vector>

vtkSmartPointer<vtkPolyData> MeshoptimizerKeep(vtkPolyData *model, size_t triangles)
{
    const vtkIdType pointCount = model->GetNumberOfPoints();
    // Floats of the model moved to its centre and scaled to a unit diagonal, as meshoptimizer
    // works in single precision; the result takes the model's own coordinates back.
    double bounds[6];
    model->GetBounds(bounds);
    const double centre[3] = {(bounds[0] + bounds[1]) / 2, (bounds[2] + bounds[3]) / 2, (bounds[4] + bounds[5]) / 2};
    const double diagonal = model->GetLength();
    const double scale = diagonal > 0 ? 1.0 / diagonal : 1.0;
    std::vector<float> positions(size_t(pointCount) * 3);
    for (vtkIdType p = 0; p < pointCount; ++p) {
        double point[3];
        model->GetPoint(p, point);
        for (int k = 0; k < 3; ++k)
            positions[size_t(p) * 3 + size_t(k)] = float((point[k] - centre[k]) * scale);
    }
    std::vector<unsigned int> indices;
    indices.reserve(size_t(model->GetNumberOfPolys()) * 3);
    auto cells = vtk::TakeSmartPointer(model->GetPolys()->NewIterator());
    for (cells->GoToFirstCell(); !cells->IsDoneWithTraversal(); cells->GoToNextCell()) {
        vtkIdType count;
        const vtkIdType *ids;
        cells->GetCurrentCell(count, ids);
        if (count == 3)
            indices.insert(indices.end(), {unsigned(ids[0]), unsigned(ids[1]), unsigned(ids[2])});
    }

    std::vector<unsigned int> remap(static_cast<size_t>(pointCount));
    const size_t vertexCount = meshopt_generateVertexRemap(remap.data(), indices.data(), indices.size(),
                                                           positions.data(), size_t(pointCount), 3 * sizeof(float));
    std::vector<float> welded(vertexCount * 3);
    meshopt_remapVertexBuffer(welded.data(), positions.data(), size_t(pointCount), 3 * sizeof(float), remap.data());
    meshopt_remapIndexBuffer(indices.data(), indices.data(), indices.size(), remap.data());
    // Each welded vertex's first point, whose coordinates the result keeps.
    std::vector<vtkIdType> pointOf(vertexCount, -1);
    for (vtkIdType p = pointCount - 1; p >= 0; --p)
        pointOf[remap[size_t(p)]] = p;

    // One collapse removes two triangles: a few triangles can all go on the way to a target of
    // one, so the target grows until something stays.
    std::vector<unsigned int> kept(indices.size());
    size_t keptCount = 0;
    for (size_t target = triangles * 3; keptCount == 0 && target <= indices.size() + 6; target += 6)
        keptCount = meshopt_simplify(kept.data(), indices.data(), indices.size(), welded.data(), vertexCount,
                                     3 * sizeof(float), target, FLT_MAX, 0, nullptr);
    if (keptCount == 0)
        return nullptr;

    std::vector<vtkIdType> newId(vertexCount, -1);
    auto points = vtkSmartPointer<vtkPoints>::New();
    points->SetDataType(model->GetPoints()->GetDataType());
    auto polys = vtkSmartPointer<vtkCellArray>::New();
    for (size_t c = 0; c < keptCount; c += 3) {
        vtkIdType corners[3];
        for (size_t k = 0; k < 3; ++k) {
            vtkIdType &id = newId[kept[c + k]];
            if (id < 0)
                id = points->InsertNextPoint(model->GetPoint(pointOf[kept[c + k]]));
            corners[k] = id;
        }
        polys->InsertNextCell(3, corners);
    }
    auto result = vtkSmartPointer<vtkPolyData>::New();
    result->SetPoints(points);
    result->SetPolys(polys);
    return result;
}
