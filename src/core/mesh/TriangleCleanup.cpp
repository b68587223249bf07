#include "mesh/TriangleCleanup.h"

#include "mesh/AlgorithmRun.h"

#include <vtkCellArray.h>
#include <vtkCellArrayIterator.h>
#include <vtkCellData.h>
#include <vtkPointData.h>
#include <vtkTriangleFilter.h>

#include <algorithm>
#include <array>
#include <tuple>
#include <vector>

namespace lumeno {

namespace {

bool HasOnlyTriangles(vtkPolyData *model)
{
    return model->GetNumberOfStrips() == 0 &&
           (model->GetNumberOfPolys() == 0 || model->GetPolys()->IsHomogeneous() == 3);
}

vtkSmartPointer<vtkPolyData> Triangulated(vtkPolyData *model)
{
    auto filter = vtkSmartPointer<vtkTriangleFilter>::New();
    filter->SetInputData(model);
    if (!UpdateWithoutThrowing(filter))
        return nullptr;
    auto output = vtkSmartPointer<vtkPolyData>::New();
    output->ShallowCopy(filter->GetOutput());
    return output;
}

using Corners = std::array<vtkIdType, 3>;

// The corners of every triangle, each in ascending order.
template <typename Connectivity>
std::vector<Corners> SortedCorners(Connectivity *connectivity)
{
    std::vector<Corners> corners(static_cast<size_t>(connectivity->GetNumberOfValues() / 3));
    vtkIdType value = 0;
    for (Corners &triangle : corners) {
        for (vtkIdType &id : triangle)
            id = static_cast<vtkIdType>(connectivity->GetValue(value++));
        std::sort(triangle.begin(), triangle.end());
    }
    return corners;
}

// Which triangles repeat the corners of an earlier one; empty when none does. The triangles
// are bucketed by their smallest corner (a counting sort), so the work stays linear however
// many of them share a point.
std::vector<bool> RepeatedTriangles(vtkCellArray *triangles, vtkIdType pointCount)
{
    const std::vector<Corners> corners = triangles->IsStorage64Bit()
                                             ? SortedCorners(triangles->GetConnectivityArray64())
                                             : SortedCorners(triangles->GetConnectivityArray32());
    std::vector<vtkIdType> bucketStart(static_cast<size_t>(pointCount) + 1, 0);
    for (const Corners &triangle : corners)
        ++bucketStart[static_cast<size_t>(triangle[0]) + 1];
    for (size_t i = 1; i < bucketStart.size(); ++i)
        bucketStart[i] += bucketStart[i - 1];
    std::vector<vtkIdType> order(corners.size());
    std::vector<vtkIdType> next(bucketStart.begin(), bucketStart.end() - 1);
    for (size_t i = 0; i < corners.size(); ++i)
        order[static_cast<size_t>(next[static_cast<size_t>(corners[i][0])]++)] = static_cast<vtkIdType>(i);

    std::vector<bool> repeated;
    const auto byCornersThenIndex = [&corners](vtkIdType a, vtkIdType b) {
        return std::tie(corners[a][1], corners[a][2], a) < std::tie(corners[b][1], corners[b][2], b);
    };
    for (size_t point = 0; point + 1 < bucketStart.size(); ++point) {
        const auto first = order.begin() + bucketStart[point];
        const auto last = order.begin() + bucketStart[point + 1];
        if (last - first < 2)
            continue;
        std::sort(first, last, byCornersThenIndex);
        for (auto it = first + 1; it != last; ++it) {
            if (corners[*it] != corners[*(it - 1)])
                continue;
            if (repeated.empty())
                repeated.resize(corners.size(), false);
            repeated[static_cast<size_t>(*it)] = true;
        }
    }
    return repeated;
}

// The model without the marked triangles, their cell data dropped with them.
vtkSmartPointer<vtkPolyData> WithoutTriangles(vtkPolyData *model, const std::vector<bool> &dropped)
{
    auto kept = vtkSmartPointer<vtkCellArray>::New();
    auto output = vtkSmartPointer<vtkPolyData>::New();
    output->SetPoints(model->GetPoints());
    output->GetPointData()->ShallowCopy(model->GetPointData());
    output->SetVerts(model->GetVerts());
    output->SetLines(model->GetLines());
    vtkCellData *cellData = model->GetCellData();
    vtkCellData *keptData = output->GetCellData();
    keptData->CopyAllocate(cellData, model->GetNumberOfCells());
    // Cell data run over vertices and lines first, then polygons.
    const vtkIdType firstPolygon = model->GetNumberOfVerts() + model->GetNumberOfLines();
    vtkIdType keptCells = 0;
    for (; keptCells < firstPolygon; ++keptCells)
        keptData->CopyData(cellData, keptCells, keptCells);
    auto cell = vtk::TakeSmartPointer(model->GetPolys()->NewIterator());
    size_t index = 0;
    for (cell->GoToFirstCell(); !cell->IsDoneWithTraversal(); cell->GoToNextCell(), ++index) {
        if (dropped[index])
            continue;
        vtkIdType size = 0;
        const vtkIdType *ids = nullptr;
        cell->GetCurrentCell(size, ids);
        kept->InsertNextCell(size, ids);
        keptData->CopyData(cellData, firstPolygon + static_cast<vtkIdType>(index), keptCells++);
    }
    keptData->Squeeze();
    output->SetPolys(kept);
    return output;
}

} // namespace

CleanedTriangles CleanTriangles(vtkPolyData *model)
{
    CleanedTriangles result;
    result.model = model;
    if (!HasOnlyTriangles(model)) {
        result.model = Triangulated(model);
        if (!result.model)
            return result;
    }
    const std::vector<bool> repeated = RepeatedTriangles(result.model->GetPolys(), result.model->GetNumberOfPoints());
    if (repeated.empty())
        return result;
    result.removedDuplicates = std::count(repeated.begin(), repeated.end(), true);
    result.model = WithoutTriangles(result.model, repeated);
    return result;
}

} // namespace lumeno
