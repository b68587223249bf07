#include "model/LeftOutTriangles.h"

#include <meshoptimizer.h>

#include <vtkCellArray.h>
#include <vtkCellArrayIterator.h>
#include <vtkCellData.h>
#include <vtkDataArray.h>
#include <vtkIdList.h>
#include <vtkNew.h>
#include <vtkPoints.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <tuple>

namespace lumeno {

LeftOutTriangles LeaveOutCollapsedAndRepeated(std::vector<unsigned int> &corners, const std::vector<unsigned int> &place,
                                              std::vector<vtkIdType> *kept)
{
    LeftOutTriangles left;
    const size_t triangles = corners.size() / 3;
    // Each triangle's places in ascending order; those on one place twice go at once.
    std::vector<std::array<unsigned int, 3>> sorted(triangles);
    std::vector<uint8_t> out(triangles, 0);
    for (size_t t = 0; t < triangles; ++t) {
        std::array<unsigned int, 3> &p = sorted[t];
        p = {place[corners[3 * t]], place[corners[3 * t + 1]], place[corners[3 * t + 2]]};
        std::sort(p.begin(), p.end());
        if (p[0] == p[1] || p[1] == p[2]) {
            out[t] = 1;
            ++left.collapsed;
        }
    }
    // The others by their lowest place, then each group in order of the other two (and of the
    // triangle's number, so that the first of equal ones stays): a group is a few triangles
    // around one vertex, so the work stays linear.
    std::vector<uint32_t> groupStart(place.size() + 1, 0);
    for (size_t t = 0; t < triangles; ++t)
        if (!out[t])
            ++groupStart[sorted[t][0] + 1];
    for (size_t p = 0; p < place.size(); ++p)
        groupStart[p + 1] += groupStart[p];
    std::vector<uint32_t> byGroup(groupStart.back());
    {
        std::vector<uint32_t> next(groupStart.begin(), groupStart.end() - 1);
        for (size_t t = 0; t < triangles; ++t)
            if (!out[t])
                byGroup[next[sorted[t][0]]++] = uint32_t(t);
    }
    for (size_t p = 0; p < place.size(); ++p) {
        const auto begin = byGroup.begin() + groupStart[p], end = byGroup.begin() + groupStart[p + 1];
        if (end - begin < 2)
            continue;
        std::sort(begin, end, [&sorted](uint32_t a, uint32_t b) {
            return std::tie(sorted[a][1], sorted[a][2], a) < std::tie(sorted[b][1], sorted[b][2], b);
        });
        for (auto t = begin + 1; t != end; ++t)
            if (sorted[*t][1] == sorted[*(t - 1)][1] && sorted[*t][2] == sorted[*(t - 1)][2]) {
                out[*t] = 1;
                ++left.repeated;
            }
    }
    if (kept)
        kept->clear();
    if (left.Total() == 0)
        return left;
    size_t keptCount = 0;
    for (size_t t = 0; t < triangles; ++t)
        if (!out[t]) {
            std::copy_n(&corners[3 * t], 3, &corners[3 * keptCount]);
            ++keptCount;
            if (kept)
                kept->push_back(vtkIdType(t));
        }
    corners.resize(3 * keptCount);
    return left;
}

std::vector<unsigned int> PlacesOf(const void *coordinates, size_t count, size_t coordinateSize)
{
    std::vector<unsigned int> place(count);
    if (count > 0)
        meshopt_generateVertexRemap(place.data(), nullptr, count, coordinates, count, 3 * coordinateSize);
    return place;
}

vtkSmartPointer<vtkPolyData> WithoutCollapsedAndRepeated(vtkPolyData *model, LeftOutTriangles &leftOut)
{
    auto whole = vtkSmartPointer<vtkPolyData>::New();
    whole->ShallowCopy(model);
    vtkPoints *points = model->GetPoints();
    if (!points || model->GetNumberOfPolys() == 0)
        return whole;
    std::vector<unsigned int> corners;
    corners.reserve(3 * size_t(model->GetNumberOfPolys()));
    std::vector<vtkIdType> cellOfTriangle;
    vtkCellData *cellData = model->GetCellData();
    bool keepCellData = cellData->GetNumberOfArrays() > 0 && model->GetNumberOfCells() == model->GetNumberOfPolys();
    for (int array = 0; array < cellData->GetNumberOfArrays(); ++array)
        keepCellData = keepCellData && cellData->GetAbstractArray(array)->GetNumberOfTuples() == model->GetNumberOfPolys();
    auto cells = vtk::TakeSmartPointer(model->GetPolys()->NewIterator());
    for (cells->GoToFirstCell(); !cells->IsDoneWithTraversal(); cells->GoToNextCell()) {
        vtkIdType count;
        const vtkIdType *ids;
        cells->GetCurrentCell(count, ids);
        if (count != 3) // the reducers take and give triangles only
            continue;
        corners.insert(corners.end(), {unsigned(ids[0]), unsigned(ids[1]), unsigned(ids[2])});
        if (keepCellData)
            cellOfTriangle.push_back(cells->GetCurrentCellId());
    }
    vtkDataArray *coordinates = points->GetData();
    std::vector<vtkIdType> kept;
    leftOut = LeaveOutCollapsedAndRepeated(
        corners,
        PlacesOf(coordinates->GetVoidPointer(0), size_t(points->GetNumberOfPoints()),
                 size_t(coordinates->GetDataTypeSize())),
        &kept);
    if (leftOut.Total() == 0)
        return whole;
    auto triangles = vtkSmartPointer<vtkCellArray>::New();
    triangles->AllocateExact(vtkIdType(corners.size() / 3), vtkIdType(corners.size()));
    for (size_t i = 0; i < corners.size(); i += 3) {
        const vtkIdType ids[3] = {corners[i], corners[i + 1], corners[i + 2]};
        triangles->InsertNextCell(3, ids);
    }
    whole->SetPolys(triangles);
    whole->GetCellData()->Initialize();
    if (keepCellData) {
        // Each kept triangle's values: its material and part go with it.
        vtkNew<vtkIdList> from, to;
        from->SetNumberOfIds(vtkIdType(kept.size()));
        to->SetNumberOfIds(vtkIdType(kept.size()));
        for (size_t i = 0; i < kept.size(); ++i) {
            from->SetId(vtkIdType(i), cellOfTriangle[size_t(kept[i])]);
            to->SetId(vtkIdType(i), vtkIdType(i));
        }
        whole->GetCellData()->CopyAllocate(cellData, vtkIdType(kept.size()));
        whole->GetCellData()->CopyData(cellData, from, to);
    }
    return whole;
}

} // namespace lumeno
