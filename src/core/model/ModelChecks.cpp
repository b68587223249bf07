#include "model/ModelChecks.h"

#include <vtkCellArray.h>
#include <vtkCellArrayIterator.h>
#include <vtkDoubleArray.h>
#include <vtkFloatArray.h>
#include <vtkPoints.h>
#include <vtkPolyData.h>

#include <cmath>

namespace lumeno {

namespace {

template <typename Value>
bool AllFinite(const Value *values, vtkIdType count)
{
    for (vtkIdType i = 0; i < count; ++i)
        if (!std::isfinite(values[i]))
            return false;
    return true;
}

// vtkSmoothPolyDataFilter crashes on polygons of fewer than three corners, and
// vtkDecimatePro recurses without end on a triangle that uses one point twice.
bool HasProperPolygons(vtkCellArray *polys)
{
    auto cell = vtk::TakeSmartPointer(polys->NewIterator());
    for (cell->GoToFirstCell(); !cell->IsDoneWithTraversal(); cell->GoToNextCell()) {
        vtkIdType size = 0;
        const vtkIdType *ids = nullptr;
        cell->GetCurrentCell(size, ids);
        if (size < 3)
            return false;
        if (size == 3 && (ids[0] == ids[1] || ids[1] == ids[2] || ids[0] == ids[2]))
            return false;
    }
    return true;
}

} // namespace

bool RefersToExistingPoints(vtkCellArray *cells, vtkIdType pointCount)
{
    if (!cells || cells->GetNumberOfCells() == 0)
        return true;
    vtkDataArray *connectivity = cells->GetConnectivityArray();
    if (connectivity->GetNumberOfValues() == 0)
        return true;
    double range[2];
    connectivity->GetRange(range, 0);
    return range[0] >= 0 && range[1] < static_cast<double>(pointCount);
}

bool HasFiniteCoordinates(vtkPoints *points)
{
    vtkDataArray *data = points->GetData();
    const vtkIdType count = data->GetNumberOfValues();
    if (auto *floats = vtkFloatArray::SafeDownCast(data))
        return AllFinite(floats->GetPointer(0), count);
    if (auto *doubles = vtkDoubleArray::SafeDownCast(data))
        return AllFinite(doubles->GetPointer(0), count);
    for (vtkIdType i = 0; i < points->GetNumberOfPoints(); ++i) {
        double point[3];
        points->GetPoint(i, point);
        if (!std::isfinite(point[0]) || !std::isfinite(point[1]) || !std::isfinite(point[2]))
            return false;
    }
    return true;
}

bool IsModelUsable(vtkPolyData *model)
{
    return model && model->GetNumberOfPoints() > 0 && model->GetNumberOfPolys() > 0 && HasSoundCells(model);
}

bool HasSoundCells(vtkPolyData *model)
{
    if (!model)
        return false;
    const vtkIdType pointCount = model->GetNumberOfPoints();
    for (vtkCellArray *cells : {model->GetVerts(), model->GetLines(), model->GetPolys(), model->GetStrips()})
        if (!RefersToExistingPoints(cells, pointCount))
            return false;
    return HasProperPolygons(model->GetPolys()) && (pointCount == 0 || HasFiniteCoordinates(model->GetPoints()));
}
} // namespace lumeno
