#include "model/TriangleLooks.h"

#include "model/ModelLook.h"

#include <vtkCellArray.h>
#include <vtkCellData.h>
#include <vtkIdList.h>
#include <vtkNew.h>
#include <vtkPointData.h>
#include <vtkPoints.h>
#include <vtkDataArray.h>
#include <vtkIntArray.h>

#include <algorithm>
#include <map>

namespace lumeno {

TriangleLooks TriangleLooks::Of(vtkPolyData *model)
{
    TriangleLooks looks;
    vtkCellData *data = model->GetCellData();
    vtkDataArray *materialIds = data->GetArray(MaterialIdsName);
    vtkDataArray *partIds = data->GetArray(PartIdsName);
    const vtkIdType firstPolygon = model->GetNumberOfVerts() + model->GetNumberOfLines();
    const vtkIdType polygons = model->GetNumberOfPolys();
    const auto covers = [&](vtkDataArray *ids) { return ids && ids->GetNumberOfTuples() >= firstPolygon + polygons; };
    looks.materials = covers(materialIds);
    looks.parts = covers(partIds);
    if (!looks.Any())
        return looks;
    std::map<std::array<int, 2>, uint32_t> keyOf;
    looks.keys.resize(size_t(polygons));
    std::array<int, 2> lastKind{0, 0};
    uint32_t lastKey = ~0u; // neighbouring triangles mostly share their kind
    for (vtkIdType p = 0; p < polygons; ++p) {
        const std::array<int, 2> kind{looks.materials ? int(materialIds->GetComponent(firstPolygon + p, 0)) : -1,
                                      looks.parts ? int(partIds->GetComponent(firstPolygon + p, 0)) : 0};
        if (lastKey == ~0u || kind != lastKind) {
            const auto [at, added] = keyOf.emplace(kind, uint32_t(looks.kinds.size()));
            if (added)
                looks.kinds.push_back(kind);
            lastKind = kind;
            lastKey = at->second;
        }
        looks.keys[size_t(p)] = lastKey;
    }
    return looks;
}

void TriangleLooks::WriteTo(vtkPolyData *model, const uint32_t *polygonKeys) const
{
    const vtkIdType polygons = model->GetNumberOfPolys();
    const auto write = [&](const char *name, int which) {
        auto ids = vtkSmartPointer<vtkIntArray>::New();
        ids->SetName(name);
        ids->SetNumberOfValues(polygons);
        for (vtkIdType p = 0; p < polygons; ++p)
            ids->SetValue(p, kinds[polygonKeys[p]][size_t(which)]);
        model->GetCellData()->RemoveArray(name);
        model->GetCellData()->AddArray(ids);
    };
    if (materials)
        write(MaterialIdsName, 0);
    if (parts)
        write(PartIdsName, 1);
}

std::vector<std::vector<vtkIdType>> TriangleLooks::PolygonsByKey() const
{
    std::vector<std::vector<vtkIdType>> polygons(kinds.size());
    for (size_t p = 0; p < keys.size(); ++p)
        polygons[keys[p]].push_back(vtkIdType(p));
    return polygons;
}

std::vector<std::vector<uint32_t>> TriangleLooks::KeysByPart() const
{
    std::map<int, std::vector<uint32_t>> byPart;
    for (size_t key = 0; key < kinds.size(); ++key)
        byPart[kinds[key][1]].push_back(uint32_t(key));
    std::vector<std::vector<uint32_t>> keysOfPart;
    for (auto &[part, partKeys] : byPart)
        keysOfPart.push_back(std::move(partKeys));
    return keysOfPart;
}

vtkSmartPointer<vtkPolyData> ModelOfPolygons(vtkPolyData *model, const std::vector<vtkIdType> &polygons)
{
    std::vector<vtkIdType> newId(size_t(model->GetNumberOfPoints()), -1);
    vtkNew<vtkIdList> used, order, cellsFrom, cellsTo;
    auto cells = vtkSmartPointer<vtkCellArray>::New();
    cells->AllocateEstimate(vtkIdType(polygons.size()), 3);
    vtkNew<vtkIdList> corners;
    for (const vtkIdType p : polygons) {
        model->GetPolys()->GetCellAtId(p, corners);
        for (vtkIdType k = 0; k < corners->GetNumberOfIds(); ++k) {
            vtkIdType &id = newId[size_t(corners->GetId(k))];
            if (id < 0) {
                id = used->GetNumberOfIds();
                used->InsertNextId(corners->GetId(k));
                order->InsertNextId(id);
            }
            corners->SetId(k, id);
        }
        cellsTo->InsertNextId(cells->InsertNextCell(corners));
        cellsFrom->InsertNextId(p);
    }
    auto points = vtkSmartPointer<vtkPoints>::New();
    points->SetDataType(model->GetPoints()->GetDataType());
    points->SetNumberOfPoints(used->GetNumberOfIds());
    for (vtkIdType i = 0; i < used->GetNumberOfIds(); ++i)
        points->SetPoint(i, model->GetPoint(used->GetId(i)));
    auto piece = vtkSmartPointer<vtkPolyData>::New();
    piece->SetPoints(points);
    piece->SetPolys(cells);
    piece->GetPointData()->CopyAllocate(model->GetPointData(), used->GetNumberOfIds());
    piece->GetPointData()->CopyData(model->GetPointData(), used, order);
    piece->GetCellData()->CopyAllocate(model->GetCellData(), vtkIdType(polygons.size()));
    piece->GetCellData()->CopyData(model->GetCellData(), cellsFrom, cellsTo);
    return piece;
}

} // namespace lumeno
