#include "model/TriangleLooks.h"

#include "model/ModelLook.h"

#include <vtkCellData.h>
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
    for (vtkIdType p = 0; p < polygons; ++p) {
        const std::array<int, 2> kind{looks.materials ? int(materialIds->GetComponent(firstPolygon + p, 0)) : -1,
                                      looks.parts ? int(partIds->GetComponent(firstPolygon + p, 0)) : 0};
        const auto [at, added] = keyOf.emplace(kind, uint32_t(looks.kinds.size()));
        if (added)
            looks.kinds.push_back(kind);
        looks.keys[size_t(p)] = at->second;
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

} // namespace lumeno
