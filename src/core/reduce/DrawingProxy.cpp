#include "reduce/DrawingProxy.h"

#include "model/TriangleCells.h"

#include <meshoptimizer.h>

#include <vtkCellArray.h>
#include <vtkCellData.h>
#include <vtkDataArrayRange.h>
#include <vtkIdList.h>
#include <vtkPointData.h>
#include <vtkPoints.h>
#include <vtkTypeInt32Array.h>

#include <cassert>
#include <cstdint>
#include <limits>
#include <vector>

namespace lumeno {

namespace {

// The model's corners as 32-bit indices: its own array where it is stored so, else a copy.
const uint32_t *CornersOf(vtkCellArray *cells, std::vector<uint32_t> &copy)
{
    if (!cells->IsStorage64Bit())
        return reinterpret_cast<const uint32_t *>(cells->GetConnectivityArray32()->GetPointer(0));
    const auto ids = vtk::DataArrayValueRange<1>(cells->GetConnectivityArray64());
    copy.assign(ids.begin(), ids.end());
    return copy.data();
}

const float *PositionsOf(vtkPoints *points, std::vector<float> &copy)
{
    if (points->GetDataType() == VTK_FLOAT)
        return static_cast<const float *>(points->GetVoidPointer(0));
    const auto values = vtk::DataArrayValueRange(points->GetData());
    copy.assign(values.begin(), values.end());
    return copy.data();
}

void CopyCellData(vtkPolyData *model, vtkPolyData *proxy, const uint32_t *corners, size_t cornerCount,
                  const std::vector<uint32_t> &proxyCorners)
{
    vtkCellData *from = model->GetCellData();
    if (from->GetNumberOfArrays() == 0)
        return;
    std::vector<uint32_t> triangleAt(size_t(model->GetNumberOfPoints()), 0);
    for (size_t c = 0; c < cornerCount; ++c)
        triangleAt[corners[c]] = uint32_t(c / 3);
    const vtkIdType count = vtkIdType(proxyCorners.size() / 3);
    auto sources = vtkSmartPointer<vtkIdList>::New();
    auto targets = vtkSmartPointer<vtkIdList>::New();
    sources->SetNumberOfIds(count);
    targets->SetNumberOfIds(count);
    for (vtkIdType t = 0; t < count; ++t) {
        sources->SetId(t, triangleAt[proxyCorners[3 * size_t(t)]]);
        targets->SetId(t, t);
    }
    proxy->GetCellData()->CopyAllocate(from, count);
    proxy->GetCellData()->CopyData(from, sources, targets);
}

} // namespace

vtkSmartPointer<vtkPolyData> ReducedForDrawing(vtkPolyData *model, size_t triangles)
{
    vtkCellArray *cells = model->GetPolys();
    const vtkIdType pointCount = model->GetNumberOfPoints();
    const size_t cellCount = cells ? size_t(cells->GetNumberOfCells()) : 0;
    if (cellCount <= triangles || cells->IsHomogeneous() != 3 || model->GetNumberOfVerts() > 0 ||
        model->GetNumberOfLines() > 0 || model->GetNumberOfStrips() > 0 ||
        pointCount >= vtkIdType(std::numeric_limits<int32_t>::max()))
        return nullptr;
    std::vector<uint32_t> cornerCopy;
    std::vector<float> positionCopy;
    const uint32_t *corners = CornersOf(cells, cornerCopy);
    const float *positions = PositionsOf(model->GetPoints(), positionCopy);
    const size_t cornerCount = 3 * cellCount;

    std::vector<uint32_t> proxyCorners(3 * triangles);
    const size_t kept = meshopt_simplifySloppy(proxyCorners.data(), corners, cornerCount, positions,
                                               size_t(pointCount), 3 * sizeof(float), 3 * triangles,
                                               std::numeric_limits<float>::max());
    assert(kept <= proxyCorners.size() && kept % 3 == 0);
    if (kept == 0)
        return nullptr; // nothing left to draw of it: the model itself is drawn
    proxyCorners.resize(kept);
    std::vector<float>().swap(positionCopy);

    auto proxy = vtkSmartPointer<vtkPolyData>::New();
    proxy->SetPoints(model->GetPoints());
    proxy->GetPointData()->ShallowCopy(model->GetPointData());
    CopyCellData(model, proxy, corners, cornerCount, proxyCorners);

    const auto connectivity = NewIds<vtkTypeInt32Array>(kept);
    std::copy(proxyCorners.begin(), proxyCorners.end(), reinterpret_cast<uint32_t *>(connectivity->GetPointer(0)));
    proxy->SetPolys(TrianglesAround(connectivity.Get()));
    return proxy;
}

} // namespace lumeno
